// Reading back: the pages write the record fields they edit into the host's
// record and hand back one named block, with the size query first.
#pragma once

#include "sheet/kel_property_sheet.h"
#include "sheet/page_bindings.h"

struct QueryArgs {
    DWORD flags;
    KEL_MARK_ATTRIBUTES* record;
    const char* blockName;
    void* buffer;   // null: size query
    DWORD* sizeOut; // cleared by the caller before the sheet is looked up
};

// 1 on success. 0 for a null record with bit 0, a null name or size out with
// bit 1, or a fetch whose block is larger than the size last reported under
// its name (nothing is copied then; the size out holds the block's size).
BOOL ReadBack(CKELPropertySheet& sheet, const QueryArgs& args, const PageBindings& bindings);
