// The registry of page classes. A new page class takes part in sheets by one
// row here; the mark-type tables already name every page.
#include "sheet/page_classes.h"

const PageClassList& RegisteredPageClasses() {
    static const PageClass rows[] = {
        LinePageClass(),      ColorPageClass(),          GeneralPageClass(),  TextFilePageClass(),
        AudioFilePageClass(), ImageReferencePageClass(), FontPageClass(),     ArrowPageClass(),
        TextPageClass(),      LabelPageClass(),          PasswordPageClass(), StampPageClass(),
    };
    static const PageClassList list(rows);
    return list;
}
