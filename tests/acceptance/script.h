// The acceptance script written by expected.py: one step per line, fields
// separated by tabs, UTF-8; blank lines and lines starting with '#' skipped.
#pragma once

#include <string>
#include <vector>

struct Step {
    int line = 0;                              // 1-based line in the file
    std::vector<std::string> fields;           // fields[0] is the step's name
    const std::string& Field(size_t i) const;  // "" past the end
    int Number(size_t i) const;                // the field as an integer, -9999 if it is none
};

// False, with `error` set, when the file cannot be read.
bool ReadScript(const std::wstring& path, std::vector<Step>& steps, std::string& error);
