// Counting the GDI and USER objects this process holds, so that a path run
// many times can be seen to leave none of them behind.
#pragma once

#include <windows.h>

#include <functional>

// The GDI and USER objects held, as this platform lets them be read: on
// Windows GetGuiResources' counts; under Wine, where that answers 0, the free
// room of each handle table (how many more pens or menus can be made),
// negated. Either way a later reading is higher by the objects taken
// meanwhile and not given back.
long HeldGdiObjects();
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
