// CKELPropertySheet: the sheet built for one mark, with its own copy of the
// mark's attribute record and the image context it lies on.
#pragma once

#include "framework/property_sheet.h"
#include "kelgui.h"

#include <array>
#include <utility>
#include <vector>

// The block sizes a sheet has reported to its host, by block name. The query
// interface carries no buffer size, so after a size query a fetch writes into
// the host's buffer only up to the size the host was told.
class CReportedBlockSizes {
public:
    // name: 8 bytes.
    void Remember(const char* name, DWORD size);
    // The size last reported under name; false when it was never asked for.
    bool Find(const char* name, DWORD* size) const;

private:
    using Name = std::array<char, 8>;
    static Name NameOf(const char* name);

    std::vector<std::pair<Name, DWORD>> m_sizes;
};

class CKELPropertySheet : public CPropertySheet {
public:
    // Caption "Attributes" (string 2000), OK and Cancel without Apply.
    explicit CKELPropertySheet(HWND parent);
    ~CKELPropertySheet() override;

    // Filled by the first init with bit 0; zero (mark type 0, no pages) before.
    KEL_MARK_ATTRIBUTES m_attributes = {};
    KEL_IMAGE_INFO m_imageInfo = {};
    // Sizes told to the host by size queries: the bound of its buffers.
    CReportedBlockSizes m_reportedBlockSizes;
};

// The live sheets of this library. A handle from the host is looked up here
// before anything touches it: foreign, stale and random values give null.
CKELPropertySheet* LookupSheet(HKELSHEET handle);
