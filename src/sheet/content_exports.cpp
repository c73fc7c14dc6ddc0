// The exports that fill a sheet and read its results back.
#include "kelgui.h"

#include "framework/host_call.h"
#include "sheet/kel_property_sheet.h"
#include "sheet/page_assembly.h"
#include "sheet/read_back.h"

extern "C" BOOL WINAPI KEL_GUI_property_sheet_init(HKELSHEET handle, DWORD flags,
                                                   const KEL_MARK_ATTRIBUTES* record,
                                                   const char* name, const void* data, DWORD size) {
    return CallFromHost([=]() -> HostAnswer {
        CKELPropertySheet* sheet = LookupSheet(handle);
        if (!sheet)
            return Refused(ERROR_INVALID_HANDLE);
        if (sheet->m_hWnd)
            return Refused(ERROR_BUSY); // no page is added or reloaded under a running sheet
        if (const DWORD error = AssemblePages(*sheet, InitArgs{flags, record, name, data, size},
                                              LibraryPageBindings()))
            return Refused(error);
        return 1;
    });
}

extern "C" BOOL WINAPI KEL_GUI_property_sheet_query(HKELSHEET handle, DWORD flags,
                                                    KEL_MARK_ATTRIBUTES* record, const char* name,
                                                    void* buffer, DWORD* sizeOut) {
    return CallFromHost([=]() -> HostAnswer {
        CMutableByteSpan(sizeOut, sizeof(DWORD)).WriteValue<DWORD>(0, 0);
        CKELPropertySheet* sheet = LookupSheet(handle);
        if (!sheet)
            return Refused(ERROR_INVALID_HANDLE);
        if (const DWORD error = ReadBack(*sheet, QueryArgs{flags, record, name, buffer, sizeOut},
                                         LibraryPageBindings()))
            return Refused(error);
        return 1;
    });
}
