// CKELPropertySheet and the registry of live sheets.
#include "sheet/kel_property_sheet.h"

#include "resources/resource_ids.h"

#include <unordered_set>

namespace {
// Sheets are made and used on the loading thread only.
std::unordered_set<const void*>& LiveSheets() {
    static std::unordered_set<const void*> sheets;
    return sheets;
}
} // namespace

CKELPropertySheet::CKELPropertySheet(CWnd* parent) : CPropertySheet(IDS_SHEET_CAPTION, parent, 0) {
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    LiveSheets().insert(this);
}

CKELPropertySheet::~CKELPropertySheet() {
    LiveSheets().erase(this);
}

CKELPropertySheet* LookupSheet(HKELSHEET handle) {
    if (!handle || LiveSheets().count(handle) == 0)
        return nullptr;
    return reinterpret_cast<CKELPropertySheet*>(handle);
}
