// CKELPropertySheet: the sheet built for one mark, with its own copy of the
// mark's attribute record and the image context it lies on.
#pragma once

#include "framework/property_sheet.h"
#include "kelgui.h"
#include "sheet/reported_block_sizes.h"

class CKELPropertySheet : public CPropertySheet {
public:
    // Caption "Attributes" (string 2000), OK and Cancel without Apply.
    explicit CKELPropertySheet(CWnd* parent);
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
