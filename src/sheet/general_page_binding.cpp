// The general page as page assembly and reading back see it: the highlight
// flag from and to the record.
#include "pages/general_page.h"
#include "sheet/page_classes.h"

#include <cstddef>

namespace {
constexpr size_t kHighlight = offsetof(KEL_MARK_ATTRIBUTES, bHighlight);

void Load(CKELPGGen& page, PageLoad what, const AssemblyInput& in) {
    if (what == PageLoad::kRecord)
        page.m_bHighlight = in.record.ReadValue<BOOL>(kHighlight);
}

void Store(CKELPGGen& page, PageStore what, ReadBackOutput& out) {
    if (what == PageStore::kRecord)
        out.record.WriteValue<BOOL>(kHighlight, page.m_bHighlight);
}
} // namespace

PageClass GeneralPageClass() {
    return BindPageClass<CKELPGGen, Load, Store>(PageKind::General, MakePage<CKELPGGen>);
}
