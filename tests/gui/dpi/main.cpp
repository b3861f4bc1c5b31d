// The DPI suite's entry point; with its switch, a fresh start of the sheet
// that writes its pages' layout for the suite (the live change of scale is
// compared with it).
#include <gtest/gtest.h>

#include <cstring>

#include "tests/gui/dpi/page_layout.h"

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], kFreshLayoutSwitch) == 0)
        return WriteFreshLayout(argv[2]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
