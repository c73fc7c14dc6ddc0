// The message title through the exports: the start-up name, null restoring it, a copy
// of the caller's string, and the size and terminator rules of the fetch.
#include "sheet_fixture.h"

TEST(MessageTitle, DefaultCopyAndFetchRules) {
    kelgui_test::KelGui& gui = sheet_test::Gui();
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
    // A fetch of size bytes answers size; the 16-byte buffer afterwards, '#' where untouched.
    const std::pair<UINT, std::string> cases[] = {
        {0, std::string(16, '#')},
        {5, "Annot" + std::string(11, '#')}, // cut, no terminator
        {12, std::string("Annotations\0####", 16)},
        {16, std::string("Annotations\0\0\0\0\0", 16)}, // zero-filled up to size
    };
    for (const auto& [size, bytes] : cases) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(size, gui.message_title_get(buffer, size)) << size;
        EXPECT_EQ(bytes, std::string(buffer, sizeof buffer)) << size;
    }
    EXPECT_EQ(1, gui.message_title_set(nullptr));
    EXPECT_EQ(std::string("kelgui", 7), title());
}
