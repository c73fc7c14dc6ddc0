// The line page as page assembly and reading back see it: highlight flag and
// line size from and to the record.
#include "pages/line_page.h"
#include "sheet/page_classes.h"

#include <cstddef>

namespace {
void Load(CKELPGLn& page, PageLoad what, const AssemblyInput& in) {
    if (what == PageLoad::kRecord)
        page.m_bHighlight = in.record.ReadValue<BOOL>(offsetof(KEL_MARK_ATTRIBUTES, bHighlight));
    else if (what == PageLoad::kRecordHidingHighlight)
        page.m_showHighlight = 0; // the page keeps the flag it had
    else
        return;
    page.m_nLineSize = in.record.ReadValue<DWORD>(offsetof(KEL_MARK_ATTRIBUTES, nLineSize));
}

void Store(CKELPGLn& page, PageStore what, ReadBackOutput& out) {
    if (what != PageStore::kRecord)
        return;
    out.record.WriteValue<BOOL>(offsetof(KEL_MARK_ATTRIBUTES, bHighlight), page.m_bHighlight);
    out.record.WriteValue<DWORD>(offsetof(KEL_MARK_ATTRIBUTES, nLineSize), page.m_nLineSize);
}
} // namespace

PageClass LinePageClass() {
    return BindPageClass<CKELPGLn, Load, Store>(PageKind::Line, MakePage<CKELPGLn>);
}
