// Benchmark: a sheet opened on the font page through the exports against a
// plain comctl32 sheet on the same template whose dialog procedure enumerates
// the fonts and fills the list itself; and the process's GDI objects, USER
// objects and private bytes after 100 and 1,000 openings, which must not grow.
#include "bench.h"
#include "support/kelgui_loader.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>

namespace {

kelgui_test::KelGui* g_gui = nullptr;
constexpr int kFontTemplate = 108;

// A text mark's sheet opens on its font page.
bool LibraryCycle() {
    KEL_IMAGE_INFO info = {};
    info.dwSize = sizeof info;
    KEL_MARK_ATTRIBUTES record = {};
    record.nMarkType = KEL_MARK_TYPED_TEXT;
    record.lfFont.lfHeight = -16;
    lstrcpynA(record.lfFont.lfFaceName, "Tahoma", LF_FACESIZE);
    HKELSHEET sheet = nullptr;
    if (!g_gui->property_sheet_create(nullptr, &info, &sheet))
        return false;
    bool ok = g_gui->property_sheet_init(sheet, KEL_SHEET_ATTRIBUTES, &record, nullptr, nullptr, 0);
    ok = ok && g_gui->property_sheet_show(sheet) == 1;
    g_gui->property_sheet_destroy(sheet);
    return ok;
}

bool PlainCycle() {
    return bench::PlainSheet(g_gui->Module(), {{kFontTemplate, "Font Attributes"}},
                             bench::PlainFontPageProc);
}

} // namespace

int main() {
    kelgui_test::KelGui gui;
    if (!bench::Start(gui))
        return 2;
    g_gui = &gui;
    bench::InstallSheetCloser(-1);
    int failures = 0;
    bench::GrowthLines("font page", LibraryCycle, failures);
    bench::CompareLine("font page sheet opened and closed (floor: its template in a bare comctl32 "
                       "sheet, the faces listed by its procedure)",
                       LibraryCycle, PlainCycle, 10, 10, "<=1.2", failures);
    bench::RemoveSheetCloser();
    if (failures)
        std::printf("failed cycles: %d\n", failures);
    return failures ? 1 : 0;
}
