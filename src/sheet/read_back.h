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

// ERROR_SUCCESS, or why the call gives 0:
// ERROR_INVALID_PARAMETER for a null record with bit 0 (nothing done), or a
// null name or size out with bit 1 (the record part is still done);
// ERROR_INSUFFICIENT_BUFFER for a fetch whose block is larger than the size
// last reported under its name (nothing is copied; the size out holds the
// block's size).
DWORD ReadBack(CKELPropertySheet& sheet, const QueryArgs& args, const PageBindings& bindings);
