// The program's entry point.
#include <windows.h>

#include "shell/units_app.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(theApp, hInstance);
}
