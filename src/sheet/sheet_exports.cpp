// The sheet lifecycle exports: create, show, title, destroy.
#include "kelgui.h"

#include "module/export_frame.h"
#include "module/gui_app.h"
#include "blocks/byte_span.h"
#include "sheet/kel_property_sheet.h"

#include <new>

extern "C" BOOL WINAPI KEL_GUI_property_sheet_create(HWND parent, const KEL_IMAGE_INFO* info,
                                                     HKELSHEET* sheetOut) {
    KELGUI_EXPORT_FRAME();
    AfxLockTempMaps(); // held for the sheet's life: it keeps the parent's wrapper
    if (sheetOut)
        *sheetOut = nullptr;
    auto* sheet = new (std::nothrow) CKELPropertySheet(CWnd::FromHandle(parent));
    if (!sheet || !sheetOut) {
        delete sheet;
        AfxUnlockTempMaps(true);
        return 0;
    }
    CByteSpan(info, sizeof(KEL_IMAGE_INFO)).Read(0, &sheet->m_imageInfo, sizeof(KEL_IMAGE_INFO));
    *sheetOut = reinterpret_cast<HKELSHEET>(sheet);
    return 1;
}

extern "C" BOOL WINAPI KEL_GUI_property_sheet_show(HKELSHEET handle) {
    KELGUI_EXPORT_FRAME();
    CKELPropertySheet* sheet = LookupSheet(handle);
    if (!sheet || sheet->GetPageCount() == 0 || sheet->m_hWnd)
        return 0; // a running sheet cannot be shown a second time
    CKELGuiApp& app = KelGuiApp();
    // The hook stays out while the sheet runs its own modal loop.
    app.SuspendMessageHook();
    INT_PTR result = sheet->DoModal();
    app.ResumeMessageHook();
    return result == IDOK ? 1 : 0;
}

extern "C" BOOL WINAPI KEL_GUI_property_sheet_title_set(HKELSHEET handle, LPCSTR title) {
    KELGUI_EXPORT_FRAME();
    CKELPropertySheet* sheet = LookupSheet(handle);
    if (!sheet || sheet->GetPageCount() == 0)
        return 0;
    sheet->SetTitle(title ? title : "", 0);
    return 1;
}

extern "C" BOOL WINAPI KEL_GUI_property_sheet_destroy(HKELSHEET handle) {
    KELGUI_EXPORT_FRAME();
    CKELPropertySheet* sheet = LookupSheet(handle);
    if (!sheet || sheet->m_hWnd)
        return 0; // a sheet whose window still runs is not pulled away under it
    // Pages go in the order they were added.
    while (sheet->GetPageCount() > 0) {
        CPropertyPage* page = sheet->GetPage(0);
        sheet->RemovePage(0);
        delete page;
    }
    delete sheet;
    AfxUnlockTempMaps(true);
    return 1;
}
