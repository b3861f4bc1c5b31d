// The DPI suite's entry point; with its switch, a fresh start of the sheet
// that writes its pages' layout for the suite (the live change of scale is
// compared with it). Either way the current user's registry is the run's
// own (the user's settings are left as found), and in the suite a test that
// hangs ends the run at once, named.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/gui/dpi/page_layout.h"
#include "tests/support/platform.h"
#include "tests/support/user_registry.h"
#include "tests/support/watchdog.h"

int main(int argc, char** argv)
{
    StartTestProgram("dpi_tests");
    const PrivateUserRegistry registry(L"dpi_tests");
    if (!registry.Active())
        return 1;
    if (argc == 3 && std::strcmp(argv[1], kFreshLayoutSwitch) == 0)
        return WriteFreshLayout(argv[2]);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new Watchdog);
    return RUN_ALL_TESTS();
}
