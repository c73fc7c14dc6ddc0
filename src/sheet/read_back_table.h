// The read-back table: per mark type, which pages write which record fields
// and which pages are asked for the named block.
#pragma once

#include "sheet/page_class.h"

#include <initializer_list>

struct ReadStep {
    PageKind page;
    PageStore store;
};

struct ReadBackRow {
    std::initializer_list<DWORD> markTypes;
    std::initializer_list<ReadStep> withRecord; // flag bit 0, one walk over the pages
    std::initializer_list<ReadStep> withBlock;  // flag bit 1, one walk over the pages
    std::initializer_list<ReadStep> afterBlock; // flag bit 0 again, after the block walk
    bool stopAtFirstBlock;                      // the first page with the block ends the call
};

// The row of markType, or null for 515 and unknown codes (nothing written).
const ReadBackRow* FindReadBackRow(DWORD markType);
