// The embedded image page as page assembly and reading back see it: the
// transparent flag from and to the record, and the "OiAnoDat" block.
#include "pages/image_page.h"
#include "sheet/page_classes.h"

#include <cstddef>

namespace {
constexpr size_t kTransparent = offsetof(KEL_MARK_ATTRIBUTES, bTransparent);

void Load(CKELPGIme& page, PageLoad what, const AssemblyInput& in) {
    if (what == PageLoad::kRecord)
        page.m_bTransparent = in.record.ReadValue<BOOL>(kTransparent);
    else if (what == PageLoad::kBlock)
        page.LoadBlock(in.blockName, in.blockData);
}

void Store(CKELPGIme& page, PageStore what, ReadBackOutput& out) {
    if (what == PageStore::kRecord)
        out.record.WriteValue<BOOL>(kTransparent, page.m_bTransparent);
    else if (what == PageStore::kBlock)
        page.StoreBlock(out.blockName, out.blockBuffer, &out.blockSize);
}
} // namespace

PageClass ImagePageClass() {
    return BindPageClass<CKELPGIme, Load, Store>(PageKind::Image, MakePage<CKELPGIme>);
}
