// Page assembly when memory runs out, with stand-in pages that log being made
// and loaded (the rest of assembly is tested through the exports).
#include "sheet/page_assembly.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_events;

// A page of one kind: its constructor and load log themselves.
template <PageKind Kind> struct StandIn : CPropertyPage {
    static std::string Name() {
        return Kind == PageKind::Line ? "Line" : Kind == PageKind::Color ? "Color" : "Font";
    }
    StandIn() : CPropertyPage(0) { g_events.push_back("add " + Name()); }
    static void Load(StandIn&, Part, const AssemblyInput&) { g_events.push_back("load " + Name()); }
    static void Store(StandIn&, Part, ReadBackOutput&) {}
    static PageBinding Binding() { return BindPage<StandIn, Load, Store>(Kind, MakePage<StandIn>); }
};

} // namespace

// Line + Color (3), then Font + Color ... (518), with no memory for Color.
TEST(PageAssembly, OutOfMemoryStopsWithEarlierPagesLoaded) {
    PageBinding rows[] = {StandIn<PageKind::Line>::Binding(), StandIn<PageKind::Color>::Binding(),
                          StandIn<PageKind::Font>::Binding()};
    rows[1].make = [](DWORD) -> CPropertyPage* { throw std::bad_alloc(); };
    CKELPropertySheet sheet(nullptr);
    KEL_MARK_ATTRIBUTES record = {};
    for (DWORD markType : {3u, 518u}) {
        record.nMarkType = markType;
        EXPECT_EQ(DWORD(ERROR_NOT_ENOUGH_MEMORY),
                  AssemblePages(sheet, InitArgs{1, &record, nullptr, nullptr, 0}, rows));
    }
    EXPECT_EQ((std::vector<std::string>{"add Line", "load Line", "add Font", "load Font"}),
              g_events)
        << "nothing after the page that could not be made";
    EXPECT_EQ(2, sheet.GetPageCount());
    for (int i = 0; i < sheet.GetPageCount(); ++i)
        delete sheet.GetPage(i); // the sheet does not own its pages
}
