# Cross-compiles the Windows program on Linux with clang instead of GCC, over
# the same MinGW-w64 headers, import libraries and libstdc++ (Debian's
# g++-mingw-w64-x86-64 and binutils-mingw-w64-x86-64), linked by the same
# binutils ld. A second compiler catches code that only one of them accepts.
#   cmake -S . -B build/clang-win -DCMAKE_TOOLCHAIN_FILE=cmake/clang-mingw-w64-x86_64.cmake
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${TOOLCHAIN_PREFIX})
set(CMAKE_CXX_COMPILER_TARGET ${TOOLCHAIN_PREFIX})
set(CMAKE_SYSROOT ${MINGW_SYSROOT})

# clang 14 does not recognise Debian's GCC folder names (12-win32, 12-posix)
# (with the sysroot it finds no libstdc++ headers, without it would take
# the host's /usr/include/c++). Ask the MinGW-w64 g++
# where its libgcc is: that folder holds libgcc, libstdc++ and its headers,
# for the thread model g++ is set to (win32 by default, as the GCC build).
execute_process(COMMAND ${TOOLCHAIN_PREFIX}-g++ -print-libgcc-file-name
  OUTPUT_VARIABLE _libgcc OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0 OR NOT EXISTS "${_libgcc}")
  message(FATAL_ERROR "${TOOLCHAIN_PREFIX}-g++ not found: install g++-mingw-w64-x86-64")
endif()
get_filename_component(MINGW_GCC_DIR "${_libgcc}" DIRECTORY)
set(_cxx_include ${MINGW_GCC_DIR}/include/c++)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
  ${_cxx_include} ${_cxx_include}/${TOOLCHAIN_PREFIX} ${_cxx_include}/backward)

# One self-contained .exe, as with GCC.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${MINGW_GCC_DIR} ${MINGW_STATIC_LINK}")
