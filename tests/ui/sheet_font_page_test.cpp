// The font page in a running sheet: what a loaded font shows and gives back, and the list.
#include "sheet_fixture.h"
#include "support/resource_counts.h"

#include <set>

using namespace sheet_test;

namespace {

std::string ItemOf(HWND box, UINT getText, WPARAM index) {
    char text[64] = {};
    SendMessageA(box, getText, index, LPARAM(text));
    return text;
}

int CALLBACK CollectFace(const LOGFONTA* lf, const TEXTMETRICA*, DWORD type, LPARAM faces) {
    reinterpret_cast<std::set<std::string>*>(faces)[type & TRUETYPE_FONTTYPE ? 0 : 1].insert(
        lf->lfFaceName);
    return 1;
}

// At 96 dpi; heights are cut to 16 bits; a face name without a zero byte (null
// here) matches no entry. The list holds each TrueType face once.
TEST(FontPage, ShowsTheLoadedFontAndGivesItBack) {
    std::set<std::string> faces[2], listed; // TrueType and other faces; the listed ones
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesA(screen, nullptr, CollectFace, LPARAM(faces));
    ReleaseDC(nullptr, screen);
    LRESULT listCount = 0;
    // clang-format off
    const struct { LONG height, weight; BYTE italic, underline; const char* face; std::string shown, pick, type, back; } cases[] = {
        {0x1FFF0, 600, 0, 7, "Tahoma", "", "", "", "-16|600|7"}, // never shown
        {-16, 400, 0, 0, "Tahoma", "12|12|Normal", "", "", "-16|400|0"},
        {0, 600, 1, 7, "Tahoma", "0||Bold Italic", "", "", "0|700|1"},
        {30, 300, 0, 0, "Tahoma", "19||Normal", "", "", "30|400|0"},
        {20, 300, 1, 0, "Tahoma", "12|12|Italic", "20", "", "-27|400|0"},
        {-16, 700, 0, 0, "Tahoma", "12|12|Bold", "", "9", "-12|700|0"},
        {-16, 600, 0, 0, nullptr, "12|12|Bold", "", "", "-16|600|0"},
    };
    // clang-format on
    for (const auto& c : cases) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES given = PatternRecord(7, 0x30);
        LOGFONTA& lf = given.lfFont;
        lf = LOGFONTA{c.height, 1, 2, 3, c.weight, c.italic, c.underline, 0, 4, 5, 6, 7, 8, ""};
        memset(lf.lfFaceName, 'T', LF_FACESIZE);
        if (c.face)
            lstrcpynA(lf.lfFaceName, c.face, LF_FACESIZE);
        sheet.Load(given);
        std::string shown;
        if (!c.shown.empty())
            sheet.OnPage(0, [&](HWND page) {
                HWND size = GetDlgItem(page, IDC_FONT_SIZE),
                     style = GetDlgItem(page, IDC_FONT_STYLE);
                shown = Text(size) + "|" +
                        ItemOf(size, CB_GETLBTEXT, SendMessageA(size, CB_GETCURSEL, 0, 0)) + "|" +
                        ItemOf(style, CB_GETLBTEXT, SendMessageA(style, CB_GETCURSEL, 0, 0));
                listCount = SendMessageA(GetDlgItem(page, IDC_FONT_FACES), LB_GETCOUNT, 0, 0);
                for (WPARAM i = 0; i < WPARAM(listCount); ++i)
                    listed.insert(ItemOf(GetDlgItem(page, IDC_FONT_FACES), LB_GETTEXT, i));
                if (!c.pick.empty() &&
                    SendMessageA(size, CB_SELECTSTRING, WPARAM(-1), LPARAM(c.pick.c_str())) >= 0)
                    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_FONT_SIZE, CBN_SELCHANGE), 0);
                if (!c.type.empty())
                    TypeText(GetWindow(size, GW_CHILD), c.type);
            });
        EXPECT_EQ(c.shown, shown);
        LOGFONTA back = sheet.Queried(PatternRecord(7, 0x50)).lfFont;
        EXPECT_EQ(c.back, std::to_string(back.lfHeight) + "|" + std::to_string(back.lfWeight) +
                              "|" + std::to_string(back.lfUnderline));
        // All else as loaded, but character set and pitch, which the list's entry gives.
        back.lfHeight = lf.lfHeight, back.lfWeight = lf.lfWeight, back.lfUnderline = lf.lfUnderline;
        back.lfCharSet = lf.lfCharSet, back.lfPitchAndFamily = lf.lfPitchAndFamily;
        EXPECT_EQ(0, memcmp(&lf, &back, sizeof lf)) << c.shown;
    }
    EXPECT_FALSE(faces[1].empty());
    EXPECT_EQ(faces[0], listed);
    EXPECT_EQ(LRESULT(faces[0].size()), listCount);
}

// The list's fonts are the page's own: showing it again and again keeps none behind.
TEST(FontPage, ShowingsKeepNoListEntriesBehind) {
    Sheet sheet;
    sheet.Load(PatternRecord(7, 0x30));
    LRESULT faces = 0;
    const auto show = [&] {
        sheet.OnPage(0, [&](HWND page) {
            faces = SendDlgItemMessageA(page, IDC_FONT_FACES, LB_GETCOUNT, 0, 0);
        });
    };
    show(); // the first showings may load what the system keeps
    show();
    const size_t before = HeapBytes();
    for (int i = 0; i < 8; ++i)
        show();
    EXPECT_LT(HeapBytes(), before + size_t(faces) * sizeof(LOGFONTA));
}

} // namespace
