// Every page kind shown and closed some tens of times, as a host does it.
#include "sheet_fixture.h"
#include "support/resource_counts.h"

using namespace sheet_test;

namespace {

// A double-click selects a word: the edit makes a word-break table for its
// text, which Wine frees only when the text changes.
BOOL CALLBACK DoubleClickEdit(HWND child, LPARAM) {
    if (ClassName(child) == "Edit") {
        SendMessageA(child, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    return TRUE;
}

void Cycle(DWORD markType, const Blocks& blocks) {
    KEL_MARK_ATTRIBUTES record = {};
    record.nMarkType = markType;
    record.nLineSize = 2;
    record.lfFont.lfHeight = -13;
    lstrcpyA(record.lfFont.lfFaceName, "Tahoma"); // a listed face: the sample is drawn
    Sheet sheet;
    sheet.Load(record, blocks);
    EXPECT_EQ(1, sheet.OnPage(0, [&sheet](HWND) { // sent, not posted: valid pages let tabs go
        for (int tab = 0; tab < int(TabTexts(sheet.Window()).size()); ++tab) {
            SendMessageA(sheet.Window(), PSM_SETCURSEL, tab, 0);
            EnumChildWindows(CurrentPage(sheet.Window()), DoubleClickEdit, 0);
        }
    })) << markType;
    sheet.Queried(record);
    for (const auto& block : blocks)
        sheet.Fetch(block.first);
}

TEST(PageLeaks, EveryPageKindComesBackToWhereItWas) {
    const char note[] = "\0\0\0\0\0\0\0\0\0\0\0\0Note on the page", name[] = "C:\\note.txt";
    const Bytes text(note, std::end(note)), file(name, std::end(name)); // with their zero bytes
    const std::pair<DWORD, Blocks> kinds[] = {
        {6, {}},                                                      // general, colour
        {506, {{"OiAnoDat", {1, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}}}}, // line, colour, arrow
        {7, {{"OiAnText", text}}},                                    // font, colour, text
        {8, {{"OiFilNam", file}}},                                    // text file
        {9, {{"OiAnText", text}}},                                    // stamp
        {512, {{"OiAnText", text}}},                                  // label
        {509, {{"OiAnoDat", Bytes(24, 0)}}},                          // password
        {503, {{"OiFilNam", file}}},                                  // audio file
        {2, {{"OiAnoDat", Bytes(40, 0)}, {"OiFilNam", file}}},        // image, reference
        {510, {{"OiAnoDat", Bytes(32, 0)}, {"OiAnText", text}}},      // ruler
        {511, {{"OiAnoDat", {0, 0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0,
                             0, 0, 0, 0, 50, 0, 0, 0, 2, 0, 0, 0}}}}, // protractor
    };
    constexpr int kCycles = 20;
    for (const auto& [markType, blocks] : kinds) {
        for (int i = 0; i < 2; ++i) // the first cycles may load what the system shares
            Cycle(markType, blocks);
        const size_t heap = HeapBytesInUse();
        const DWORD gdi = GdiObjects(), user = UserObjects();
        for (int i = 0; i < kCycles; ++i)
            Cycle(markType, blocks);
        EXPECT_LT(HeapBytesInUse(), heap + kCycles) << "under a byte a cycle, mark " << markType;
        EXPECT_EQ(std::make_pair(gdi, user), std::make_pair(GdiObjects(), UserObjects()))
            << "GDI and USER objects, mark " << markType;
    }
}

} // namespace
