// Benchmark, run by hand: a colour-and-line sheet opened, read back and closed
// through the exports many times, against the same two templates in a plain
// comctl32 property sheet; and the process's GDI and USER objects before and
// after, which must not grow.
//   sheet_bench.exe [cycles]     (default 500)
#include "bench_support.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

kelgui_test::KelGui* g_gui = nullptr;
// Each sheet, once active, brings its second page (the colour page) to the
// front, paints itself fully and is closed with OK: the same script for both.
void PaintFully(HWND sheet) {
    RedrawWindow(sheet, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

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

struct Resources {
    DWORD gdi, user;
    size_t freeGdi, freeUser;
};

Resources Count() {
    HANDLE self = GetCurrentProcess();
    return {GetGuiResources(self, GR_GDIOBJECTS), GetGuiResources(self, GR_USEROBJECTS),
            bench::FreeGdiSlots(), bench::FreeUserSlots()};
}

template <class Cycle> double TimeCycles(Cycle cycle, int count, int* failures) {
    const double start = bench::NowMs();
    for (int i = 0; i < count; ++i)
        if (!cycle())
            ++*failures;
    return (bench::NowMs() - start) / count;
}

} // namespace

int main(int argc, char** argv) {
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 500;
    kelgui_test::KelGui gui;
    if (!bench::StartUp(gui))
        return 2;
    g_gui = &gui;
    auto script = std::make_unique<bench::SheetScript>(1, PaintFully);

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

    script.reset();
    const bool grew = after.gdi > before.gdi || after.user > before.user ||
                      after.freeGdi < before.freeGdi || after.freeUser < before.freeUser;
    if (grew)
        std::printf("RESOURCES GREW\n");
    return failures || grew ? 1 : 0;
}
