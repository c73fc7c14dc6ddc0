// The English string table of the DLL: the texts hosts and users see.
#include "support/kelgui_loader.h"
#include "support/string_table.h"

#include <gtest/gtest.h>

using namespace kelgui_test;

TEST(EnglishStrings, QuotedTextsAndCoverage) {
    KelGui gui;
    ASSERT_TRUE(gui.Loaded());
    HMODULE dll = gui.Module();
    EXPECT_EQ("Attributes", LoadModuleString(dll, 2000));
    EXPECT_EQ("&Line Size", LoadModuleString(dll, 2001));
    EXPECT_EQ("Color Attributes", LoadModuleString(dll, 2007));
    EXPECT_EQ("Select Annotations", LoadModuleString(dll, 2774));
    EXPECT_EQ("RTF edit", LoadModuleString(dll, 2801));
    EXPECT_EQ("Please enter an integer between %1 and %2.", LoadModuleString(dll, 0xF112));
    EXPECT_EQ("Please enter a positive integer.", LoadModuleString(dll, 0xF117));
    // No string names the application: the message title defaults to the module name.
    EXPECT_EQ("", LoadModuleString(dll, 57344));
    EXPECT_EQ(std::vector<UINT>{}, MissingStrings(dll, 2000, 2069));
    EXPECT_EQ((std::vector<UINT>{2800, 2802, 2803, 2804}), MissingStrings(dll, 2774, 2804));
    EXPECT_EQ(std::vector<UINT>{}, MissingStrings(dll, 2805, 2820));
}
