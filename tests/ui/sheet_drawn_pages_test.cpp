// The pages that draw: the arrow, colour and font pages, through the exports and on screen.
#include "sheet_fixture.h"
#include "support/dark_scheme.h"
#include "support/resource_counts.h"
#include "support/screenshot.h"

#include <algorithm>
#include <set>

namespace sheet_test {
namespace {

std::function<bool()> PageShot(const HWND& page, Image& shot) {
    return SettledCapture([&page] { return RectIn(page, nullptr); }, shot);
}
RECT StyleItem(HWND page, int index) {
    RECT r = {};
    SendDlgItemMessageA(page, IDC_ARROW_STYLES, LB_GETITEMRECT, index, LPARAM(&r));
    MapWindowPoints(GetDlgItem(page, IDC_ARROW_STYLES), page, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The first sheet is captured: its filled head points up from the grey sample, and the
// selected 21-pixel list item is white on black; at 144 and 192 dpi all scale with the page.
TEST(ArrowPage, ReadsTheHeadWritesOnlyItsBytesAndDrawsIt) {
    // clang-format off
    const struct { Bytes block; std::string shown, type; int pick; Bytes back; } cases[] = {
        {{1, 0, 0, 0, 9, 9, 9, 9, 40, 0, 0, 0, 't'}, "1|40", "", 2, {2, 0, 0, 0, 9, 9, 9, 9, 40, 0, 0, 0, 't'}},
        {{7, 0, 0, 0, 9, 9, 9, 9, 40, 0, 0, 0}, "-1|40", "", -1, {0xFF, 0xFF, 0xFF, 0xFF, 9, 9, 9, 9, 40, 0, 0, 0}},
        {{1, 0, 0, 0, 'a', 'b'}, "1|0", "5", 3, {3, 0, 0, 0, 'a', 'b'}},
    };
    // clang-format on
    Image shot;
    RECT a = {}, item = {}, listArea = {};
    for (const auto& c : cases) {
        Sheet sheet;
        sheet.Load(PatternRecord(506, 0x30, 2), {{"OiAnoDat", c.block}});
        EXPECT_EQ(1, sheet.Edit(2, [&](ModalDriver& d, HWND& p) {
            if (shot.Empty())
                d.Then("capture", PageShot(p, shot));
            d.Do("look", [&] {
                HWND list = GetDlgItem(p, IDC_ARROW_STYLES);
                EXPECT_EQ(c.shown, std::to_string(SendMessageA(list, LB_GETCURSEL, 0, 0)) + "|" +
                                       ItemText(p, IDC_ARROW_SIZE));
                a = RectIn(GetDlgItem(p, IDC_ARROW_SAMPLE), p), item = StyleItem(p, 1);
                GetClientRect(list, &listArea);
                SendMessageA(list, LB_SETCURSEL, c.pick, 0);
                if (!c.type.empty())
                    TypeText(GetDlgItem(p, IDC_ARROW_SIZE), c.type);
            });
        }));
        EXPECT_EQ(c.back, sheet.Fetch("OiAnoDat")) << c.shown;
    }
    const int row = item.bottom - item.top, mid = (a.left + a.right) / 2;
    EXPECT_NEAR(Scaled(21), row, Scaled(21) / 32);
    EXPECT_LE(4 * row, listArea.bottom);
    const COLORREF grey = RGB(192, 192, 192), black = 0, white = RGB(255, 255, 255);
    const int x = (item.left + item.right) / 2, y = (item.top + item.bottom) / 2;
    const std::pair<POINT, COLORREF> pixels[] = {
        {{a.left + 1, a.top + 1}, grey},
        {{mid + Scaled(4), a.top + Scaled(30)}, black},
        {{mid + Scaled(4), a.top + Scaled(50)}, grey},
        {{x, y}, white}, // the selected style: inverse
        {{x, y - Scaled(4)}, black},
        {{item.left + Scaled(13), y - Scaled(2)}, white}, // in its head, past a 96-dpi one
        {{x, y - row}, black},                            // style 0 above: an open head
        {{x, y - row - Scaled(4)}, grey},
    };
    for (const auto& [p, color] : pixels)
        EXPECT_EQ(color, shot.At(p.x, p.y)) << p.x << "," << p.y;
}

RGBQUAD Quad(COLORREF c, RGBQUAD spare) {
    return RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), spare.rgbReserved};
}
using Row = std::vector<COLORREF>;
Row MiddleRow(const Image& shot, HWND page, HWND swatch) {
    const RECT r = RectIn(swatch, page);
    const auto line = shot.pixels.begin() + (r.top + r.bottom) / 2 * shot.width;
    return Row(line + r.left, line + r.right);
}

// The first palette edits rgbExtra on two-colour marks, else rgbMain; the second edits
// rgbMain and is hidden on primary-only marks; a colour in no swatch stays unless picked.
// Real keys on a note (its font tab first; blue and navy selected): Tab lands on a palette's
// selection, arrows walk its 2 x 8 grid, Space picks, a mnemonic lands on its new pick.
TEST(ColorPage, APickWritesOnlyItsPalettesColourBytesAndSwatchesShowSelectionAndFocus) {
    const COLORREF none = RGB(1, 2, 3), blue = RGB(0, 0, 255), navy = RGB(0, 0, 128);
    // clang-format off
    const struct { DWORD markType; int tab; COLORREF main, extra; int swatch; bool byMouse; RGBQUAD KEL_MARK_ATTRIBUTES::*edited; COLORREF picked; } cases[] = {
        {514, 0, none, 0, IDC_PRIMARY_RED, true, &KEL_MARK_ATTRIBUTES::rgbMain, RGB(255, 0, 0)},
        {10, 1, navy, blue, IDC_PRIMARY_CYAN, false, &KEL_MARK_ATTRIBUTES::rgbExtra, RGB(0, 255, 255)},
        {10, 1, 0, none, IDC_SECONDARY_NAVY, true, &KEL_MARK_ATTRIBUTES::rgbMain, navy},
    };
    const struct { WORD key, modifier; int focused; } keys[] = { // the swatch focused after it
        {VK_TAB, 0, IDC_PRIMARY_BLUE},        {VK_TAB, 0, IDC_SECONDARY_NAVY},
        {VK_TAB, VK_SHIFT, IDC_PRIMARY_BLUE}, {VK_RIGHT, 0, IDC_PRIMARY_CYAN},
        {VK_DOWN, 0, IDC_PRIMARY_PURPLE},     {VK_LEFT, 0, IDC_PRIMARY_GREEN},
        {VK_UP, 0, IDC_PRIMARY_BLUE},         {VK_UP, 0, IDC_PRIMARY_BLUE},
        {VK_RIGHT, 0, IDC_PRIMARY_CYAN},      {VK_SPACE, 0, IDC_PRIMARY_CYAN},
        {'E', VK_MENU, IDC_SECONDARY_NAVY},   {'R', VK_MENU, IDC_PRIMARY_CYAN},
    };
    // clang-format on
    Row blueRow, redRow;
    std::vector<int> bevelled;
    const int unit = Scaled(1);
    const UINT kRepaint = RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW;
    Image shot;
    for (const auto& c : cases) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES given = PatternRecord(c.markType, 0x10);
        given.rgbMain = Quad(c.main, given.rgbMain);
        given.rgbExtra = Quad(c.extra, given.rgbExtra);
        sheet.Load(given);
        EXPECT_EQ(1, sheet.Edit(c.tab, [&](ModalDriver& d, HWND& page) {
            if (!c.byMouse)
                d.Do("focus the tabs", [&] { SetFocus(PropSheet_GetTabControl(sheet.Window())); });
            for (size_t i = 0; !c.byMouse && i < std::size(keys); ++i) {
                const auto& k = keys[i];
                d.Do("key", [&k] { PressKey(k.key, k.modifier); }).Then("focus", [&page, &k] {
                    return GetFocus() == GetDlgItem(page, k.focused);
                });
                if (i == 2) // on blue; painted in a step of its own: the frame comes a tick later
                    d.Do("paint", [&] { RedrawWindow(page, 0, 0, kRepaint); })
                        .Then("capture", PageShot(page, shot))
                        .Do("read the rows", [&] {
                            blueRow = MiddleRow(shot, page, GetDlgItem(page, IDC_PRIMARY_BLUE));
                            redRow = MiddleRow(shot, page, GetDlgItem(page, IDC_PRIMARY_RED));
                            for (int first : {IDC_PRIMARY_BLACK, IDC_SECONDARY_BLACK})
                                for (int id = first; id < first + 16; ++id) {
                                    const Row row = MiddleRow(shot, page, GetDlgItem(page, id));
                                    if (row.size() > 4 * size_t(unit) &&
                                        row[2 * unit] != row[row.size() / 2])
                                        bevelled.push_back(id);
                                }
                        });
            }
            d.Do("look, pick", [&] {
                 int secondaryShown = IsWindowVisible(GetDlgItem(page, IDC_SECONDARY_GROUP));
                 for (int id = IDC_SECONDARY_BLACK; id <= IDC_SECONDARY_YELLOW; ++id)
                     secondaryShown += IsWindowVisible(GetDlgItem(page, id));
                 EXPECT_EQ(c.markType == 10 ? 17 : 0, secondaryShown) << c.swatch;
                 if (c.byMouse) { // a real press and release in its middle
                     const RECT r = RectIn(GetDlgItem(page, c.swatch), nullptr);
                     SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
                     mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
                     mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
                 }
             }).Then("picked", [&] {
                return GetFocus() == GetDlgItem(page, c.swatch) &&
                       !(SendMessageA(GetFocus(), BM_GETSTATE, 0, 0) & BST_PUSHED);
            });
        }));
        KEL_MARK_ATTRIBUTES out = sheet.Queried(given), expected = given;
        expected.*c.edited = Quad(c.picked, given.*c.edited); // the spare byte stays
        expected.lfFont = out.lfFont; // text marks' font page writes its font back
        EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(expected, out)) << c.swatch;
    }
    const COLORREF face = GetSysColor(COLOR_BTNFACE), frame = GetSysColor(COLOR_WINDOWFRAME),
                   light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW),
                   red = RGB(255, 0, 0), white = RGB(255, 255, 255);
    ASSERT_GE(blueRow.size(), 12 * size_t(unit)); // six rings a side
    ASSERT_EQ(blueRow.size(), redRow.size());
    // A middle row of n pixels: the fill inside rings unit pixels wide, outermost first.
    const auto framed = [unit](size_t n, const Row& left, COLORREF fill, const Row& right) {
        Row row(n, fill);
        for (size_t i = 0; i < left.size() * unit; ++i)
            row[i] = left[i / unit];
        for (size_t i = 0; i < right.size() * unit; ++i)
            row[n - 1 - i] = right[i / unit];
        return row;
    };
    EXPECT_EQ(framed(blueRow.size(), {frame, frame, light, light, blue, white}, blue,
                     {frame, frame, shadow, shadow, blue, white}),
              blueRow);
    EXPECT_EQ(framed(redRow.size(), {face, frame}, red, {face, frame}), redRow);
    EXPECT_EQ((std::vector<int>{IDC_PRIMARY_BLUE, IDC_SECONDARY_NAVY}), bevelled);
}

// Under a dark scheme the arrow sample and list take the window colours (the selected
// style the highlight ones), and a swatch's frame stands out from the dark face.
TEST(DrawnPages, ArrowsAndSwatchFramesFollowADarkScheme) {
    const DarkScheme dark; // the colours come back when it goes
    Sheet sheet;
    sheet.Load(PatternRecord(KEL_MARK_ARROW, 0x30, 2), // arrow style 1, size 40
               {{"OiAnoDat", {1, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}}});
    Image shot;
    Row seen;
    EXPECT_EQ(1, sheet.Edit(1, [&](ModalDriver& d, HWND& p) {
        d.Then("capture", PageShot(p, shot)).Do("navy's frame", [&] {
            seen = MiddleRow(shot, p, GetDlgItem(p, IDC_PRIMARY_NAVY));
            seen.resize(3);
            SelectTab(sheet.Window(), 2);
        });
        d.Then("arrow page", WaitForPage(sheet.Window(), 2, p))
            .Then("capture", PageShot(p, shot))
            .Do("arrows", [&] {
                const RECT a = RectIn(GetDlgItem(p, IDC_ARROW_SAMPLE), p), item = StyleItem(p, 1);
                const int x = (item.left + item.right) / 2, y = (item.top + item.bottom) / 2;
                seen.insert(seen.end(), {shot.At(a.left + 1, a.top + 1),
                                         shot.At((a.left + a.right) / 2 + 4, a.top + 30),
                                         shot.At(x, y - 4), shot.At(x, y)});
            });
    }));
    const auto sys = [](int i) { return GetSysColor(i); };
    EXPECT_EQ((Row{sys(COLOR_BTNFACE), sys(COLOR_BTNTEXT), RGB(0, 0, 128), sys(COLOR_WINDOW),
                   sys(COLOR_WINDOWTEXT), sys(COLOR_HIGHLIGHT), sys(COLOR_HIGHLIGHTTEXT)}),
              seen);
}

int CALLBACK CollectFace(const LOGFONTA* lf, const TEXTMETRICA*, DWORD type, LPARAM faces) {
    reinterpret_cast<std::set<std::string>*>(faces)[type & TRUETYPE_FONTTYPE ? 0 : 1].insert(
        lf->lfFaceName);
    return 1;
}

// At 96 dpi; heights are cut to 16 bits; a face name without a zero byte (null
// here) matches no entry.
TEST(FontPage, ShowsTheLoadedFontAndGivesItBack) {
    // clang-format off
    const struct { LONG height, weight; BYTE italic, underline; const char* face; std::string shown, pick, type, back; } cases[] = {
        {0x1FFF0, 600, 0, 7, "Tahoma", "", "", "", "-16|600|7"}, // never shown
        {-16, 400, 0, 0, "Tahoma", "12 listed|Normal", "", "", "-16|400|0"},
        {0, 600, 1, 7, "Tahoma", "0 typed|Bold Italic", "", "", "0|700|1"},
        {30, 300, 0, 0, "Tahoma", "19 typed|Normal", "", "", "30|400|0"},
        {20, 300, 1, 0, "Tahoma", "12 listed|Italic", "20", "", "-27|400|0"},
        {-16, 700, 0, 0, "Tahoma", "12 listed|Bold", "", "9", "-12|700|0"},
        {-16, 600, 0, 0, nullptr, "12 listed|Bold", "", "", "-16|600|0"},
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
        if (!c.shown.empty())
            sheet.OnPage(0, [&](HWND page) {
                HWND size = GetDlgItem(page, IDC_FONT_SIZE);
                const bool listed = SendMessageA(size, CB_GETCURSEL, 0, 0) >= 0;
                EXPECT_EQ(c.shown, Text(size) + (listed ? " listed|" : " typed|") +
                                       ItemText(page, IDC_FONT_STYLE)); // the list's selection
                if (!c.pick.empty() &&
                    SendMessageA(size, CB_SELECTSTRING, WPARAM(-1), LPARAM(c.pick.c_str())) >= 0)
                    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_FONT_SIZE, CBN_SELCHANGE), 0);
                if (!c.type.empty())
                    TypeText(GetWindow(size, GW_CHILD), c.type);
            });
        LOGFONTA back = sheet.Queried(PatternRecord(7, 0x50)).lfFont;
        EXPECT_EQ(c.back, std::to_string(back.lfHeight) + "|" + std::to_string(back.lfWeight) +
                              "|" + std::to_string(back.lfUnderline));
        // All else as loaded, but character set and pitch, which the list's entry gives.
        back.lfHeight = lf.lfHeight, back.lfWeight = lf.lfWeight, back.lfUnderline = lf.lfUnderline;
        back.lfCharSet = lf.lfCharSet, back.lfPitchAndFamily = lf.lfPitchAndFamily;
        EXPECT_EQ(0, memcmp(&lf, &back, sizeof lf)) << c.shown;
    }
}

// The page keeps a LOGFONTA per listed face: a showing frees the last one's.
TEST(FontPage, ListsEachTrueTypeFaceOnceAndShowingsKeepNoneBehind) {
    std::set<std::string> faces[2]; // TrueType and other faces
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesA(screen, nullptr, CollectFace, LPARAM(faces));
    ReleaseDC(nullptr, screen);
    Sheet sheet;
    sheet.Load(PatternRecord(7, 0x30));
    Strings listed;
    size_t before = 0;
    for (int i = 0; i < 10; ++i, before = i == 2 ? HeapBytesInUse() : before) // 2 to warm up
        sheet.OnPage(0, [&](HWND page) {
            HWND list = GetDlgItem(page, IDC_FONT_FACES);
            listed.clear();
            for (LRESULT e = 0, n = SendMessageA(list, LB_GETCOUNT, 0, 0); e < n; ++e) {
                char face[LF_FACESIZE] = "";
                SendMessageA(list, LB_GETTEXT, WPARAM(e), LPARAM(face));
                listed.push_back(face);
            }
        });
    EXPECT_LT(HeapBytesInUse(), before + listed.size() * sizeof(LOGFONTA));
    EXPECT_FALSE(faces[1].empty());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(Strings(faces[0].begin(), faces[0].end()), listed);
}

} // namespace
} // namespace sheet_test
