// The font page in a running sheet: what a loaded font shows, what comes back
// after a showing or a size change, the typeface list, and no GDI growth.
#include "sheet_fixture.h"
#include "support/gdi_slots.h"

#include <set>

namespace sheet_test {
namespace {

constexpr int kFaces = 1015, kStyle = 1022, kSize = 1019;

std::string ListText(HWND list, UINT getText, int index) {
    char text[256] = {};
    if (index >= 0)
        SendMessageA(list, getText, index, reinterpret_cast<LPARAM>(text));
    return text;
}

int CALLBACK CollectFace(const LOGFONTA* lf, const TEXTMETRICA*, DWORD type, LPARAM faces) {
    auto* sets = reinterpret_cast<std::set<std::string>*>(faces);
    sets[(type & TRUETYPE_FONTTYPE) ? 0 : 1].insert(lf->lfFaceName);
    return 1;
}

// A showing of the font page: its controls as loaded, then an edit of the
// size (picked from the list, typed, or none), then OK.
struct Shown {
    std::string sizeText, sizeEntry, style;
};

// Height -16 is 12 points here (96 dpi); 0x1FFF0 is cut to its 16-bit -16.
TEST(FontPage, ShowsTheLoadedFontAndGivesItBack) {
    const char kFace[] = "Tahoma";
    const struct {
        LONG height, weight;
        BYTE italic, underline;
        bool show;
        std::string pick, type; // a size picked or typed
        Shown shown;
        LONG heightBack, weightBack;
        BYTE underlineBack;
    } cases[] = {
        {0x1FFF0, 600, 0, 7, false, "", "", {}, -16, 600, 7},
        {-16, 400, 0, 0, true, "", "", {"12", "12", "Normal"}, -16, 400, 0},
        {0, 600, 1, 7, true, "", "", {"0", "", "Bold Italic"}, 0, 700, 1},
        {30, 300, 0, 0, true, "", "", {"19", "", "Normal"}, 30, 400, 0},
        {20, 300, 1, 0, true, "20", "", {"12", "12", "Italic"}, -27, 400, 0},
        {-16, 700, 0, 0, true, "", "9", {"12", "12", "Bold"}, -12, 700, 0},
    };
    for (const auto& c : cases) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES given = PatternRecord(7, 0x30);
        LOGFONTA& lf = given.lfFont;
        lf.lfHeight = c.height;
        lf.lfWeight = c.weight;
        lf.lfItalic = c.italic;
        lf.lfUnderline = c.underline;
        lf.lfStrikeOut = 0;
        lstrcpynA(lf.lfFaceName, kFace, LF_FACESIZE);
        ASSERT_EQ(1, sheet.Init(1, &given));
        Shown shown;
        HWND page = nullptr;
        if (c.show) {
            EXPECT_EQ(1, sheet.Run([&](ModalDriver& d) {
                d.Then("font page", WaitForPage(sheet.Window(), 0, page)).Do("read, edit, OK", [&] {
                    HWND size = GetDlgItem(page, kSize), style = GetDlgItem(page, kStyle);
                    const int entry = static_cast<int>(SendMessageA(size, CB_GETCURSEL, 0, 0));
                    shown = {Text(size), ListText(size, CB_GETLBTEXT, entry),
                             ListText(style, CB_GETLBTEXT,
                                      static_cast<int>(SendMessageA(style, CB_GETCURSEL, 0, 0)))};
                    if (!c.pick.empty()) {
                        SendMessageA(size, CB_SELECTSTRING, -1, LPARAM(c.pick.c_str()));
                        SendMessageA(page, WM_COMMAND, MAKEWPARAM(kSize, CBN_SELCHANGE),
                                     LPARAM(size));
                    }
                    if (!c.type.empty())
                        TypeText(GetWindow(size, GW_CHILD), c.type);
                    PressOk(sheet.Window());
                });
            }));
        }
        EXPECT_EQ(c.shown.sizeText, shown.sizeText) << c.height;
        EXPECT_EQ(c.shown.sizeEntry, shown.sizeEntry) << c.height;
        EXPECT_EQ(c.shown.style, shown.style) << c.height;
        KEL_MARK_ATTRIBUTES out = PatternRecord(7, 0x50);
        ASSERT_EQ(1, sheet.Query(1, &out));
        LOGFONTA expected = lf;
        expected.lfHeight = c.heightBack;
        expected.lfWeight = c.weightBack;
        expected.lfItalic = c.italic;
        expected.lfUnderline = c.underlineBack;
        if (c.show) { // the list's entry gives these
            expected.lfCharSet = out.lfFont.lfCharSet;
            expected.lfPitchAndFamily = out.lfFont.lfPitchAndFamily;
        }
        EXPECT_EQ(0, memcmp(&expected, &out.lfFont, sizeof expected))
            << c.height << " " << c.weight;
    }
}

// The list holds each TrueType family once and nothing else; the face name of
// the record, not zero-terminated, is matched and given back within its bytes.
TEST(FontPage, ListsEachTrueTypeFaceOnceAndNoOther) {
    std::set<std::string> faces[2]; // TrueType, others
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesA(screen, nullptr, CollectFace, reinterpret_cast<LPARAM>(faces));
    ReleaseDC(nullptr, screen);
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(9, 0x40);
    memset(given.lfFont.lfFaceName, 'T', LF_FACESIZE);
    given.lfFont.lfHeight = -16;
    given.lfFont.lfUnderline = 0;
    given.lfFont.lfStrikeOut = 1;
    ASSERT_EQ(1, sheet.Init(1, &given));
    std::vector<std::string> listed;
    int selection = 0;
    HWND page = nullptr;
    sheet.Run([&](ModalDriver& d) {
        d.Then("font page", WaitForPage(sheet.Window(), 0, page)).Do("read the list", [&] {
            HWND list = GetDlgItem(page, kFaces);
            for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i)
                listed.push_back(ListText(list, LB_GETTEXT, i));
            selection = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
            PressOk(sheet.Window());
        });
    });
    EXPECT_FALSE(faces[1].empty()) << "some face is not TrueType";
    EXPECT_EQ(faces[0], std::set<std::string>(listed.begin(), listed.end()));
    EXPECT_EQ(faces[0].size(), listed.size());
    EXPECT_EQ(LB_ERR, selection);
    KEL_MARK_ATTRIBUTES out = PatternRecord(9, 0x60);
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ(0, memcmp(&given.lfFont, &out.lfFont, sizeof out.lfFont));
}

TEST(FontPage, NoGdiGrowthOverTwoHundredOpenings) {
    KEL_MARK_ATTRIBUTES given = PatternRecord(7, 0x70);
    lstrcpynA(given.lfFont.lfFaceName, "Tahoma", LF_FACESIZE);
    auto open = [&] {
        Sheet sheet;
        sheet.Init(1, &given);
        sheet.Run([&](ModalDriver& d) { d.Do("close", [&] { PressCancel(sheet.Window()); }); });
    };
    open();
    const size_t before = FreeGdiSlots();
    for (int i = 0; i < 200; ++i)
        open();
    EXPECT_EQ(before, FreeGdiSlots());
}

} // namespace
} // namespace sheet_test
