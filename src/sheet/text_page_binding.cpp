// The typed text page as page assembly and reading back see it: the
// "OiAnText" block, and the bound-wrapping bits of the record (loaded from
// the sheet's copy, written into the caller's record).
#include "pages/text_page.h"
#include "sheet/page_classes.h"

namespace {
void Load(CKELPGTxt& page, PageLoad what, const AssemblyInput& in) {
    if (what != PageLoad::kBlock)
        return;
    page.LoadBlock(in.blockName, in.blockData);
    page.LoadRecord(CByteSpan(in.sheetRecord, sizeof(KEL_MARK_ATTRIBUTES)));
}

void Store(CKELPGTxt& page, PageStore what, ReadBackOutput& out) {
    if (what == PageStore::kRecord)
        page.StoreRecord(out.record);
    else if (what == PageStore::kBlock)
        page.StoreBlock(out.blockName, out.blockBuffer, &out.blockSize);
}
} // namespace

PageClass TextPageClass() {
    return BindPageClass<CKELPGTxt, Load, Store>(PageKind::Text, MakePage<CKELPGTxt>);
}
