// The colour page in a running sheet: picking swatches by mouse and keyboard,
// the two palettes of two-colour marks, and the swatches' pixels on screen.
#include "sheet_fixture.h"
#include "support/screenshot.h"

namespace sheet_test {
namespace {

constexpr int kPrimaryGroup = 1013;
constexpr int kSecondaryGroup = 1016;
constexpr int kPrimaryBlue = 1044;
constexpr int kPrimaryGreen = 1048;
constexpr int kPrimaryRed = 1056;
constexpr int kPrimaryYellow = 1058;
constexpr int kSecondaryBlack = 1123;
constexpr int kSecondaryNavy = 1126;
constexpr int kSecondaryYellow = 1138;

struct Rgb {
    BYTE red, green, blue;
    bool operator==(const Rgb& o) const {
        return red == o.red && green == o.green && blue == o.blue;
    }
};
std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << "rgb(" << int(c.red) << "," << int(c.green) << "," << int(c.blue) << ")";
}
Rgb RgbOf(const RGBQUAD& q) {
    return Rgb{q.rgbRed, q.rgbGreen, q.rgbBlue};
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

// The space bar pushed down (not released) on a focused swatch.
void PressSpaceOn(HWND swatch) {
    SetFocus(swatch);
    PostMessageA(swatch, WM_KEYDOWN, VK_SPACE, 1);
}

bool Pushed(HWND button) {
    return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

// Opens the colour page of a one-page sheet, runs the actions on it, presses OK.
BOOL RunColorPage(Sheet& sheet, std::function<void(ModalDriver&, HWND&)> actions) {
    ModalDriver driver;
    HWND window = nullptr;
    static HWND page;
    page = nullptr;
    driver.Then("find the sheet", WaitForSheet(window))
        .Then("colour page", WaitForPage(window, CurrentTab(window) < 0 ? 0 : 0, page));
    actions(driver, page);
    driver.Do("OK", [&] { PressOk(window); });
    const BOOL result = sheet.Show(driver);
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    return result;
}

TEST(ColorPage, MousePicksOnPressAndOnlyTheBytesOfTheColourChange) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(514, 0x10);
    SetColor(given.rgbMain, 0, 0, 0);
    given.rgbMain.rgbReserved = 0x5A;
    ASSERT_EQ(1, sheet.Init(1, &given));
    EXPECT_EQ(1, RunColorPage(sheet, [](ModalDriver& d, HWND& page) {
                  d.Do("click red", [&] {
                       ClickWithMouse(GetDlgItem(page, kPrimaryRed));
                   }).Then("red released", [&] {
                      return GetFocus() == GetDlgItem(page, kPrimaryRed) &&
                             !Pushed(GetDlgItem(page, kPrimaryRed));
                  });
              }));
    KEL_MARK_ATTRIBUTES out = given;
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ((Rgb{255, 0, 0}), RgbOf(out.rgbMain));
    EXPECT_EQ(0x5A, out.rgbMain.rgbReserved);
    std::vector<size_t> changed = DifferingBytes(given, out);
    EXPECT_EQ((std::vector<size_t>{22}), changed) << "only the red byte goes from 0 to 255";
}

TEST(ColorPage, KeyboardPicksAsSoonAsTheKeyGoesDown) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(3, 0x20);
    given.nLineSize = 3;
    SetColor(given.rgbMain, 255, 255, 0);
    ASSERT_EQ(1, sheet.Init(1, &given));
    ModalDriver driver;
    HWND window = nullptr, page = nullptr;
    driver.Then("find the sheet", WaitForSheet(window))
        .Do("colour tab", [&] { SelectTab(window, 1); })
        .Then("colour page", WaitForPage(window, 1, page))
        .Do("space down on blue", [&] { PressSpaceOn(GetDlgItem(page, kPrimaryBlue)); })
        .Then("blue pushed", [&] { return Pushed(GetDlgItem(page, kPrimaryBlue)); })
        .Do("OK", [&] { PressOk(window); });
    EXPECT_EQ(1, sheet.Show(driver));
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    KEL_MARK_ATTRIBUTES out = given;
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ((Rgb{0, 0, 255}), RgbOf(out.rgbMain));
}

TEST(ColorPage, PrimaryOnlyHidesTheSecondaryPalette) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(508, 0x30);
    ASSERT_EQ(1, sheet.Init(1, &given));
    std::string primaryText;
    int visibleSecondary = -1;
    RunColorPage(sheet, [&](ModalDriver& d, HWND& page) {
        d.Do("look", [&] {
            primaryText = ItemText(page, kPrimaryGroup);
            visibleSecondary = 0;
            for (int id = kSecondaryGroup; id <= kSecondaryYellow; ++id)
                if ((id == kSecondaryGroup || id >= kSecondaryBlack) &&
                    IsWindowVisible(GetDlgItem(page, id)))
                    ++visibleSecondary;
        });
    });
    EXPECT_EQ("P&rimary Color:", primaryText);
    EXPECT_EQ(0, visibleSecondary);
}

// Attach-a-note: the first palette edits rgbExtra, the second rgbMain, and a
// press in one palette leaves the other alone.
TEST(ColorPage, TwoColourMarkEditsEachColourInItsOwnPalette) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(10, 0x40);
    SetColor(given.rgbMain, 255, 255, 0); // secondary palette: yellow
    SetColor(given.rgbExtra, 0, 0, 0);    // primary palette: black
    ASSERT_EQ(1, sheet.Init(1, &given));
    std::string secondaryText;
    bool secondaryShown = false;
    RunColorPage(sheet, [&](ModalDriver& d, HWND& page) {
        d.Do("look",
             [&] {
                 secondaryText = ItemText(page, kSecondaryGroup);
                 secondaryShown = IsWindowVisible(GetDlgItem(page, kSecondaryNavy)) != FALSE;
             })
            .Do("primary: space on yellow", [&] { PressSpaceOn(GetDlgItem(page, kPrimaryYellow)); })
            .Then("pushed", [&] { return Pushed(GetDlgItem(page, kPrimaryYellow)); });
    });
    EXPECT_EQ("S&econdary Color:", secondaryText);
    EXPECT_TRUE(secondaryShown);
    KEL_MARK_ATTRIBUTES out = given;
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ((Rgb{255, 255, 0}), RgbOf(out.rgbExtra)) << "primary palette to rgbExtra";
    EXPECT_EQ((Rgb{255, 255, 0}), RgbOf(out.rgbMain)) << "secondary palette untouched";

    RunColorPage(sheet, [&](ModalDriver& d, HWND& page) {
        d.Do("secondary: click navy", [&] {
             ClickWithMouse(GetDlgItem(page, kSecondaryNavy));
         }).Then("released", [&] {
            return GetFocus() == GetDlgItem(page, kSecondaryNavy) &&
                   !Pushed(GetDlgItem(page, kSecondaryNavy));
        });
    });
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ((Rgb{0, 0, 128}), RgbOf(out.rgbMain)) << "secondary palette to rgbMain";
    EXPECT_EQ((Rgb{255, 255, 0}), RgbOf(out.rgbExtra)) << "the first showing's pick stays";
}

void RepaintNow(HWND page) {
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Pixels of one swatch, relative to its window, as COLORREF values.
struct SwatchPixels {
    int width = 0, height = 0;
    std::vector<COLORREF> row; // middle row
    COLORREF corner = 0, innerCorner = 0;
};

// Reads what the screen shows; the swatches were painted a tick before, so
// that Wine has put the window's pixels on the screen.
SwatchPixels Capture(HWND swatch) {
    RECT rect;
    GetWindowRect(swatch, &rect);
    Image image = CaptureScreen(rect);
    SwatchPixels p;
    p.width = image.width;
    p.height = image.height;
    for (int x = 0; x < image.width; ++x)
        p.row.push_back(image.At(x, image.height / 2));
    if (!image.Empty()) {
        p.corner = image.At(0, 0);
        p.innerCorner = image.At(1, 1);
    }
    return p;
}

TEST(ColorPage, SwatchesAreDrawnWithBevelFillAndFocusFrame) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(507, 0x50);
    SetColor(given.rgbMain, 0, 128, 0); // green: swatch 1048 is selected
    ASSERT_EQ(1, sheet.Init(1, &given));
    SwatchPixels selected, plain;
    RunColorPage(sheet, [&](ModalDriver& d, HWND& page) {
        d.Do("focus green", [&] { SetFocus(GetDlgItem(page, kPrimaryGreen)); })
            .Do("paint", [&] { RepaintNow(page); })
            .Do("capture", [&] {
                selected = Capture(GetDlgItem(page, kPrimaryGreen));
                plain = Capture(GetDlgItem(page, kPrimaryBlue));
            });
    });
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    ASSERT_GE(selected.width, 12);
    ASSERT_GE(plain.width, 12);
    const int w = selected.width;
    // Selected and focused: 2-pixel dark frame, double raised bevel, fill.
    EXPECT_EQ(face, selected.corner);
    EXPECT_EQ(frame, selected.row[0]);
    EXPECT_EQ(frame, selected.row[1]);
    EXPECT_EQ(light, selected.row[2]);
    EXPECT_EQ(light, selected.row[3]);
    EXPECT_EQ(RGB(0, 128, 0), selected.row[4]);
    EXPECT_EQ(RGB(0, 128, 0), selected.row[w / 2]);
    EXPECT_EQ(shadow, selected.row[w - 4]);
    EXPECT_EQ(shadow, selected.row[w - 3]);
    EXPECT_EQ(frame, selected.row[w - 2]);
    EXPECT_EQ(frame, selected.row[w - 1]);
    // Neither: face ring, 1-pixel dark frame without corners, fill from ring 2.
    const int pw = plain.width;
    EXPECT_EQ(face, plain.row[0]);
    EXPECT_EQ(frame, plain.row[1]);
    EXPECT_EQ(face, plain.innerCorner);
    EXPECT_EQ(RGB(0, 0, 255), plain.row[2]);
    EXPECT_EQ(RGB(0, 0, 255), plain.row[pw / 2]);
    EXPECT_EQ(RGB(0, 0, 255), plain.row[pw - 3]);
    EXPECT_EQ(frame, plain.row[pw - 2]);
    EXPECT_EQ(face, plain.row[pw - 1]);
}

// A colour none of the swatches has: no swatch shows a bevel, and OK without
// a pick gives the colour back unchanged.
TEST(ColorPage, ColourOutsideThePaletteSurvivesAShowing) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(10, 0x60);
    SetColor(given.rgbMain, 1, 2, 3);
    SetColor(given.rgbExtra, 250, 128, 7);
    ASSERT_EQ(1, sheet.Init(1, &given));
    int bevelled = 0;
    RunColorPage(sheet, [&](ModalDriver& d, HWND& page) {
        d.Do("paint", [&] { RepaintNow(page); }).Do("capture every swatch", [&] {
            for (int id : {1043, 1044, 1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1053,
                           1054, 1055, 1056, 1057, 1058, 1123, 1124, 1125, 1126, 1127, 1128,
                           1129, 1130, 1131, 1132, 1133, 1134, 1135, 1136, 1137, 1138}) {
                SwatchPixels p = Capture(GetDlgItem(page, id));
                if (!p.row.empty() && p.row[2] != p.row[p.width / 2])
                    ++bevelled;
            }
        });
    });
    EXPECT_EQ(0, bevelled);
    KEL_MARK_ATTRIBUTES out = PatternRecord(10, 0x70);
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ((Rgb{1, 2, 3}), RgbOf(out.rgbMain));
    EXPECT_EQ((Rgb{250, 128, 7}), RgbOf(out.rgbExtra));
}

// Byte order on the way in: blue bytes FF 00 00 select the blue swatch.
TEST(ColorPage, LoadedBytesSelectTheSwatchOfTheirColour) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(514, 0x70);
    const BYTE blue[4] = {0xFF, 0x00, 0x00, 0x99};
    std::memcpy(&given.rgbMain, blue, 4);
    ASSERT_EQ(1, sheet.Init(1, &given));
    SwatchPixels blueSwatch, redSwatch;
    RunColorPage(sheet, [&](ModalDriver& d, HWND& page) {
        d.Do("paint", [&] { RepaintNow(page); }).Do("capture", [&] {
            blueSwatch = Capture(GetDlgItem(page, kPrimaryBlue));
            redSwatch = Capture(GetDlgItem(page, kPrimaryRed));
        });
    });
    ASSERT_FALSE(blueSwatch.row.empty());
    ASSERT_FALSE(redSwatch.row.empty());
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), blueSwatch.row[2]) << "blue has the bevel";
    EXPECT_EQ(RGB(255, 0, 0), redSwatch.row[2]) << "red has none";
}

} // namespace
} // namespace sheet_test
