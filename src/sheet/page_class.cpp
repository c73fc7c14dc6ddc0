// Lookup in the list of registered page classes.
#include "sheet/page_class.h"

const PageClass* PageClassList::Find(PageKind kind) const {
    for (size_t i = 0; i < m_count; ++i)
        if (m_rows[i].kind == kind)
            return &m_rows[i];
    return nullptr;
}

const PageClass* PageClassList::ClassOf(const CPropertyPage& page) const {
    for (size_t i = 0; i < m_count; ++i)
        if (m_rows[i].isKindOf(page))
            return &m_rows[i];
    return nullptr;
}
