// The colour page: swatches pick as pressed, each palette edits its own colour; swatch pixels.
#include "sheet_fixture.h"
#include "support/screenshot.h"

namespace sheet_test {
namespace {

// The colour as the record holds it, the spare byte kept.
RGBQUAD Quad(COLORREF c, RGBQUAD spare) {
    return RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), spare.rgbReserved};
}
// A real mouse press and release in the middle of a window.
void ClickWithMouse(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT input[2] = {{INPUT_MOUSE, {}}, {INPUT_MOUSE, {}}};
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
    const Image image = CaptureScreen(r);
    std::vector<COLORREF> row;
    for (int x = 0; x < image.width; ++x)
        row.push_back(image.At(x, image.height / 2));
    return row;
}

// The first palette edits rgbExtra on two-colour marks, else rgbMain; the second
// edits rgbMain and is hidden on primary-only marks.
TEST(ColorPage, APickWritesOnlyItsPalettesColourBytes) {
    const struct {
        DWORD markType;
        int tab; // text marks have their font tab first
        int swatch;
        bool byMouse, secondaryShown;
        RGBQUAD KEL_MARK_ATTRIBUTES::*edited;
        COLORREF picked;
    } cases[] = {
        {514, 0, IDC_PRIMARY_RED, true, false, &KEL_MARK_ATTRIBUTES::rgbMain, RGB(255, 0, 0)},
        {10, 1, IDC_PRIMARY_YELLOW, false, true, &KEL_MARK_ATTRIBUTES::rgbExtra, RGB(255, 255, 0)},
        {10, 1, IDC_SECONDARY_NAVY, true, true, &KEL_MARK_ATTRIBUTES::rgbMain, RGB(0, 0, 128)},
    };
    for (const auto& c : cases) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES given = PatternRecord(c.markType, 0x10);
        given.rgbMain = Quad(RGB(1, 2, 3), given.rgbMain); // in no swatch: kept unless picked
        given.rgbExtra = Quad(0, given.rgbExtra);
        sheet.Load(given);
        HWND swatch = nullptr;
        int secondaryShown = -1;
        EXPECT_EQ(1, sheet.Edit(c.tab, [&](ModalDriver& d, HWND& page) {
            d.Do("look, pick", [&] {
                 secondaryShown = IsWindowVisible(GetDlgItem(page, IDC_SECONDARY_GROUP));
                 for (int id = IDC_SECONDARY_BLACK; id <= IDC_SECONDARY_YELLOW; ++id)
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
        KEL_MARK_ATTRIBUTES out = sheet.Queried(given), expected = given;
        expected.*c.edited = Quad(c.picked, given.*c.edited);
        expected.lfFont = out.lfFont; // text marks' font page writes its font back
        EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(expected, out)) << c.swatch;
    }
}

// Only the selected swatches have a raised bevel: primary blue and, found from the
// secondary end, secondary navy; focused, blue has a 2-pixel dark frame, red a face
// ring and a 1-pixel frame.
TEST(ColorPage, SwatchPixelsShowSelectionAndFocusOnly) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(10, 0x50);
    given.rgbExtra = Quad(RGB(0, 0, 255), given.rgbExtra);
    given.rgbMain = Quad(RGB(0, 0, 128), given.rgbMain);
    sheet.Load(given);
    std::vector<COLORREF> blue, red;
    std::vector<int> bevelled;
    EXPECT_EQ(1, sheet.Edit(1, [&](ModalDriver& d, HWND& page) {
        // Focus and paint in steps of their own: the focus frame is drawn a tick later.
        d.Do("focus blue", [&] { SetFocus(GetDlgItem(page, IDC_PRIMARY_BLUE)); })
            .Do("paint",
                [&] {
                    RedrawWindow(page, nullptr, nullptr,
                                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                })
            .Do("capture", [&] {
                blue = MiddleRow(GetDlgItem(page, IDC_PRIMARY_BLUE));
                red = MiddleRow(GetDlgItem(page, IDC_PRIMARY_RED));
                for (int first : {IDC_PRIMARY_BLACK, IDC_SECONDARY_BLACK})
                    for (int id = first; id < first + 16; ++id) {
                        const std::vector<COLORREF> row = MiddleRow(GetDlgItem(page, id));
                        if (row.size() > 4 && row[2] != row[row.size() / 2])
                            bevelled.push_back(id);
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
    EXPECT_EQ((std::vector<int>{IDC_PRIMARY_BLUE, IDC_SECONDARY_NAVY}), bevelled);
    KEL_MARK_ATTRIBUTES expected = PatternRecord(10, 0x70);
    expected.rgbMain = Quad(RGB(0, 0, 128), expected.rgbMain); // spare bytes stay the caller's
    expected.rgbExtra = Quad(RGB(0, 0, 255), expected.rgbExtra);
    const KEL_MARK_ATTRIBUTES out = sheet.Queried(PatternRecord(10, 0x70));
    expected.lfFont = out.lfFont; // the font page's own
    EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(expected, out)) << "no pick, no change";
}

} // namespace
} // namespace sheet_test
