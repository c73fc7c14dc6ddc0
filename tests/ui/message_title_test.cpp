// The message title through the DLL's exports: the start-up name, null
// restoring it, a copy of the caller's string, and the size and terminator
// rules of the fetch.
#include "support/kelgui_loader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(MessageTitle, DefaultCopyAndFetchRules) {
    kelgui_test::KelGui gui;
    ASSERT_TRUE(gui.Loaded());
    auto title = [&] {
        std::string text(gui.message_title_get(nullptr, 0) + 1, '\x7f');
        gui.message_title_get(&text[0], static_cast<UINT>(text.size()));
        return text;
    };
    EXPECT_EQ(std::string("kelgui", 7), title());
    std::string caller = "First";
    EXPECT_EQ(1, gui.message_title_set(caller.c_str()));
    caller = "Changed";
    EXPECT_EQ(std::string("First", 6), title()) << "a copy, terminated";
    gui.message_title_set("");
    EXPECT_EQ(0u, gui.message_title_get(nullptr, 0));

    ASSERT_EQ(1, gui.message_title_set("Annotations")); // 11 characters
    const struct {
        UINT size, result;
        std::string bytes; // the 16-byte buffer afterwards, '#' where untouched
    } cases[] = {
        {0, 0, std::string(16, '#')},
        {5, 5, "Annot" + std::string(11, '#')}, // cut, no terminator
        {12, 12, std::string("Annotations\0####", 16)},
        {16, 16, std::string("Annotations\0\0\0\0\0", 16)}, // zero-filled up to size
    };
    for (const auto& c : cases) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(c.result, gui.message_title_get(buffer, c.size)) << c.size;
        EXPECT_EQ(c.bytes, std::string(buffer, sizeof buffer)) << c.size;
    }
    EXPECT_EQ(1, gui.message_title_set(nullptr));
    EXPECT_EQ(std::string("kelgui", 7), title());
}
