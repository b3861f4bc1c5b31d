// GoogleTest's thread-start Notification over a Win32 event, in the header
// that GoogleTest includes for a build's own configuration (its folder comes
// before GoogleTest's own in the include path: cmake/googletest.cmake).
// GoogleTest 1.12 and later write it with std::mutex and
// std::condition_variable, which MinGW-w64 GCC before 13 lacks in its Win32
// thread model; everything else in GoogleTest's Windows port already uses
// Win32 primitives.
#pragma once

#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : m_event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(m_event); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(m_event); }
    void WaitForNotification() { WaitForSingleObject(m_event, INFINITE); }

private:
    HANDLE m_event;
};

}  // namespace internal
}  // namespace testing
