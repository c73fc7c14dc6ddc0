// The label page as page assembly and reading back see it: made with the
// mark type (which picks its label), the "OiAnText" block in and out.
#include "pages/label_page.h"
#include "sheet/page_classes.h"

namespace {
CPropertyPage* MakeLabelPage(DWORD markType) {
    return new CKELPGTxl(markType);
}
} // namespace

PageClass LabelPageClass() {
    return BindBlockPage<CKELPGTxl>(PageKind::Label, MakeLabelPage);
}
