// Page assembly: fills a sheet with the pages one mark needs, driven by the
// mark table, and loads them with the record or a named block.
#pragma once

#include "sheet/kel_property_sheet.h"
#include "sheet/page_bindings.h"

struct InitArgs {
    DWORD flags;
    const KEL_MARK_ATTRIBUTES* record;
    const char* blockName;
    const void* blockData;
    DWORD blockSize;
};

// ERROR_SUCCESS, also when the mark type selects no page.
// ERROR_INVALID_PARAMETER for a null record with bit 0, nothing done.
// ERROR_NOT_ENOUGH_MEMORY when a page could not be made: the pages added
// before it stay, loaded; the later ones are neither added nor loaded.
DWORD AssemblePages(CKELPropertySheet& sheet, const InitArgs& args, const PageBindings& bindings);
