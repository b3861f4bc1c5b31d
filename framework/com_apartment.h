// COM for the user-interface thread, for as long as the object lives: the
// shell starts some handlers (mailto: among them) through COM, and asks its
// callers to have it initialised, apartment-threaded and without OLE1 DDE.
#pragma once

#include <windows.h>

#include <objbase.h>

class ComApartment {
public:
    ComApartment() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(m_result))  // S_FALSE too: every success is balanced
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT m_result;
};
