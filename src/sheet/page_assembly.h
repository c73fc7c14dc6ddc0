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

// 1, also when the mark type selects no page. 0 for a null record with bit 0,
// or when a page could not be made for lack of memory: the pages added before
// it stay, loaded; the later ones are neither added nor loaded.
BOOL AssemblePages(CKELPropertySheet& sheet, const InitArgs& args, const PageBindings& bindings);
