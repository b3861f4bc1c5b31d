// What the program keeps in the per-user registry, read from outside. The
// driver runs in the program's Wine prefix, so it sees the same registry.
#pragma once

#include <string>

// The precision in the settings store (tests/support/settings_store.h):
// "none", its number, or what is wrong with it.
std::string StoredPrecisionText();

// Every key under the company's key with its last-write time and every
// value with its type and data, as one text: two snapshots differ if a key or
// a value was added, removed or changed in between. (Windows also moves the
// last-write time when the same data is written again; Wine drops such a
// write altogether, so there it leaves no trace to find.)
std::string SnapshotCompanyKey();
