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
    HWND faces = GetDlgItem(page, IDC_FONT_FACES);
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
    return bench::PlainSheet(GetModuleHandleA("kelgui.dll"), {{IDD_FONT, "Font Attributes"}},
                             PlainFontPageProc);
}

} // namespace

int main() {
    if (!bench::Start())
        return 2;
    bench::InstallSheetCloser(-1);
    int failures = 0;
    bench::GrowthLines("font page", LibraryCycle, failures);
    bench::CompareLine("font page sheet opened and closed", LibraryCycle, PlainCycle, 10, 10,
                       "<=1.2", failures);
    bench::RemoveSheetCloser();
    if (failures)
        std::printf("failed cycles: %d\n", failures);
    return failures ? 1 : 0;
}
