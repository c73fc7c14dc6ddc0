// The exports that fill a sheet and read its results back.
#include "kelgui.h"

#include "framework/host_call.h"
#include "sheet/kel_property_sheet.h"
#include "sheet/page_assembly.h"
#include "sheet/read_back.h"

extern "C" BOOL WINAPI KEL_GUI_property_sheet_init(HKELSHEET handle, DWORD flags,
                                                   const KEL_MARK_ATTRIBUTES* record,
                                                   const char* name, const void* data, DWORD size) {
    return CallFromHost([=]() -> BOOL {
        CKELPropertySheet* sheet = LookupSheet(handle);
        if (!sheet || sheet->m_hWnd)
            return 0; // pages cannot be added to or reloaded under a running sheet
        return AssemblePages(*sheet, InitArgs{flags, record, name, data, size},
                             LibraryPageBindings());
    });
}

extern "C" BOOL WINAPI KEL_GUI_property_sheet_query(HKELSHEET handle, DWORD flags,
                                                    KEL_MARK_ATTRIBUTES* record, const char* name,
                                                    void* buffer, DWORD* sizeOut) {
    return CallFromHost([=]() -> BOOL {
        CMutableByteSpan(sizeOut, sizeof(DWORD)).WriteValue<DWORD>(0, 0);
        CKELPropertySheet* sheet = LookupSheet(handle);
        if (!sheet)
            return 0;
        return ReadBack(*sheet, QueryArgs{flags, record, name, buffer, sizeOut},
                        LibraryPageBindings());
    });
}
