// Page assembly when memory runs out, with stand-in pages that log being made
// and loaded (the rest of assembly is tested through the exports).
#include "sheet/page_assembly.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;
Strings g_events;

template <PageKind Kind> std::string NameOf() {
    return Kind == PageKind::Line ? "Line" : Kind == PageKind::Color ? "Color" : "Font";
}

template <PageKind Kind> class StandIn : public CPropertyPage {
public:
    StandIn() : CPropertyPage(0) { g_events.push_back("add " + NameOf<Kind>()); }
};

template <PageKind Kind> void Load(StandIn<Kind>&, Part, const AssemblyInput&) {
    g_events.push_back("load " + NameOf<Kind>());
}

template <PageKind Kind> void Store(StandIn<Kind>&, Part, ReadBackOutput&) {}

template <PageKind Kind> PageBinding StandInBinding() {
    return BindPage<StandIn<Kind>, Load<Kind>, Store<Kind>>(Kind, MakePage<StandIn<Kind>>);
}

CPropertyPage* RunOutOfMemory(DWORD) {
    throw std::bad_alloc();
}

} // namespace

// Line + Color (3), then Font + Color ... (518), with no memory for Color.
TEST(PageAssembly, OutOfMemoryStopsWithEarlierPagesLoaded) {
    PageBinding rows[] = {StandInBinding<PageKind::Line>(), StandInBinding<PageKind::Color>(),
                          StandInBinding<PageKind::Font>()};
    rows[1].make = RunOutOfMemory;
    CKELPropertySheet sheet(nullptr);
    KEL_MARK_ATTRIBUTES record = {};
    for (DWORD markType : {3u, 518u}) {
        record.nMarkType = markType;
        EXPECT_EQ(DWORD(ERROR_NOT_ENOUGH_MEMORY),
                  AssemblePages(sheet, InitArgs{1, &record, nullptr, nullptr, 0}, rows));
    }
    EXPECT_EQ((Strings{"add Line", "load Line", "add Font", "load Font"}), g_events)
        << "nothing after the page that could not be made";
    EXPECT_EQ(2, sheet.GetPageCount());
    while (sheet.GetPageCount() > 0) {
        CPropertyPage* page = sheet.GetPage(0);
        sheet.RemovePage(0);
        delete page;
    }
}
