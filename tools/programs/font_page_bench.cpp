// Benchmark: a sheet opened on the font page through the exports against a
// plain comctl32 sheet on the same template whose dialog procedure enumerates
// the fonts and fills the list itself; and the process's GDI objects, USER
// objects and private bytes after 100 and 1,000 openings, which must not grow.
#include "bench.h"
#include "resource_ids.h"
#include "kelgui.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>

namespace {

// A text mark's sheet opens on its font page.
bool LibraryCycle() {
    KEL_IMAGE_INFO info = {};
    info.dwSize = sizeof info;
    KEL_MARK_ATTRIBUTES record = {};
    record.nMarkType = KEL_MARK_TYPED_TEXT;
    record.lfFont.lfHeight = -16;
    lstrcpynA(record.lfFont.lfFaceName, "Tahoma", LF_FACESIZE);
    HKELSHEET sheet = nullptr;
    if (!KEL_GUI_property_sheet_create(nullptr, &info, &sheet))
        return false;
    bool ok =
        KEL_GUI_property_sheet_init(sheet, KEL_SHEET_ATTRIBUTES, &record, nullptr, nullptr, 0);
    ok = ok && KEL_GUI_property_sheet_show(sheet) == 1;
    KEL_GUI_property_sheet_destroy(sheet);
    return ok;
}

bool PlainCycle() {
    return bench::PlainSheet(GetModuleHandleA("kelgui.dll"), {{IDD_FONT, "Font Attributes"}},
                             bench::PlainFontPageProc);
}

} // namespace

int main() {
    if (!bench::Start())
        return 2;
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
