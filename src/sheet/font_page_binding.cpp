// The font page as page assembly and reading back see it: the record's
// lfFont in and out.
#include "pages/font_page.h"
#include "sheet/page_classes.h"

#include <cstddef>

namespace {
constexpr size_t kFont = offsetof(KEL_MARK_ATTRIBUTES, lfFont);

void Load(CKELPGFon& page, PageLoad what, const AssemblyInput& in) {
    if (what == PageLoad::kRecord)
        page.LoadFont(in.record.Slice(kFont, sizeof(LOGFONTA)));
}

void Store(CKELPGFon& page, PageStore what, ReadBackOutput& out) {
    if (what == PageStore::kRecord)
        page.StoreFont(out.record.Slice(kFont, sizeof(LOGFONTA)));
}
} // namespace

PageClass FontPageClass() {
    return BindPageClass<CKELPGFon, Load, Store>(PageKind::Font, MakePage<CKELPGFon>);
}
