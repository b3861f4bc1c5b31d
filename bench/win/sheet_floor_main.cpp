// sheet_floor.exe: the converter's window with none of its code, for the
// start-up and memory figures beside jednotar.exe.
#include <windows.h>

#include "bench/win/sheet_floor.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    ShowSheetFloor(instance);
    return 0;
}
