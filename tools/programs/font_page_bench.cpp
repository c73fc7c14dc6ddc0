// Benchmark, run by hand: a sheet opened on the font page through the exports
// against a plain comctl32 sheet on the same template whose dialog procedure
// enumerates the fonts and fills the list itself; and the free GDI handle
// slots before and after, which must not drop.
//   font_page_bench.exe [openings]     (default 200)
#include "support/bench_support.h"
#include "support/kelgui_loader.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>

namespace {

kelgui_test::KelGui* g_gui = nullptr;
constexpr int kFontTemplate = 108, kFaceList = 1015;

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

int CALLBACK AddTrueTypeFace(const LOGFONTA* lf, const TEXTMETRICA*, DWORD type, LPARAM list) {
    HWND faces = reinterpret_cast<HWND>(list);
    if (!(type & TRUETYPE_FONTTYPE) ||
        SendMessageA(faces, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(lf->lfFaceName)) != LB_ERR)
        return 1;
    const LRESULT index = SendMessageA(faces, LB_ADDSTRING, 0, LPARAM(lf->lfFaceName));
    SendMessageA(faces, LB_SETITEMDATA, WPARAM(index), LPARAM(new LOGFONTA(*lf)));
    return 1;
}

INT_PTR CALLBACK PlainFontPageProc(HWND page, UINT message, WPARAM, LPARAM) {
    HWND faces = GetDlgItem(page, kFaceList);
    if (message == WM_INITDIALOG) {
        HDC screen = GetDC(nullptr);
        EnumFontFamiliesA(screen, nullptr, AddTrueTypeFace, LPARAM(faces));
        ReleaseDC(nullptr, screen);
        return TRUE;
    }
    if (message == WM_DESTROY)
        for (LRESULT i = SendMessageA(faces, LB_GETCOUNT, 0, 0); i-- > 0;)
            delete reinterpret_cast<LOGFONTA*>(SendMessageA(faces, LB_GETITEMDATA, WPARAM(i), 0));
    return FALSE;
}

bool PlainCycle() {
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_USETITLE;
    page.hInstance = g_gui->Module();
    page.pszTemplate = MAKEINTRESOURCEA(kFontTemplate);
    page.pfnDlgProc = PlainFontPageProc;
    page.pszTitle = "Font Attributes";
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    header.hInstance = g_gui->Module();
    header.pszCaption = "Attributes";
    header.nPages = 1;
    header.ppsp = &page;
    return PropertySheetA(&header) > 0;
}

// Milliseconds one call of cycle takes, added to total.
template <class Cycle> bool Timed(Cycle cycle, double* total) {
    const double start = kelgui_test::NowMs();
    const bool ok = cycle();
    *total += kelgui_test::NowMs() - start;
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    const int openings = argc > 1 ? std::atoi(argv[1]) : 200;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    kelgui_test::KelGui gui;
    if (!gui.Loaded() || !gui.property_sheet_init) {
        std::printf("kelgui.dll not loaded or exports missing\n");
        return 2;
    }
    g_gui = &gui;
    kelgui_test::InstallSheetCloser(-1);

    int failures = 0;
    double library = 0, plain = 0;
    for (int i = 0; i < 5; ++i) // warm both paths up
        failures += !LibraryCycle() + !PlainCycle();
    const size_t freeBefore = kelgui_test::FreeGdiSlots();
    for (int i = 0; i < openings; ++i)
        failures += !LibraryCycle();
    const size_t freeAfter = kelgui_test::FreeGdiSlots();
    // Interleaved, so that the machine's other load falls on both alike.
    for (int i = 0; i < openings; ++i)
        failures += !Timed(LibraryCycle, &library) + !Timed(PlainCycle, &plain);
    library /= openings;
    plain /= openings;
    kelgui_test::RemoveSheetCloser();

    std::printf("BENCH|font page sheet opened and closed|%.2f ms|%.2f ms|%.2f|<=1.2\n", library,
                plain, library / plain);
    std::printf("BENCH|GDI objects after %d font-page openings|%+lld|-|-|no growth\n", openings,
                static_cast<long long>(freeBefore) - static_cast<long long>(freeAfter));
    if (failures)
        std::printf("failed cycles: %d\n", failures);
    return failures || freeAfter < freeBefore ? 1 : 0;
}
