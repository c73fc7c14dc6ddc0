// The arrow page as page assembly and reading back see it: the "OiAnoDat"
// block in and out.
#include "pages/arrow_page.h"
#include "sheet/page_classes.h"

namespace {
void Load(CKELPGAr& page, PageLoad what, const AssemblyInput& in) {
    if (what == PageLoad::kBlock)
        page.LoadBlock(in.blockName, in.blockData);
}

void Store(CKELPGAr& page, PageStore what, ReadBackOutput& out) {
    if (what == PageStore::kBlock)
        page.StoreBlock(out.blockName, out.blockBuffer, &out.blockSize);
}
} // namespace

PageClass ArrowPageClass() {
    return BindPageClass<CKELPGAr, Load, Store>(PageKind::Arrow, MakePage<CKELPGAr>);
}
