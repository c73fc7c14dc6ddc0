// The password page as page assembly and reading back see it: the
// "OiAnoDat" block in and out.
#include "pages/password_page.h"
#include "sheet/page_classes.h"

PageClass PasswordPageClass() {
    return BindBlockPage<CKELPGPsd>(PageKind::Password);
}
