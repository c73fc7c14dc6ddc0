// The ruler page as page assembly and reading back see it: the image's
// resolution before each block, then the block; both blocks back by name.
#include "pages/ruler_page.h"
#include "sheet/page_classes.h"

namespace {
void Load(CKELPGRul& page, PageLoad what, const AssemblyInput& in) {
    if (what != PageLoad::kBlock)
        return;
    page.SetResolution(in.imageInfo->nXPelsPerMeter, in.imageInfo->nYPelsPerMeter);
    page.LoadBlock(in.blockName, in.blockData);
}

void Store(CKELPGRul& page, PageStore what, ReadBackOutput& out) {
    if (what == PageStore::kBlock)
        page.StoreBlock(out.blockName, out.blockBuffer, &out.blockSize);
}
} // namespace

PageClass RulerPageClass() {
    return BindPageClass<CKELPGRul, Load, Store>(PageKind::Ruler, MakePage<CKELPGRul>);
}
