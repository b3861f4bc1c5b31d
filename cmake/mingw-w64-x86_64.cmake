# Cross-compiles the Windows program on Linux with MinGW-w64 GCC.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++)

set(CMAKE_EXE_LINKER_FLAGS_INIT "${MINGW_STATIC_LINK}")
