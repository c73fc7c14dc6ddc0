// Lookups shared by the mark-type tables of page assembly and reading back.
#pragma once

#include "kelgui.h"

// The first row of table that lists markType, or null.
template <class Row, size_t N> const Row* FindMarkRow(const Row (&table)[N], DWORD markType) {
    for (const Row& row : table)
        for (DWORD type : row.markTypes)
            if (type == markType)
                return &row;
    return nullptr;
}

// The flags of init and query as the tables read them: the date-code bit
// implies the block bit.
inline DWORD EffectiveSheetFlags(DWORD flags) {
    return (flags & KEL_SHEET_DATE_CODES) ? flags | KEL_SHEET_BLOCK : flags;
}
