// The message title through the DLL's exports: start-up name, size and
// terminator rules, restoring the default, ownership of the caller's string.
#include "support/kelgui_loader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

using kelgui_test::KelGui;

namespace {
std::string Title(KelGui& gui) {
    UINT length = gui.message_title_get(nullptr, 0);
    std::string text(length + 1, '\x7f');
    gui.message_title_get(&text[0], length + 1);
    EXPECT_EQ('\0', text[length]);
    text.resize(length);
    return text;
}
} // namespace

TEST(MessageTitle, StartsAsTheModuleNameAndNullRestoresIt) {
    KelGui gui;
    ASSERT_TRUE(gui.Loaded());
    EXPECT_EQ("kelgui", Title(gui));
    EXPECT_EQ(1, gui.message_title_set("Something else"));
    EXPECT_EQ(1, gui.message_title_set(nullptr));
    EXPECT_EQ("kelgui", Title(gui));
}

TEST(MessageTitle, SizeAndTerminatorRules) {
    KelGui gui;
    ASSERT_EQ(1, gui.message_title_set("Annotations")); // 11 characters
    EXPECT_EQ(11u, gui.message_title_get(nullptr, 0));

    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(12u, gui.message_title_get(buffer, 12));
    EXPECT_STREQ("Annotations", buffer);
    EXPECT_EQ('#', buffer[12]); // nothing past size

    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(5u, gui.message_title_get(buffer, 5));
    EXPECT_EQ(0, std::memcmp(buffer, "Annot#", 6)); // cut, no terminator

    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(16u, gui.message_title_get(buffer, 16));
    for (int i = 11; i < 16; ++i)
        EXPECT_EQ('\0', buffer[i]) << i; // a shorter title is zero-filled up to size

    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(0u, gui.message_title_get(buffer, 0));
    EXPECT_EQ('#', buffer[0]); // size 0 writes nothing
    gui.message_title_set(nullptr);
}

TEST(MessageTitle, CopiesTheCallersStringEveryTime) {
    KelGui gui;
    char* first = static_cast<char*>(std::malloc(16));
    std::strcpy(first, "First");
    gui.message_title_set(first);
    std::strcpy(first, "Changed");
    std::free(first);
    EXPECT_EQ("First", Title(gui));
    gui.message_title_set("Second");
    EXPECT_EQ("Second", Title(gui));
    gui.message_title_set("");
    EXPECT_EQ(0u, gui.message_title_get(nullptr, 0));
    gui.message_title_set(nullptr);
}
