# What both cross toolchains share: the target, the MinGW-w64 tree that
# headers and libraries are found in, the resource compiler, and Wine as the
# way ctest runs the Windows test programs (on Windows they run natively).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(MINGW_SYSROOT /usr/${TOOLCHAIN_PREFIX})

set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH ${MINGW_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: no libgcc, libstdc++ or winpthread DLLs beside it.
set(MINGW_STATIC_LINK "-static -static-libgcc -static-libstdc++")
# Release programs ship without symbols (the static C++ runtime brings many).
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

get_filename_component(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run ABSOLUTE)
