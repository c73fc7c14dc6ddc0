// Benchmark, run by hand: a ruler sheet opened on its ruler page and both of
// its blocks read back, and an embedded image sheet on its image page, through
// the exports; against a plain comctl32 sheet on the ruler template; and the
// free GDI and USER handle slots before and after, which must not drop.
//   measure_pages_bench.exe [cycles]     (default 200)
#include "support/bench_support.h"
#include "support/kelgui_loader.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

kelgui_test::KelGui* g_gui = nullptr;
constexpr int kRulerTemplate = 118;

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
    if (!g_gui->property_sheet_create(nullptr, &info, &sheet))
        return false;
    bool ok = g_gui->property_sheet_init(sheet, KEL_SHEET_ATTRIBUTES, &record, nullptr, nullptr, 0);
    for (const auto& b : blocks)
        ok = ok && g_gui->property_sheet_init(sheet, KEL_SHEET_BLOCK, nullptr, b.first,
                                              b.second.data(), DWORD(b.second.size()));
    ok = ok && g_gui->property_sheet_show(sheet) == 1;
    for (const auto& b : blocks) {
        DWORD size = 0;
        ok = ok &&
             g_gui->property_sheet_query(sheet, KEL_SHEET_BLOCK, nullptr, b.first, nullptr, &size);
        std::string back(size, '\0');
        ok = ok && size &&
             g_gui->property_sheet_query(sheet, KEL_SHEET_BLOCK, nullptr, b.first, &back[0], &size);
    }
    g_gui->property_sheet_destroy(sheet);
    return ok;
}

bool RulerCycle() {
    return LibraryCycle(KEL_MARK_RULER, {{"OiAnoDat", std::string(32, '\0')},
                                         {"OiAnText", std::string(16, 'h') + "%d in"}});
}

bool ImageCycle() {
    return LibraryCycle(KEL_MARK_EMBEDDED_IMAGE, {{"OiAnoDat", std::string(36, '\1')}});
}

INT_PTR CALLBACK PlainPageProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

bool PlainCycle() {
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_USETITLE;
    page.hInstance = g_gui->Module();
    page.pszTemplate = MAKEINTRESOURCEA(kRulerTemplate);
    page.pfnDlgProc = PlainPageProc;
    page.pszTitle = "Ruler Attributes";
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    header.hInstance = g_gui->Module();
    header.pszCaption = "Attributes";
    header.nPages = 1;
    header.ppsp = &page;
    return PropertySheetA(&header) > 0;
}

template <class Cycle> bool Timed(Cycle cycle, double* total) {
    const double start = kelgui_test::NowMs();
    const bool ok = cycle();
    *total += kelgui_test::NowMs() - start;
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 200;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    kelgui_test::KelGui gui;
    if (!gui.Loaded() || !gui.property_sheet_init) {
        std::printf("kelgui.dll not loaded or exports missing\n");
        return 2;
    }
    g_gui = &gui;
    int failures = 0;
    double ruler = 0, plain = 0;
    kelgui_test::InstallSheetCloser(-1);
    for (int i = 0; i < 5; ++i) // warm up
        failures += !RulerCycle() + !ImageCycle() + !PlainCycle();
    const size_t gdiBefore = kelgui_test::FreeGdiSlots(), userBefore = kelgui_test::FreeUserSlots();
    kelgui_test::RemoveSheetCloser();
    kelgui_test::InstallSheetCloser(3); // the ruler page is the fourth tab
    for (int i = 0; i < cycles; ++i)
        failures += !Timed(RulerCycle, &ruler);
    kelgui_test::RemoveSheetCloser();
    kelgui_test::InstallSheetCloser(0);
    for (int i = 0; i < cycles; ++i)
        failures += !ImageCycle() + !Timed(PlainCycle, &plain);
    kelgui_test::RemoveSheetCloser();
    const size_t gdiAfter = kelgui_test::FreeGdiSlots(), userAfter = kelgui_test::FreeUserSlots();

    std::printf("BENCH|ruler sheet on its page, both blocks read back|%.2f ms|%.2f ms|%.2f|-\n",
                ruler / cycles, plain / cycles, ruler / plain);
    std::printf("BENCH|GDI/USER objects after %d ruler and %d image sheets|%+lld/%+lld|-|-|no "
                "growth\n",
                cycles, cycles, static_cast<long long>(gdiBefore) - (long long)gdiAfter,
                static_cast<long long>(userBefore) - (long long)userAfter);
    if (failures)
        std::printf("failed cycles: %d\n", failures);
    return failures || gdiAfter < gdiBefore || userAfter < userBefore ? 1 : 0;
}
