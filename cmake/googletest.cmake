# GoogleTest for the tests: an installed package when there is one (Debian's
# libgtest-dev natively, MSYS2's or vcpkg's on Windows), else built from the
# source tree that Debian's googletest package installs, which is how the
# cross-compiled tests get it.
find_package(GTest QUIET)
if(GTest_FOUND)
  return()
endif()

set(JEDNOTAR_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH
  "GoogleTest source tree used when no installed GoogleTest is found")
if(NOT EXISTS ${JEDNOTAR_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest not found: install it, point GTest_ROOT at it, set "
    "JEDNOTAR_GOOGLETEST_SOURCE to its source tree, or configure with -DBUILD_TESTING=OFF")
endif()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)  # MinGW here has Win32 threads
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${JEDNOTAR_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest 1.12 and later (Debian 12 has 1.12.1) write their thread
# Notification with std::mutex and std::condition_variable on every platform
# (1.11 and earlier used a Win32 event on Windows). MinGW-w64 GCC before 13
# has them only in its POSIX thread model, not in the Win32 one that builds
# the program (the POSIX one would link winpthread into jednotar.exe): there
# GoogleTest gets its Notification back over a Win32 event.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles("#include <mutex>
int main() { std::mutex m; m.lock(); m.unlock(); }" JEDNOTAR_HAS_STD_MUTEX)
if(WIN32 AND NOT JEDNOTAR_HAS_STD_MUTEX)
  foreach(target gtest gtest_main)
    target_include_directories(${target} BEFORE PUBLIC ${CMAKE_CURRENT_LIST_DIR}/gtest-win32)
  endforeach()
endif()
if(NOT TARGET GTest::gtest_main)  # GoogleTest 1.11 and later name them so already
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()
