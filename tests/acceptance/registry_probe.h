// What the program keeps in the per-user registry, read from outside. The
// driver runs in the program's Wine prefix, so it sees the same registry.
#pragma once

#include <string>

// The precision value in the settings store (tests/support/settings_store.h).
struct PrecisionInStore {
    bool present = false;
    unsigned long type = 0;        // REG_DWORD expected
    unsigned long size = 0;        // 4 expected
    unsigned long value = 0;       // the DWORD, when type and size fit
    std::string Describe() const;  // "none", "5", or what is wrong with it
};

PrecisionInStore ReadStoredPrecision();

// Every key under the company's key with its last-write time and every
// value with its type and data, as one text: two snapshots differ if a key or
// a value was added, removed or changed in between. (Windows also moves the
// last-write time when the same data is written again; Wine drops such a
// write altogether, so there it leaves no trace to find.)
std::string SnapshotCompanyKey();
