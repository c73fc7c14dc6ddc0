// Benchmark: a colour-and-line sheet opened, read back and closed through the
// exports 1,000 times, against the same two templates in a plain comctl32
// property sheet; and the process's GDI objects, USER objects and private
// bytes after 100 and 1,000 cycles, which must not grow.
#include "bench.h"
#include "resource_ids.h"
#include "kelgui.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>

namespace {

// One host round: create, init, show (closed with OK), query, destroy.
bool LibraryCycle() {
    KEL_IMAGE_INFO info = {};
    info.dwSize = sizeof info;
    KEL_MARK_ATTRIBUTES record = {};
    record.nMarkType = KEL_MARK_STRAIGHT_LINE;
    record.nLineSize = 3;
    record.rgbMain.rgbRed = 255;
    HKELSHEET sheet = nullptr;
    if (!KEL_GUI_property_sheet_create(nullptr, &info, &sheet))
        return false;
    bool ok =
        KEL_GUI_property_sheet_init(sheet, KEL_SHEET_ATTRIBUTES, &record, nullptr, nullptr, 0);
    ok = ok && KEL_GUI_property_sheet_show(sheet) == 1;
    ok = ok && KEL_GUI_property_sheet_query(sheet, KEL_SHEET_ATTRIBUTES, &record, nullptr, nullptr,
                                            nullptr);
    KEL_GUI_property_sheet_destroy(sheet);
    return ok;
}

// The same two templates, straight from the DLL's resources, no framework.
bool PlainCycle() {
    return bench::PlainSheet(GetModuleHandleA("kelgui.dll"),
                             {{IDD_LINE, "Line Attributes"}, {IDD_COLOR, "Color Attributes"}});
}

} // namespace

int main() {
    if (!bench::Start())
        return 2;
    // Each sheet brings its second page (the colour page) to the front first.
    bench::InstallSheetCloser(1);

    int failures = 0;
    bench::GrowthLines("sheet", LibraryCycle, failures);
    bench::CompareLine(
        "sheet cycle: create, init, show, query, destroy (colour and line pages; floor: "
        "their templates in a bare comctl32 sheet)",
        LibraryCycle, PlainCycle, 10, 10, "-", failures);

    bench::RemoveSheetCloser();
    if (failures)
        std::printf("failed cycles: %d\n", failures);
    return failures ? 1 : 0;
}
