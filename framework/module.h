// Modules: the program's own, which holds its code and resources, and others
// loaded only to read a resource of theirs.
#pragma once

#include <windows.h>

#include <string>

// The program's module: the one the application was started with, the .exe
// itself before that.
HINSTANCE AfxGetInstanceHandle();
void AfxSetInstanceHandle(HINSTANCE hInstance);
// The module holding the program's resources (the .exe).
HINSTANCE AfxGetResourceHandle();

// A module loaded as data only, to read a resource; released when the object
// goes. Null when it cannot be loaded.
class ScopedModule {
public:
    explicit ScopedModule(const std::wstring& path)
        : m_module(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE))
    {}
    ~ScopedModule()
    {
        if (m_module)
            FreeLibrary(m_module);
    }
    ScopedModule(const ScopedModule&) = delete;
    ScopedModule& operator=(const ScopedModule&) = delete;
    HMODULE get() const { return m_module; }

private:
    HMODULE m_module;
};
