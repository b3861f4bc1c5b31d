#include "tests/gui/gui_objects.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/support/clock.h"
#include "tests/support/platform.h"

namespace {

// Makes objects until the system refuses one (200 000 at most), frees
// them, and answers how many there were.
template <typename Handle, typename Make, typename Free>
int RoomFor(Make make, Free free)
{
    constexpr int kLimit = 200000;
    std::vector<Handle> made;
    for (int i = 0; i < kLimit; ++i) {
        const Handle handle = make(i);
        if (!handle)
            break;
        made.push_back(handle);
    }
    for (Handle handle : made)
        free(handle);
    return static_cast<int>(made.size());
}

// Window DCs come from a cache that grows by a DC and its regions whenever
// every DC in it is in use, and does not shrink (Wine stops growing it at 64
// unless all are taken): left alone, it grows at some paint during the count.
// Held all at once here, it is as large as the count will need.
void GrowTheDcCache()
{
    constexpr int kDcs = 80;
    HDC dcs[kDcs] = {};
    for (HDC& dc : dcs)
        dc = GetDC(nullptr);
    for (HDC dc : dcs)
        if (dc)
            ReleaseDC(nullptr, dc);
}

int FreeGdiRoom()
{
    return RoomFor<HPEN>([](int i) { return CreatePen(PS_SOLID, 1, RGB(i & 0xFF, 0, 0)); },
                         [](HPEN pen) { DeleteObject(pen); });
}

int FreeUserRoom()
{
    return RoomFor<HMENU>([](int) { return CreatePopupMenu(); }, [](HMENU menu) { DestroyMenu(menu); });
}

// On Windows filling a table would take from the session's shared pool, and
// stop at the process's quota of 10 000.
long Held(DWORD kind, int (*freeRoom)())
{
    if (RunningUnderWine())
        return -static_cast<long>(freeRoom());
    return static_cast<long>(GetGuiResources(GetCurrentProcess(), kind));
}

}  // namespace

long HeldGdiObjects()
{
    return Held(GR_GDIOBJECTS, &FreeGdiRoom);
}

GuiObjects HeldGuiObjects()
{
    return {HeldGdiObjects(), Held(GR_USEROBJECTS, &FreeUserRoom)};
}

GuiObjectsGrowth GrowthOver(const char* what, int warmUp, int times, const std::function<void()>& step)
{
    GrowTheDcCache();
    for (int i = 0; i < warmUp; ++i)
        step();
    GuiObjectsGrowth growth;
    growth.before = HeldGuiObjects();
    const double start = NowMs();
    for (int i = 0; i < times; ++i)
        step();
    const double elapsed = NowMs() - start;
    growth.after = HeldGuiObjects();
    // A paint in flight on another thread holds its DC, pen and font for a
    // moment; what is kept stays through a second and third look.
    for (int look = 0; look < 2 && (growth.Gdi() > kGuiObjectsNoise || growth.User() > kGuiObjectsNoise); ++look) {
        const GuiObjects again = HeldGuiObjects();
        growth.after = {std::min(growth.after.gdi, again.gdi), std::min(growth.after.user, again.user)};
    }
    const bool wine = RunningUnderWine();
    const long sign = wine ? -1 : 1;
    std::printf("%s, %d times in %.0f ms: %s %ld before, %ld after; %s %ld before, %ld after\n", what, times, elapsed,
                wine ? "free GDI handle room" : "GDI objects", sign * growth.before.gdi, sign * growth.after.gdi,
                wine ? "free USER handle room" : "USER objects", sign * growth.before.user, sign * growth.after.user);
    return growth;
}
