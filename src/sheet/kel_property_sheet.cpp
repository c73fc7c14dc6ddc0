// CKELPropertySheet, the registry of live sheets and the sizes a sheet reported.
#include "sheet/kel_property_sheet.h"

#include "resources/resource_ids.h"

#include <cstring>
#include <unordered_set>

namespace {
// Sheets are made and used on the loading thread only.
std::unordered_set<const void*>& LiveSheets() {
    static std::unordered_set<const void*> sheets;
    return sheets;
}
} // namespace

CKELPropertySheet::CKELPropertySheet(HWND parent) : CPropertySheet(IDS_SHEET_CAPTION, parent, 0) {
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

CReportedBlockSizes::Name CReportedBlockSizes::NameOf(const char* name) {
    Name key;
    std::memcpy(key.data(), name, key.size());
    return key;
}

void CReportedBlockSizes::Remember(const char* name, DWORD size) {
    const Name key = NameOf(name);
    for (auto& entry : m_sizes)
        if (entry.first == key) {
            entry.second = size;
            return;
        }
    // Names no page holds report 0 and need no entry: the list stays as short
    // as the set of block names the pages hold.
    if (size != 0)
        m_sizes.emplace_back(key, size);
}

bool CReportedBlockSizes::Find(const char* name, DWORD* size) const {
    const Name key = NameOf(name);
    for (const auto& entry : m_sizes)
        if (entry.first == key) {
            *size = entry.second;
            return true;
        }
    return false;
}
