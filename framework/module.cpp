#include "framework/module.h"

namespace {
HINSTANCE s_instance = nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return s_instance ? s_instance : GetModuleHandleW(nullptr);
}

void AfxSetInstanceHandle(HINSTANCE hInstance)
{
    s_instance = hInstance;
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}
