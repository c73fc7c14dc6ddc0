// The registry of page classes. A new page class takes part in sheets by one
// row here; the mark-type tables already name every page.
#include "sheet/page_classes.h"

const PageClassList& RegisteredPageClasses() {
    static const PageClass rows[] = {
        // clang-format off
        LinePageClass(),
        ColorPageClass(),
        GeneralPageClass(),
        TextFilePageClass(),
        AudioFilePageClass(),
        ImageReferencePageClass(),
        FontPageClass(),
        ArrowPageClass(),
        ImagePageClass(),
        RulerPageClass(),
        ProtractorPageClass(),
        TextPageClass(),
        LabelPageClass(),
        PasswordPageClass(),
        StampPageClass(),
        // clang-format on
    };
    static const PageClassList list(rows);
    return list;
}
