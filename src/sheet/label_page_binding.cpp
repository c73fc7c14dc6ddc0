// The label page as page assembly and reading back see it: made with the
// mark type (which picks its label), the "OiAnText" block in and out.
#include "pages/label_page.h"
#include "sheet/page_classes.h"

namespace {
CPropertyPage* MakeLabelPage(DWORD markType) {
    return new CKELPGTxl(markType);
}

void Load(CKELPGTxl& page, PageLoad what, const AssemblyInput& in) {
    if (what == PageLoad::kBlock)
        page.LoadBlock(in.blockName, in.blockData);
}

void Store(CKELPGTxl& page, PageStore what, ReadBackOutput& out) {
    if (what == PageStore::kBlock)
        page.StoreBlock(out.blockName, out.blockBuffer, &out.blockSize);
}
} // namespace

PageClass LabelPageClass() {
    return BindPageClass<CKELPGTxl, Load, Store>(PageKind::Label, MakeLabelPage);
}
