// The text stamp page as page assembly and reading back see it: the
// "OiAnText" block in and out, and with every block the date-code bit of the
// init flags.
#include "pages/stamp_page.h"
#include "sheet/page_classes.h"

namespace {
void Load(CKELPGTSt& page, PageLoad what, const AssemblyInput& in) {
    if (what != PageLoad::kBlock)
        return;
    page.LoadBlock(in.blockName, in.blockData);
    page.m_dateCodes = static_cast<int>(in.flags & KEL_SHEET_DATE_CODES);
}
} // namespace

PageClass StampPageClass() {
    return BindPageClass<CKELPGTSt, Load, StoreBlockOnly<CKELPGTSt>>(PageKind::Stamp,
                                                                     MakePage<CKELPGTSt>);
}
