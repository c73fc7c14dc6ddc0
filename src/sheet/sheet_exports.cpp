// The sheet lifecycle exports: create, show, title, destroy.
#include "kelgui.h"

#include "blocks/byte_span.h"
#include "framework/host_call.h"
#include "sheet/kel_property_sheet.h"

extern "C" BOOL WINAPI KEL_GUI_property_sheet_create(HWND parent, const KEL_IMAGE_INFO* info,
                                                     HKELSHEET* sheetOut) {
    return CallFromHost([=]() -> BOOL {
        CMutableByteSpan out(sheetOut, sizeof(HKELSHEET));
        if (!out.WriteValue<HKELSHEET>(0, nullptr))
            return 0; // a sheet the host could not name would only leak
        auto* sheet = new CKELPropertySheet(parent);
        CByteSpan(info, sizeof(KEL_IMAGE_INFO))
            .Read(0, &sheet->m_imageInfo, sizeof(KEL_IMAGE_INFO));
        out.WriteValue(0, reinterpret_cast<HKELSHEET>(sheet));
        return 1;
    });
}

extern "C" BOOL WINAPI KEL_GUI_property_sheet_show(HKELSHEET handle) {
    return CallFromHost([=]() -> BOOL {
        CKELPropertySheet* sheet = LookupSheet(handle);
        if (!sheet || sheet->GetPageCount() == 0 || sheet->m_hWnd)
            return 0; // a running sheet cannot be shown a second time
        return sheet->DoModal() == IDOK ? 1 : 0;
    });
}

extern "C" BOOL WINAPI KEL_GUI_property_sheet_title_set(HKELSHEET handle, LPCSTR title) {
    return CallFromHost([=]() -> BOOL {
        CKELPropertySheet* sheet = LookupSheet(handle);
        if (!sheet || sheet->GetPageCount() == 0)
            return 0;
        sheet->SetTitle(title ? title : "", 0);
        return 1;
    });
}

extern "C" BOOL WINAPI KEL_GUI_property_sheet_destroy(HKELSHEET handle) {
    return CallFromHost([=]() -> BOOL {
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
        return 1;
    });
}
