// The Japanese string table, as a Japanese system (code page 932) loads it.
#include "support/kelgui_loader.h"
#include "support/string_table.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

using namespace kelgui_test;

TEST(JapaneseStrings, ShiftJisTextsAndTheMissingRtfName) {
    ASSERT_EQ(932u, GetACP());
    KelGui gui;
    ASSERT_TRUE(gui.Loaded());
    HMODULE dll = gui.Module();
    EXPECT_EQ("\x91\xAE\x90\xAB", LoadModuleString(dll, 2000)); // 属性
    EXPECT_EQ("", LoadModuleString(dll, 2801)); // the RTF edit tool has no Japanese name
    EXPECT_EQ("", LoadModuleString(dll, 57344));
    EXPECT_EQ(std::vector<UINT>{}, MissingStrings(dll, 2000, 2069));
    EXPECT_EQ((std::vector<UINT>{2800, 2801, 2802, 2803, 2804}), MissingStrings(dll, 2774, 2804));
    EXPECT_EQ(std::vector<UINT>{}, MissingStrings(dll, 2805, 2820));
    // Loading set the run-time locale (shared through the C runtime DLL) to
    // the multibyte code page.
    const char* locale = std::setlocale(LC_ALL, nullptr);
    EXPECT_NE(nullptr, std::strstr(locale, ".932")) << locale;
    for (UINT id : {0xF110u, 0xF112u, 0xF117u}) {
        std::string text = LoadModuleString(dll, id);
        EXPECT_FALSE(text.empty()) << id;
        bool doubleByte = false;
        for (char c : text)
            doubleByte = doubleByte || (static_cast<unsigned char>(c) & 0x80);
        EXPECT_TRUE(doubleByte) << id << ": not Japanese";
    }
}
