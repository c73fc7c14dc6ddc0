// The English string table: every id the library and its hosts load has a
// text (the quoted texts are checked where they show: sheet, toolbar tips,
// messages), and none names the application, so the message title defaults to
// the module name.
#include "support/kelgui_loader.h"
#include "support/string_table.h"

#include <gtest/gtest.h>

using namespace kelgui_test;

TEST(EnglishStrings, Coverage) {
    KelGui gui;
    ASSERT_TRUE(gui.Loaded());
    HMODULE dll = gui.Module();
    EXPECT_EQ("", LoadModuleString(dll, 57344));
    EXPECT_EQ(std::vector<UINT>{}, MissingStrings(dll, 2000, 2069));
    EXPECT_EQ((std::vector<UINT>{2800, 2802, 2803, 2804}), MissingStrings(dll, 2774, 2804));
    EXPECT_EQ(std::vector<UINT>{}, MissingStrings(dll, 2805, 2820));
    EXPECT_EQ(std::vector<UINT>{}, MissingStrings(dll, 0xF112, 0xF112));
    EXPECT_EQ(std::vector<UINT>{}, MissingStrings(dll, 0xF117, 0xF117));
}
