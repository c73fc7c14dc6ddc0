// The password page as page assembly and reading back see it: the
// "OiAnoDat" block in and out.
#include "pages/password_page.h"
#include "sheet/page_classes.h"

namespace {
void Load(CKELPGPsd& page, PageLoad what, const AssemblyInput& in) {
    if (what == PageLoad::kBlock)
        page.LoadBlock(in.blockName, in.blockData);
}

void Store(CKELPGPsd& page, PageStore what, ReadBackOutput& out) {
    if (what == PageStore::kBlock)
        page.StoreBlock(out.blockName, out.blockBuffer, &out.blockSize);
}
} // namespace

PageClass PasswordPageClass() {
    return BindPageClass<CKELPGPsd, Load, Store>(PageKind::Password, MakePage<CKELPGPsd>);
}
