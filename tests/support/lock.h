// A lock for the few states that the test support shares between threads:
// the MinGW-w64 toolchain's standard library (win32 threads) has no
// std::mutex.
#pragma once

#include <windows.h>

class Lock {
public:
    Lock() = default;
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    friend class Hold;
    SRWLOCK m_lock = SRWLOCK_INIT;
};

// Holds `lock` for its life.
class Hold {
public:
    explicit Hold(Lock& lock) : m_lock(lock.m_lock) { AcquireSRWLockExclusive(&m_lock); }
    ~Hold() { ReleaseSRWLockExclusive(&m_lock); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

private:
    SRWLOCK& m_lock;
};
