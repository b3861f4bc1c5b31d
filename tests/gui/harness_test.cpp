// The harnesses themselves: a run whose window never appears, or cannot be
// closed, fails the test (and within seconds) instead of passing unseen or
// hanging the suite.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "framework/framework.h"
#include "res/resource.h"
#include "tests/gui/dialog_harness.h"
#include "tests/support/clock.h"

namespace {

// Ignores every way of being closed.
class StubbornDialog : public CDialog {
public:
    StubbornDialog() : CDialog(IDD_PRECISION) {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};

bool g_bodyRan = false;

void RunNotingTheBody(CDialog&& dialog)
{
    g_bodyRan = false;
    RunDialog(dialog, [](HWND) { g_bodyRan = true; });
}

}  // namespace

TEST(Harness, ADialogThatNeverAppearsFailsTheRun)
{
    const double start = NowMs();
    // No such template: DoModal returns at once.
    EXPECT_NONFATAL_FAILURE(RunNotingTheBody(CDialog(0x7FFF)), "window never appeared");
    EXPECT_FALSE(g_bodyRan);
    EXPECT_LT(NowMs() - start, 5000.0);  // the harness sees DoModal return; it does not wait its full time
}

TEST(Harness, ADialogThatCannotBeClosedFailsTheRunWithinSeconds)
{
    const double start = NowMs();
    EXPECT_NONFATAL_FAILURE(RunNotingTheBody(StubbornDialog()), "could not close its window");
    EXPECT_TRUE(g_bodyRan);
    EXPECT_LT(NowMs() - start, 40000.0);
}
