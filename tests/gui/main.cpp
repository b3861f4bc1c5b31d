// The GUI suite's entry point: the current user's registry is the suite's
// own for the run (the user's settings are left as found), every test
// starts from an empty settings store, whatever order the tests run in, a
// test that hangs ends the run at once, named, and a run that skipped a test
// says so in its exit status instead of passing as a whole.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/platform.h"
#include "tests/support/settings_store.h"
#include "tests/support/user_registry.h"
#include "tests/support/watchdog.h"

namespace {

// Returned when every test that ran passed but some were skipped; the test
// registration reports the run as skipped on seeing it.
constexpr int kSkippedStatus = 77;

class FreshSettingsStore : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        if (!ClearSettings())
            EndTestProgram("the settings store could not be emptied");
    }
};

}  // namespace

int main(int argc, char** argv)
{
    StartTestProgram("gui_tests");
    testing::InitGoogleTest(&argc, argv);
    const PrivateUserRegistry registry(L"gui_tests");
    if (!registry.Active())
        return 1;
    testing::UnitTest& suite = *testing::UnitTest::GetInstance();
    suite.listeners().Append(new FreshSettingsStore);
    suite.listeners().Append(new Watchdog);
    const int status = RUN_ALL_TESTS();
    if (status == 0 && suite.skipped_test_count() > 0) {
        std::printf("gui_tests: %d passed, %d skipped\n", suite.successful_test_count(), suite.skipped_test_count());
        return kSkippedStatus;
    }
    return status;
}
