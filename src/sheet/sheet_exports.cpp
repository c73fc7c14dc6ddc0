// The sheet lifecycle exports: create, show, title, destroy.
#include "kelgui.h"

#include "blocks/byte_span.h"
#include "framework/host_call.h"
#include "sheet/kel_property_sheet.h"

extern "C" BOOL WINAPI KEL_GUI_property_sheet_create(HWND parent, const KEL_IMAGE_INFO* info,
                                                     HKELSHEET* sheetOut) {
    return CallFromHost([=]() -> HostAnswer {
        CMutableByteSpan out(sheetOut, sizeof(HKELSHEET));
        if (!out.WriteValue<HKELSHEET>(0, nullptr))
            return Refused(ERROR_INVALID_PARAMETER); // a sheet the host could not name would leak
        auto* sheet = new CKELPropertySheet(parent);
        CByteSpan(info, sizeof(KEL_IMAGE_INFO))
            .Read(0, &sheet->m_imageInfo, sizeof(KEL_IMAGE_INFO));
        out.WriteValue(0, reinterpret_cast<HKELSHEET>(sheet));
        return 1;
    });
}

extern "C" BOOL WINAPI KEL_GUI_property_sheet_show(HKELSHEET handle) {
    return CallFromHost([=]() -> HostAnswer {
        CKELPropertySheet* sheet = LookupSheet(handle);
        if (!sheet)
            return Refused(ERROR_INVALID_HANDLE);
        if (sheet->m_hWnd)
            return Refused(ERROR_BUSY); // a running sheet cannot be shown a second time
        if (sheet->GetPageCount() == 0)
            return Refused(ERROR_EMPTY);
        switch (sheet->DoModal()) {
        case IDOK:
            return 1;
        case IDCANCEL:
            return Refused(ERROR_CANCELLED); // Cancel or the close box
        default:
            return Refused(ERROR_NOT_ENOUGH_MEMORY); // its window could not be made
        }
    });
}

extern "C" BOOL WINAPI KEL_GUI_property_sheet_title_set(HKELSHEET handle, LPCSTR title) {
    return CallFromHost([=]() -> HostAnswer {
        CKELPropertySheet* sheet = LookupSheet(handle);
        if (!sheet)
            return Refused(ERROR_INVALID_HANDLE);
        if (sheet->GetPageCount() == 0)
            return Refused(ERROR_EMPTY);
        sheet->SetTitle(title ? title : "", 0);
        return 1;
    });
}

extern "C" BOOL WINAPI KEL_GUI_property_sheet_destroy(HKELSHEET handle) {
    return CallFromHost([=]() -> HostAnswer {
        CKELPropertySheet* sheet = LookupSheet(handle);
        if (!sheet)
            return Refused(ERROR_INVALID_HANDLE);
        if (sheet->m_hWnd)
            return Refused(ERROR_BUSY); // a sheet whose window still runs is not pulled away
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
