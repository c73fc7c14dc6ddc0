// The protractor page as page assembly and reading back see it: the
// "OiAnoDat" block in and out.
#include "pages/protractor_page.h"
#include "sheet/page_classes.h"

namespace {
void Load(CKELPGArc& page, PageLoad what, const AssemblyInput& in) {
    if (what == PageLoad::kBlock)
        page.LoadBlock(in.blockName, in.blockData);
}

void Store(CKELPGArc& page, PageStore what, ReadBackOutput& out) {
    if (what == PageStore::kBlock)
        page.StoreBlock(out.blockName, out.blockBuffer, &out.blockSize);
}
} // namespace

PageClass ProtractorPageClass() {
    return BindPageClass<CKELPGArc, Load, Store>(PageKind::Protractor, MakePage<CKELPGArc>);
}
