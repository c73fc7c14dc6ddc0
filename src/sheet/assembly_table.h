// The mark-type table of page assembly: which pages each mark type gets, per
// flag bit, in tab order, and what each page is given.
#pragma once

#include "sheet/page_class.h"

#include <initializer_list>

struct PageStep {
    PageKind page;
    PageLoad load;
};

struct AssemblyRow {
    std::initializer_list<DWORD> markTypes;
    std::initializer_list<PageStep> withRecord; // flag bit 0
    std::initializer_list<PageStep> withBlock;  // flag bit 1
};

// The row of markType, or null for 0, 515 and unknown codes (no pages).
const AssemblyRow* FindAssemblyRow(DWORD markType);
