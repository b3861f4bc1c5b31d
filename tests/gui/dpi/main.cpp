// The display-scale tests' entry point: GoogleTest's own, with the windows
// drawn by Wine itself (tests/support/wine_windows.h).
#include <gtest/gtest.h>

#include <optional>

#include "tests/support/wine_windows.h"

int main(int argc, char** argv)
{
    if (const std::optional<int> status = RunAgainWithWinesOwnWindows())
        return *status;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
