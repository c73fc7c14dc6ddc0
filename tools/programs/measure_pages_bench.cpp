// Benchmark: ruler sheets on their ruler page with both blocks read back, and
// embedded image sheets on their image page, through the exports, with the
// growth of GDI objects, USER objects and private bytes over 100 and 1,000 of
// them; and the ruler sheet against its four templates in a plain comctl32
// sheet.
#include "bench.h"
#include "resource_ids.h"
#include "kelgui.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Creates, loads record and blocks, shows (closed with OK), reads every block
// back with a size query and a fetch, destroys.
bool LibraryCycle(DWORD markType, const std::vector<std::pair<const char*, std::string>>& blocks) {
    KEL_IMAGE_INFO info = {};
    info.dwSize = sizeof info;
    info.nXPelsPerMeter = 11811;
    KEL_MARK_ATTRIBUTES record = {};
    record.nMarkType = markType;
    record.nLineSize = 2;
    HKELSHEET sheet = nullptr;
    if (!KEL_GUI_property_sheet_create(nullptr, &info, &sheet))
        return false;
    bool ok =
        KEL_GUI_property_sheet_init(sheet, KEL_SHEET_ATTRIBUTES, &record, nullptr, nullptr, 0);
    for (const auto& b : blocks)
        ok = ok && KEL_GUI_property_sheet_init(sheet, KEL_SHEET_BLOCK, nullptr, b.first,
                                               b.second.data(), DWORD(b.second.size()));
    ok = ok && KEL_GUI_property_sheet_show(sheet) == 1;
    for (const auto& b : blocks) {
        DWORD size = 0;
        ok = ok &&
             KEL_GUI_property_sheet_query(sheet, KEL_SHEET_BLOCK, nullptr, b.first, nullptr, &size);
        std::string back(size, '\0');
        ok =
            ok && size &&
            KEL_GUI_property_sheet_query(sheet, KEL_SHEET_BLOCK, nullptr, b.first, &back[0], &size);
    }
    KEL_GUI_property_sheet_destroy(sheet);
    return ok;
}

bool RulerCycle() {
    return LibraryCycle(KEL_MARK_RULER, {{"OiAnoDat", std::string(32, '\0')},
                                         {"OiAnText", std::string(16, 'h') + "%d in"}});
}

bool ImageCycle() {
    return LibraryCycle(KEL_MARK_EMBEDDED_IMAGE, {{"OiAnoDat", std::string(36, '\1')}});
}

// The ruler sheet's four templates in a plain comctl32 sheet.
bool PlainCycle() {
    return bench::PlainSheet(GetModuleHandleA("kelgui.dll"), {{IDD_LINE, "Line Attributes"},
                                                              {IDD_COLOR, "Color Attributes"},
                                                              {IDD_FONT, "Font Attributes"},
                                                              {IDD_RULER, "Ruler Attributes"}});
}

} // namespace

int main() {
    if (!bench::Start())
        return 2;
    int failures = 0;
    bench::InstallSheetCloser(0); // the image page is the image sheet's only tab
    bench::GrowthLines("embedded image sheet", ImageCycle, failures);
    bench::RemoveSheetCloser();
    bench::InstallSheetCloser(3); // the ruler page is the fourth tab
    bench::GrowthLines("ruler sheet", RulerCycle, failures);
    bench::CompareLine("ruler sheet on its page, both blocks read back (floor: its four templates "
                       "in a bare comctl32 sheet)",
                       RulerCycle, PlainCycle, 10, 10, "<=1.2", failures);
    bench::RemoveSheetCloser();
    if (failures)
        std::printf("failed cycles: %d\n", failures);
    return failures ? 1 : 0;
}
