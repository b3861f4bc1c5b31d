// Counting the GDI and USER objects this process holds, so that a path run
// many times can be seen to leave none of them behind.
#pragma once

#include <windows.h>

#include <functional>

// How many more pens the process can make: the free room of the GDI handle
// table, so that its change counts the objects left behind. GetGuiResources
// answers 0 under Wine, so it cannot serve there.
int FreeGdiRoom();
// The same for USER objects (windows, menus, cursors, icons): how many more
// menus can be made.
int FreeUserRoom();

// The GDI and USER objects held, as this platform lets them be read: on
// Windows GetGuiResources' counts; under Wine, where that answers 0, the free
// room of each handle table, negated. Either way a later reading is higher by
// the objects taken meanwhile and not given back.
struct GuiObjects {
    long gdi = 0;
    long user = 0;
};
GuiObjects HeldGuiObjects();

// A handle or two may come and go meanwhile on the process's other threads
// (Wine's USER table is its server's, shared with the prefix's services).
constexpr long kGuiObjectsNoise = 5;

struct GuiObjectsGrowth {
    GuiObjects before, after;
    long Gdi() const { return after.gdi - before.gdi; }
    long User() const { return after.user - before.user; }
};
// Grows the cache of window DCs to its full size and runs `step` `warmUp`
// times, so that what the process makes once and keeps (caches, a window's
// first font) comes before the count, then reads the
// objects held, runs `step` `times` more and reads them again (up to twice
// more while the growth exceeds the noise: what is kept shows every time).
// Prints both readings, named by `what`.
GuiObjectsGrowth GrowthOver(const char* what, int warmUp, int times, const std::function<void()>& step);
