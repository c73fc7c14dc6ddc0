// The colour page as page assembly and reading back see it. Two-colour marks
// edit rgbExtra in the primary palette and rgbMain in the secondary one; all
// others edit rgbMain alone.
#include "pages/color_page.h"
#include "sheet/page_classes.h"

#include <cstddef>

namespace {
constexpr size_t kMain = offsetof(KEL_MARK_ATTRIBUTES, rgbMain);
constexpr size_t kExtra = offsetof(KEL_MARK_ATTRIBUTES, rgbExtra);
constexpr size_t kColorSize = sizeof(RGBQUAD);

void Load(CKELPGClr& page, PageLoad what, const AssemblyInput& in) {
    if (what == PageLoad::kRecord) {
        page.LoadPrimaryColor(in.record.Slice(kMain, kColorSize));
        page.m_primaryOnly = 1;
    } else if (what == PageLoad::kTwoColors) {
        page.LoadSecondaryColor(in.record.Slice(kMain, kColorSize));
        page.LoadPrimaryColor(in.record.Slice(kExtra, kColorSize));
    }
}

void Store(CKELPGClr& page, PageStore what, ReadBackOutput& out) {
    if (what == PageStore::kRecord) {
        page.StorePrimaryColor(out.record.Slice(kMain, kColorSize));
    } else if (what == PageStore::kTwoColors) {
        page.StoreSecondaryColor(out.record.Slice(kMain, kColorSize));
        page.StorePrimaryColor(out.record.Slice(kExtra, kColorSize));
    }
}
} // namespace

PageClass ColorPageClass() {
    return BindPageClass<CKELPGClr, Load, Store>(PageKind::Color, MakePage<CKELPGClr>);
}
