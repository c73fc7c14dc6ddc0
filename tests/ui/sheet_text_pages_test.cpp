// The typed text, label, stamp and password pages through the exports: what
// comes back unchanged, typed, wrapped, stamped and limited.
#include "text_page_cases.h"

namespace sheet_test {
namespace {

TEST(TextPages, UnchangedPagesGiveBackTheLoadedBlockShownOrNot) {
    Bytes markData(60);
    for (size_t i = 0; i < markData.size(); ++i)
        markData[i] = static_cast<uint8_t>(0xA0 + i);
    const struct {
        DWORD markType;
        const char* name;
        Bytes block;
    } cases[] = {
        {KEL_MARK_TYPED_TEXT, KEL_BLOCK_TEXT, TextBlock("a\tb\r\nc", 0xEE)},
        {KEL_MARK_BUTTON, KEL_BLOCK_TEXT, TextBlock("Go", 0xEE)},
        {KEL_MARK_TEXT_STAMP, KEL_BLOCK_TEXT, Bytes{1, 2, 3}}, // too short for a text
        {KEL_MARK_ENCRYPTION, KEL_BLOCK_MARK_DATA, markData},
    };
    for (const auto& c : cases)
        for (bool shown : {false, true}) {
            Sheet sheet;
            KEL_MARK_ATTRIBUTES record = PatternRecord(c.markType, 1);
            ASSERT_EQ(1, sheet.Init(3, &record, c.name, c.block.data(), (DWORD)c.block.size()));
            if (shown) {
                EXPECT_EQ(1, sheet.Run([&](ModalDriver& d) {
                    d.Do("OK", [&] { PressOk(sheet.Window()); });
                }));
            }
            EXPECT_EQ(c.block, Fetch(sheet, c.name)) << c.markType << (shown ? " shown" : "");
        }
}

TEST(TextPages, TypingRebuildsTheBlockAroundTheText) {
    const struct {
        DWORD markType;
        int edit;
        std::string typed;
        Bytes loaded, header; // header: the first 12 bytes expected
    } cases[] = {
        {KEL_MARK_TYPED_TEXT, kWrappingEdit, "one\r\ntwo", TextBlock("old", 0xEE), {}},
        {KEL_MARK_ATTACH_A_NOTE, kWrappingEdit, "", TextBlock("old"), {}},
        {KEL_MARK_518, kWrappingEdit, "x", Bytes{7, 7, 7}, Bytes(12, 0)}, // no header to carry
        {KEL_MARK_PIN_UP_TEXT, kTextEdit, "Pin", TextBlock(""), {}},
        {KEL_MARK_TEXT_STAMP, kTextEdit, "Stamp", TextBlock("old"), {}},
    };
    for (const auto& c : cases) {
        Bytes expected = TextBlock(c.typed);
        if (!c.header.empty())
            std::copy(c.header.begin(), c.header.end(), expected.begin());
        EXPECT_EQ(expected, TypedBlock(c.markType, c.edit, c.typed, c.loaded)) << c.markType;
    }
}

TEST(LabelPage, LabelByMarkType) {
    for (const auto& c :
         {std::make_pair(512u, "&Button Text:"), std::make_pair(513u, "&Push Pin Label:")}) {
        std::string label;
        EditLastPage(c.first, TextBlock(""), KEL_SHEET_BLOCK, [&](ModalDriver& d, HWND& page) {
            d.Do("read", [&] { label = ItemText(page, 1036); });
        });
        EXPECT_EQ(c.second, label);
    }
}

// Wrap back and forth keeps the text and the caret and is no change; a sheet
// shown again shows the view its Wrap box names, and text typed there goes
// to the other view on Wrap and into the block.
TEST(TextPage, WrapSwitchesViewsWithTextAndCaret) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = PatternRecord(KEL_MARK_TYPED_TEXT, 2);
    const Bytes loaded = TextBlock("first line\r\nsecond", 0xEE);
    ASSERT_EQ(1, sheet.Init(3, &record, KEL_BLOCK_TEXT, loaded.data(), (DWORD)loaded.size()));
    HWND page = nullptr;
    auto edit = [&](int id) { return GetDlgItem(page, id); };
    auto clickWrap = [&](ModalDriver& d, int nowShown) {
        d.Do("click Wrap", [&] { Click(edit(1139)); }).Then("view switched", [&, nowShown] {
            return IsWindowVisible(edit(nowShown)) != 0;
        });
    };
    std::vector<std::pair<int, int>> carets;
    EXPECT_EQ(1, sheet.Run([&](ModalDriver& d) {
        d.Do("text page", [&] { SelectTab(sheet.Window(), 1); })
            .Then("shown", [&] { return (page = CurrentPage(sheet.Window())) != nullptr; })
            .Do("caret", [&] { SendMessageA(edit(kWrappingEdit), EM_SETSEL, 3, 7); });
        clickWrap(d, kTextEdit);
        d.Do("read", [&] { carets.push_back(EditSelection(edit(kTextEdit))); });
        clickWrap(d, kWrappingEdit);
        d.Do("read", [&] { carets.push_back(EditSelection(edit(kWrappingEdit))); });
        clickWrap(d, kTextEdit);
        d.Do("OK", [&] { PressOk(sheet.Window()); });
    }));
    EXPECT_EQ((std::vector<std::pair<int, int>>{{3, 7}, {3, 7}}), carets);
    EXPECT_EQ(loaded, Fetch(sheet, KEL_BLOCK_TEXT)) << "switching views is no change";

    bool plainShown = false, wrappingShown = true;
    std::string shownText, carried;
    EXPECT_EQ(1, sheet.Run([&](ModalDriver& d) {
        d.Do("text page", [&] { SelectTab(sheet.Window(), 1); })
            .Then("shown", [&] { return (page = CurrentPage(sheet.Window())) != nullptr; })
            .Do("look, type", [&] {
                plainShown = IsWindowVisible(edit(kTextEdit));
                wrappingShown = IsWindowVisible(edit(kWrappingEdit));
                shownText = ItemText(page, kTextEdit);
                Retype(edit(kTextEdit), "typed");
            });
        clickWrap(d, kWrappingEdit);
        d.Do("read, OK", [&] {
            carried = ItemText(page, kWrappingEdit);
            PressOk(sheet.Window());
        });
    }));
    EXPECT_TRUE(plainShown && !wrappingShown);
    EXPECT_EQ("first line\r\nsecond", shownText);
    EXPECT_EQ("typed", carried);
    EXPECT_EQ(TextBlock("typed"), Fetch(sheet, KEL_BLOCK_TEXT));
}

TEST(TextPage, BoundWrappingBothWaysKeepsTheOtherBits) {
    const struct {
        DWORD markType, flagsIn;
        int chosen;
        DWORD flagsOut;
    } cases[] = {
        {KEL_MARK_TYPED_TEXT, 0xF0F0F0F0, 3, 0xF0F0F3F0},
        {KEL_MARK_ATTACH_A_NOTE, 0x0F0F0F0F, 0, 0x0F0F0C0F},
        {KEL_MARK_TYPED_TEXT, 0x00000200, 1, 0x00000100},
        {KEL_MARK_518, 0x00000300, 0, 0x00000300}, // read, never written back
    };
    for (const auto& c : cases) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES record = PatternRecord(c.markType, 3);
        record.dwTextFlags = c.flagsIn;
        const Bytes loaded = TextBlock("t");
        ASSERT_EQ(1, sheet.Init(3, &record, KEL_BLOCK_TEXT, loaded.data(), (DWORD)loaded.size()));
        int shownMode = -1;
        EXPECT_EQ(1, sheet.Run([&](ModalDriver& d) {
            d.Do("text page",
                 [&] {
                     SelectTab(sheet.Window(),
                               static_cast<int>(TabTexts(sheet.Window()).size()) - 1);
                 })
                .Then("shown", [&] { return CurrentPage(sheet.Window()) != nullptr; })
                .Do("choose, OK", [&] {
                    HWND page = CurrentPage(sheet.Window()), list = GetDlgItem(page, 1082);
                    shownMode = (int)SendMessageA(list, CB_GETCURSEL, 0, 0);
                    SendMessageA(list, CB_SETCURSEL, c.chosen, 0);
                    SendMessageA(page, WM_COMMAND, MAKEWPARAM(1082, CBN_SELCHANGE), (LPARAM)list);
                    PressOk(sheet.Window());
                });
        }));
        EXPECT_EQ((int)((c.flagsIn >> 8) & 3), shownMode);
        KEL_MARK_ATTRIBUTES out = record;
        ASSERT_EQ(1, sheet.Query(1, &out));
        EXPECT_EQ(c.flagsOut, out.dwTextFlags) << c.markType << " " << c.chosen;
        EXPECT_EQ(loaded, Fetch(sheet, KEL_BLOCK_TEXT)) << "a mode alone is no text change";
    }
}

// The password goes in place at offset 20: at most 31 bytes, less when the
// block ends sooner, the rest of its 32-byte slot zeroed, nothing else touched.
TEST(PasswordPage, WritesInPlaceWithinTheBlock) {
    const std::string forty(40, 'p');
    const struct {
        size_t size;
        std::string typed;
        size_t written; // text bytes that fit
    } cases[] = {{60, forty, 31}, {60, "new", 3}, {30, forty, 9}, {21, "x", 0}, {15, "x", 0}};
    for (const auto& c : cases) {
        Bytes loaded(c.size);
        for (size_t i = 0; i < c.size; ++i)
            loaded[i] = static_cast<uint8_t>(0x41 + i % 26);
        const Bytes out = EditLastPage(
            KEL_MARK_ENCRYPTION, loaded, KEL_SHEET_BLOCK,
            [&](ModalDriver& d, HWND& page) {
                d.Do("type", [&] { SetText(GetDlgItem(page, 1053), c.typed); });
            },
            KEL_BLOCK_MARK_DATA);
        Bytes expected = loaded;
        for (size_t i = 20; i < std::min<size_t>(c.size, 52); ++i)
            expected[i] = i - 20 < c.written ? 'p' : 0;
        if (c.typed == "new")
            std::copy(c.typed.begin(), c.typed.end(), expected.begin() + 20);
        EXPECT_EQ(expected, out) << c.size << " bytes, " << c.typed.size() << " typed";
    }
}

TEST(StampPage, InsertsTodayOrTheCodesAtTheCaret) {
    for (DWORD flags : {2u, 4u, 6u}) {
        const auto stamped = StampInsertion(flags);
        EXPECT_EQ(flags == 2 ? "A" + stamped.second + "C" : "A%x%XC", stamped.first) << flags;
    }
}

} // namespace
} // namespace sheet_test
