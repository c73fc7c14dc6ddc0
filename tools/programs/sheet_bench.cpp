// Benchmark, run by hand: a colour-and-line sheet opened, read back and closed
// through the exports many times, against the same two templates in a plain
// comctl32 property sheet; and the process's GDI and USER objects before and
// after, which must not grow.
//   sheet_bench.exe [cycles]     (default 500)
#include "support/bench_support.h"
#include "support/kelgui_loader.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>

namespace {

kelgui_test::KelGui* g_gui = nullptr;
// One host round: create, init, show (closed with OK), query, destroy.
bool LibraryCycle() {
    KEL_IMAGE_INFO info = {};
    info.dwSize = sizeof info;
    KEL_MARK_ATTRIBUTES record = {};
    record.nMarkType = KEL_MARK_STRAIGHT_LINE;
    record.nLineSize = 3;
    record.rgbMain.rgbRed = 255;
    HKELSHEET sheet = nullptr;
    if (!g_gui->property_sheet_create(nullptr, &info, &sheet))
        return false;
    bool ok = g_gui->property_sheet_init(sheet, KEL_SHEET_ATTRIBUTES, &record, nullptr, nullptr, 0);
    ok = ok && g_gui->property_sheet_show(sheet) == 1;
    ok = ok && g_gui->property_sheet_query(sheet, KEL_SHEET_ATTRIBUTES, &record, nullptr, nullptr,
                                           nullptr);
    g_gui->property_sheet_destroy(sheet);
    return ok;
}

INT_PTR CALLBACK PlainPageProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// The same two templates, straight from the DLL's resources, no framework.
bool PlainCycle() {
    PROPSHEETPAGEA pages[2] = {};
    const struct {
        int templateId;
        const char* title;
    } kinds[2] = {{106, "Line Attributes"}, {102, "Color Attributes"}};
    for (int i = 0; i < 2; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_USETITLE;
        pages[i].hInstance = g_gui->Module();
        pages[i].pszTemplate = MAKEINTRESOURCEA(kinds[i].templateId);
        pages[i].pfnDlgProc = PlainPageProc;
        pages[i].pszTitle = kinds[i].title;
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    header.hInstance = g_gui->Module();
    header.pszCaption = "Attributes";
    header.nPages = 2;
    header.ppsp = pages;
    return PropertySheetA(&header) > 0;
}

using kelgui_test::FreeGdiSlots;
using kelgui_test::FreeUserSlots;

struct Resources {
    DWORD gdi, user;
    size_t freeGdi, freeUser;
};

Resources Count() {
    HANDLE self = GetCurrentProcess();
    return {GetGuiResources(self, GR_GDIOBJECTS), GetGuiResources(self, GR_USEROBJECTS),
            FreeGdiSlots(), FreeUserSlots()};
}

template <class Cycle> double TimeCycles(Cycle cycle, int count, int* failures) {
    const double start = kelgui_test::NowMs();
    for (int i = 0; i < count; ++i)
        if (!cycle())
            ++*failures;
    return (kelgui_test::NowMs() - start) / count;
}

} // namespace

int main(int argc, char** argv) {
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 500;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    kelgui_test::KelGui gui;
    if (!gui.Loaded() || !gui.property_sheet_init || !gui.property_sheet_query) {
        std::printf("kelgui.dll not loaded or exports missing\n");
        return 2;
    }
    g_gui = &gui;
    // Each sheet is closed with OK after its second page (the colour page) has
    // come to the front and painted: the same script for both kinds.
    kelgui_test::InstallSheetCloser(1);

    int failures = 0;
    TimeCycles(LibraryCycle, 10, &failures); // warm both paths up
    TimeCycles(PlainCycle, 10, &failures);

    const Resources before = Count();
    const double library = TimeCycles(LibraryCycle, cycles, &failures);
    const Resources after = Count();
    const double plain = TimeCycles(PlainCycle, cycles, &failures);

    std::printf("cycles: %d each, failed cycles: %d\n", cycles, failures);
    std::printf("library sheet (create, init, show, query, destroy): %.2f ms per cycle\n", library);
    std::printf("plain comctl32 sheet, same templates:              %.2f ms per cycle\n", plain);
    std::printf("ratio library / plain: %.2f\n", library / plain);
    std::printf("GetGuiResources GDI  before %lu after %lu\n", before.gdi, after.gdi);
    std::printf("GetGuiResources USER before %lu after %lu\n", before.user, after.user);
    std::printf("free GDI handle slots  before %zu after %zu\n", before.freeGdi, after.freeGdi);
    std::printf("free USER handle slots before %zu after %zu\n", before.freeUser, after.freeUser);

    kelgui_test::RemoveSheetCloser();
    const bool grew = after.gdi > before.gdi || after.user > before.user ||
                      after.freeGdi < before.freeGdi || after.freeUser < before.freeUser;
    if (grew)
        std::printf("RESOURCES GREW\n");
    return failures || grew ? 1 : 0;
}
