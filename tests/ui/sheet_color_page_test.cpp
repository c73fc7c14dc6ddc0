// The colour page in a running sheet: swatches picked by mouse and keyboard
// as they are pressed, each palette editing its own record colour, and the
// swatches' pixels as the screen shows them.
#include "sheet_fixture.h"
#include "support/screenshot.h"

namespace sheet_test {
namespace {

constexpr int kPrimaryBlue = 1044, kPrimaryRed = 1056, kPrimaryYellow = 1058;
constexpr int kSecondaryGroup = 1016, kSecondaryBlack = 1123, kSecondaryNavy = 1126;

void SetRgb(RGBQUAD& q, BYTE red, BYTE green, BYTE blue) {
    q = RGBQUAD{blue, green, red, q.rgbReserved};
}
// A real mouse press and release in the middle of a window.
void ClickWithMouse(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

bool Pushed(HWND button) {
    return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

// The middle row of a swatch as the screen shows it, a tick after painting.
std::vector<COLORREF> MiddleRow(HWND swatch) {
    RECT r;
    GetWindowRect(swatch, &r);
    Image image = CaptureScreen(r);
    std::vector<COLORREF> row;
    for (int x = 0; x < image.width; ++x)
        row.push_back(image.At(x, image.height / 2));
    return row;
}

// A swatch picks as the mouse button or the space bar goes down, and writes
// only its palette's colour: the first palette edits rgbExtra on two-colour
// marks (attach-a-note), rgbMain otherwise; the second edits rgbMain and is
// hidden on primary-only marks.
TEST(ColorPage, APickWritesOnlyItsPalettesColourBytes) {
    const struct {
        DWORD markType;
        int tab; // text marks have their font tab first
        int swatch;
        bool byMouse, secondaryShown;
        RGBQUAD KEL_MARK_ATTRIBUTES::*edited;
        COLORREF picked;
    } cases[] = {
        {514, 0, kPrimaryRed, true, false, &KEL_MARK_ATTRIBUTES::rgbMain, RGB(255, 0, 0)},
        {10, 1, kPrimaryYellow, false, true, &KEL_MARK_ATTRIBUTES::rgbExtra, RGB(255, 255, 0)},
        {10, 1, kSecondaryNavy, true, true, &KEL_MARK_ATTRIBUTES::rgbMain, RGB(0, 0, 128)},
    };
    for (const auto& c : cases) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES given = PatternRecord(c.markType, 0x10);
        SetRgb(given.rgbMain, 0, 0, 0);
        SetRgb(given.rgbExtra, 0, 0, 0);
        ASSERT_EQ(1, sheet.Init(1, &given));
        HWND swatch = nullptr;
        int secondaryShown = -1;
        EXPECT_EQ(1, sheet.Edit(c.tab, [&](ModalDriver& d, HWND& page) {
            d.Do("look, pick", [&] {
                 secondaryShown = IsWindowVisible(GetDlgItem(page, kSecondaryGroup));
                 for (int id = kSecondaryBlack; id < kSecondaryBlack + 16; ++id)
                     secondaryShown += IsWindowVisible(GetDlgItem(page, id));
                 swatch = GetDlgItem(page, c.swatch);
                 if (c.byMouse)
                     return ClickWithMouse(swatch);
                 SetFocus(swatch);
                 PostMessageA(swatch, WM_KEYDOWN, VK_SPACE, 1);
             }).Then("picked", [&] {
                return c.byMouse ? GetFocus() == swatch && !Pushed(swatch) : Pushed(swatch);
            });
        }));
        EXPECT_EQ(c.secondaryShown ? 17 : 0, secondaryShown) << c.swatch;
        KEL_MARK_ATTRIBUTES out = given, expected = given;
        SetRgb(expected.*c.edited, GetRValue(c.picked), GetGValue(c.picked), GetBValue(c.picked));
        ASSERT_EQ(1, sheet.Query(1, &out));
        expected.lfFont = out.lfFont; // text marks' font page writes its font back
        EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(expected, out)) << c.swatch;
    }
}

// Two-colour mark, rgbExtra blue, rgbMain in no swatch: only blue is selected
// (double raised bevel around the fill) and, focused, framed 2 pixels dark;
// red is neither (face ring, 1-pixel dark frame, fill from ring 2). OK
// without a pick gives both colours back unchanged.
TEST(ColorPage, SwatchPixelsShowSelectionAndFocusOnly) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(10, 0x50);
    SetRgb(given.rgbExtra, 0, 0, 255);
    SetRgb(given.rgbMain, 1, 2, 3);
    ASSERT_EQ(1, sheet.Init(1, &given));
    std::vector<COLORREF> blue, red;
    int bevelled = 0;
    EXPECT_EQ(1, sheet.Edit(1, [&](ModalDriver& d, HWND& page) {
        d.Do("focus blue", [&] { SetFocus(GetDlgItem(page, kPrimaryBlue)); })
            .Do("paint",
                [&] {
                    RedrawWindow(page, nullptr, nullptr,
                                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                })
            .Do("capture", [&] {
                blue = MiddleRow(GetDlgItem(page, kPrimaryBlue));
                red = MiddleRow(GetDlgItem(page, kPrimaryRed));
                for (int first : {1043, kSecondaryBlack})
                    for (int id = first; id < first + 16; ++id) {
                        std::vector<COLORREF> row = MiddleRow(GetDlgItem(page, id));
                        bevelled += row.size() > 4 && row[2] != row[row.size() / 2];
                    }
            });
    }));
    const COLORREF face = GetSysColor(COLOR_BTNFACE), frame = GetSysColor(COLOR_WINDOWFRAME),
                   light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW),
                   blueFill = RGB(0, 0, 255), redFill = RGB(255, 0, 0);
    ASSERT_GE(blue.size(), 12u);
    ASSERT_EQ(blue.size(), red.size());
    using Row = std::vector<COLORREF>;
    EXPECT_EQ((Row{frame, frame, light, light, blueFill}), Row(blue.begin(), blue.begin() + 5));
    EXPECT_EQ((Row{blueFill, shadow, shadow, frame, frame}), Row(blue.end() - 5, blue.end()));
    EXPECT_EQ((Row{face, frame, redFill}), Row(red.begin(), red.begin() + 3));
    EXPECT_EQ((Row{redFill, frame, face}), Row(red.end() - 3, red.end()));
    EXPECT_EQ(blueFill, blue[blue.size() / 2]);
    EXPECT_EQ(1, bevelled) << "blue only";
    KEL_MARK_ATTRIBUTES out = PatternRecord(10, 0x70), expected = out;
    SetRgb(expected.rgbMain, 1, 2, 3); // the spare bytes stay the caller's
    SetRgb(expected.rgbExtra, 0, 0, 255);
    ASSERT_EQ(1, sheet.Query(1, &out));
    expected.lfFont = out.lfFont; // the font page's own
    EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(expected, out));
}

} // namespace
} // namespace sheet_test
