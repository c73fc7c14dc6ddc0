// Typed text, label, stamp and password pages through the exports, as a host sees them.
#include "text_page_cases.h"

namespace sheet_test {
namespace {

// Looked at, the loaded block comes back (never shown: FilePages.NameBlockAsLoadedUntilChanged);
// typed, it is rebuilt with the loaded header. A mode (-1: none) changes only the wrapping bits.
TEST(TextPages, LoadedBlockComesBackUntilTypedThenIsRebuilt) {
    // clang-format off
    const struct { DWORD markType; int edit; std::string label, typed; Bytes loaded; DWORD flagsIn; int chosen; DWORD flagsOut; } cases[] = {
        {KEL_MARK_TYPED_TEXT, IDC_WRAPPING_EDIT, "", "one\r\ntwo", TextBlock("a\tb", 0xEE), 0xF0F0F0F0, 3, 0xF0F0F3F0},
        {KEL_MARK_ATTACH_A_NOTE, IDC_WRAPPING_EDIT, "", "", TextBlock("old"), 0x0F0F0F0F, 0, 0x0F0F0C0F},
        {KEL_MARK_TYPED_TEXT, IDC_WRAPPING_EDIT, "", "t", TextBlock("t"), 0x200, 1, 0x100},
        {KEL_MARK_TYPED_TEXT, IDC_WRAPPING_EDIT, "", "t", TextBlock(""), 0x300, -1, 0x300}, // none chosen
        {KEL_MARK_518, IDC_WRAPPING_EDIT, "", "x", TextBlock("", 0xEE), 0x300, 0, 0x300}, // read, never written
        {KEL_MARK_BUTTON, IDC_TEXT_EDIT, "&Button Text:", "Go", TextBlock("", 0xEE), 0xF0F0, -1, 0xF0F0},
        {KEL_MARK_PIN_UP_TEXT, IDC_TEXT_EDIT, "&Push Pin Label:", "Pin", TextBlock("old"), 0xF0F0, -1, 0xF0F0},
        {KEL_MARK_TEXT_STAMP, IDC_TEXT_EDIT, "&Stamp Text:", "Stamp", TextBlock("old"), 0xF0F0, -1, 0xF0F0},
    };
    // clang-format on
    for (const auto& c : cases) {
        Sheet shown;
        const auto record = Load(shown, c.markType, c.loaded, 2, KEL_BLOCK_TEXT, c.flagsIn);
        EXPECT_EQ(1, shown.OnPage(-1, [&](HWND page) {
            EXPECT_EQ(c.label, ItemText(page, IDC_TEXT_LABEL)) << c.markType;
            Choose(page, IDC_BOUND_WRAPPING, c.chosen);
        }));
        EXPECT_EQ(c.loaded, shown.Fetch(KEL_BLOCK_TEXT)) << c.markType << " looked at";
        EXPECT_EQ(c.flagsOut, shown.Queried(record).dwTextFlags) << c.markType << " " << c.chosen;
        auto type = [&](HWND page) { Retype(GetDlgItem(page, c.edit), c.typed); };
        EXPECT_EQ(TextBlock(c.typed), AfterEdit(c.markType, c.loaded, type)) << c.markType;
    }
}

// Wrap keeps text and caret, is no change; shown again, the page shows the view it names.
TEST(TextPage, WrapSwitchesViewsWithTextAndCaret) {
    Sheet sheet;
    const std::string text = "first line\r\nsecond";
    Load(sheet, KEL_MARK_TYPED_TEXT, TextBlock(text, 0xEE));
    auto clickWrap = [&](ModalDriver& d, HWND& page, int shown, std::string was) {
        d.Do("click Wrap", [&] { Click(GetDlgItem(page, IDC_WRAP)); })
            .Then("switched", [&, shown] { return IsWindowVisible(GetDlgItem(page, shown)) != 0; })
            .Do("read", [&, shown, was] {
                EXPECT_EQ(was, ItemText(page, shown));
                EXPECT_EQ(std::make_pair(1, 3), EditSelection(GetDlgItem(page, shown)));
            });
    };
    sheet.Edit(-1, [&](ModalDriver& d, HWND& page) {
        d.Do("caret", [&] { SendMessageA(GetDlgItem(page, IDC_WRAPPING_EDIT), EM_SETSEL, 1, 3); });
        clickWrap(d, page, IDC_TEXT_EDIT, text);
    });
    EXPECT_EQ(TextBlock(text, 0xEE), sheet.Fetch(KEL_BLOCK_TEXT)) << "switching views is no change";
    sheet.Edit(-1, [&](ModalDriver& d, HWND& page) {
        d.Do("look, type", [&] {
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, IDC_TEXT_EDIT)));
            EXPECT_EQ(text, ItemText(page, IDC_TEXT_EDIT));
            Retype(GetDlgItem(page, IDC_TEXT_EDIT), "typed");
            SendMessageA(GetDlgItem(page, IDC_TEXT_EDIT), EM_SETSEL, 1, 3);
        });
        clickWrap(d, page, IDC_WRAPPING_EDIT, "typed");
    });
    EXPECT_EQ(TextBlock("typed"), sheet.Fetch(KEL_BLOCK_TEXT));
}

// One block size; the layout at every size: the mark data fuzz target.
TEST(PasswordPage, WritesInPlaceWithinTheBlock) {
    auto type = [](HWND page) { SetText(GetDlgItem(page, IDC_PASSWORD), std::string(40, 'p')); };
    const auto block = AfterEdit(KEL_MARK_ENCRYPTION, Bytes(60, 'o'), type, 2, KEL_BLOCK_MARK_DATA);
    EXPECT_EQ(std::string(20, 'o') + std::string(31, 'p') + '\0' + std::string(8, 'o'),
              std::string(block.begin(), block.end()));
}

// Esc, pressed as the user presses it, cancels the sheet from any control (one it leaves up
// fails the run 5 s later): a multi-line edit closes its parent, the page, which passes it on.
TEST(TextPages, EscCancelsTheSheetFromEveryControl) {
    for (const auto& [markType, control] : {std::pair(KEL_MARK_TYPED_TEXT, IDC_WRAPPING_EDIT),
                                            {KEL_MARK_TYPED_TEXT, IDC_BOUND_WRAPPING},
                                            {KEL_MARK_TEXT_STAMP, IDC_TEXT_EDIT},
                                            {KEL_MARK_BUTTON, IDC_TEXT_EDIT}}) {
        Sheet sheet;
        Load(sheet, markType, TextBlock("old"));
        const auto esc = [control = control](HWND page) {
            SetFocus(GetDlgItem(page, control));
            PressKey(VK_ESCAPE);
        };
        EXPECT_EQ(0, sheet.OnPage(-1, esc, nullptr)) << markType << ", control " << control;
    }
}

// Every page whose text travels in a block, code page 1252; a password's characters go unnamed.
TEST(TextPages, TextTheCodePageCannotHoldIsRefusedSelectedAndKept) {
    const std::string kept = " | [2, 8) ab日本語 Ωλ žc",
                      remove = "\nPlease remove or replace them.";
    const std::string named =
        "These characters cannot be saved in this system's code page: 日 本 語 Ω λ" + remove;
    // clang-format off
    const struct { DWORD markType; const char* name; int edit; std::string message; } cases[] = {
        {KEL_MARK_TYPED_TEXT, KEL_BLOCK_TEXT, IDC_WRAPPING_EDIT, named},
        {KEL_MARK_BUTTON, KEL_BLOCK_TEXT, IDC_TEXT_EDIT, named},
        {KEL_MARK_TEXT_STAMP, KEL_BLOCK_TEXT, IDC_TEXT_EDIT, named},
        {KEL_MARK_TEXT_FROM_FILE, KEL_BLOCK_FILE_NAME, IDC_FILE_NAME, named},
        {KEL_MARK_RULER, KEL_BLOCK_TEXT, IDC_RULER_ABBREVIATION, named},
        {KEL_MARK_ENCRYPTION, KEL_BLOCK_MARK_DATA, IDC_PASSWORD,
         "The password holds characters that cannot be saved in this system's code page." + remove},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(c.message + kept, RefusedAtOk(c.markType, c.name, c.edit, L"ab日本語 Ωλ žc"))
            << c.markType;
}

TEST(StampPage, InsertsTodayOrTheCodesAtTheCaret) {
    for (DWORD flags : {2u, 4u, 6u})
        EXPECT_EQ(flags == 2 ? "A<now>C" : "A%x%XC", StampInsertion(flags)) << flags;
}

} // namespace
} // namespace sheet_test
