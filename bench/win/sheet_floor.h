// The floor of the converter's own window: its fourteen page templates, from
// the same compiled resources, in a common-controls property sheet with Help
// and without Apply, made by one PropertySheetW call whose pages do nothing.
// Whatever jednotar.exe costs beyond this window is the program's own share.
#pragma once

#include <windows.h>

// Shows the sheet modally, with the caption and pages found in `resources`.
INT_PTR ShowSheetFloor(HINSTANCE resources);
