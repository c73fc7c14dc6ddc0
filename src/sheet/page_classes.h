// The page classes built into the library, as page assembly and reading back
// see them.
#pragma once

#include "sheet/page_class.h"

const PageClassList& RegisteredPageClasses();

// One row per page class; each is defined beside its binding.
PageClass LinePageClass();
PageClass ColorPageClass();
PageClass GeneralPageClass();
PageClass TextPageClass();
PageClass LabelPageClass();
PageClass PasswordPageClass();
PageClass StampPageClass();
PageClass FontPageClass();
PageClass ArrowPageClass();
PageClass TextFilePageClass();
PageClass AudioFilePageClass();
PageClass ImageReferencePageClass();
PageClass ImagePageClass();
PageClass RulerPageClass();
PageClass ProtractorPageClass();
