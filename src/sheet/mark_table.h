// The mark table: per group of mark types, the pages a sheet gets in tab
// order, what init gives each and what query asks of each (mark_table.cpp).
#pragma once

#include "sheet/page_bindings.h"

#include <initializer_list>

struct PageStep {
    PageKind page;
    Part part;
};

struct MarkRow {
    std::initializer_list<DWORD> markTypes;
    // Init with bit 0: each page found or added, then loaded, before the next.
    std::initializer_list<PageStep> load;
    // Bit 1: the pages that hold a block, loaded at init and asked at query in
    // this order; the first that has the block asked for ends the query's walk.
    std::initializer_list<PageStep> blockPages;
    // Query with bit 0: one walk over the pages, each doing its steps.
    std::initializer_list<PageStep> store;
    // Query with bit 0 again, one more walk after the block's.
    std::initializer_list<PageStep> storeAfterBlock = {};
};

// The row of markType, or null for 0, 515 and unknown codes (no pages).
const MarkRow* FindMarkRow(DWORD markType);

// The flags of init and query as the table reads them: the date-code bit
// implies the block bit.
inline DWORD EffectiveSheetFlags(DWORD flags) {
    return (flags & KEL_SHEET_DATE_CODES) ? flags | KEL_SHEET_BLOCK : flags;
}
