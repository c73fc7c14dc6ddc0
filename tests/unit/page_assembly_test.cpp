// Page assembly and reading back driven by the mark-type tables, with a
// stand-in page for every kind: the load order of text marks, running out of
// memory, the block walk, and the size query with its bounded fetch.
#include "blocks/named_block.h"
#include "sheet/page_assembly.h"
#include "sheet/read_back.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;
Strings g_events;

const char* NameOf(PageKind kind) {
    static const char* const names[] = {"Image",    "Reference", "Line",  "Color",      "General",
                                        "Font",     "Arrow",     "Ruler", "Protractor", "Audio",
                                        "Password", "Label",     "Stamp", "TextFile",   "Text"};
    return names[static_cast<int>(kind)];
}

// One class per kind, so that the kind-of test tells them apart. Reference
// holds a file name, every other stand-in mark data.
template <PageKind Kind> class StandIn : public CPropertyPage {
public:
    StandIn() : CPropertyPage(0) { g_events.push_back(std::string("add ") + NameOf(Kind)); }
    CNamedBlock m_block{Kind == PageKind::Reference ? "OiFilNam" : "OiAnoDat"};
};

template <PageKind Kind> void Load(StandIn<Kind>& page, PageLoad what, const AssemblyInput& in) {
    g_events.push_back(std::string("load ") + NameOf(Kind));
    if (what == PageLoad::kBlock && page.m_block.IsNamed(in.blockName))
        page.m_block.SetCopy(in.blockData);
}

template <PageKind Kind> void Store(StandIn<Kind>& page, PageStore what, ReadBackOutput& out) {
    g_events.push_back(std::string("store ") + NameOf(Kind));
    if (what != PageStore::kBlock || !page.m_block.IsNamed(out.blockName))
        return;
    if (out.blockBuffer)
        page.m_block.CopyTo(*out.blockBuffer);
    out.blockSize = page.m_block.Size();
}

template <PageKind Kind> PageClass StandInClass() {
    return BindPageClass<StandIn<Kind>, Load<Kind>, Store<Kind>>(Kind, MakePage<StandIn<Kind>>);
}

CPropertyPage* RunOutOfMemory(DWORD) {
    throw std::bad_alloc();
}

class Assembly : public ::testing::Test {
protected:
    Assembly()
        : m_classes{StandInClass<PageKind::Image>(), StandInClass<PageKind::Reference>(),
                    StandInClass<PageKind::Line>(),  StandInClass<PageKind::Color>(),
                    StandInClass<PageKind::Font>(),  StandInClass<PageKind::Arrow>(),
                    StandInClass<PageKind::Text>()} {
        g_events.clear();
    }
    ~Assembly() override {
        while (m_sheet.GetPageCount() > 0) {
            CPropertyPage* page = m_sheet.GetPage(0);
            m_sheet.RemovePage(0);
            delete page;
        }
    }
    BOOL Init(DWORD markType, DWORD flags, const char* name = nullptr, const char* data = nullptr) {
        m_record.nMarkType = markType;
        const DWORD size = data ? static_cast<DWORD>(std::strlen(data)) : 0;
        return AssemblePages(m_sheet, InitArgs{flags, &m_record, name, data, size}, m_classes);
    }
    BOOL Query(DWORD flags, const char* name, void* buffer, DWORD* size) {
        KEL_MARK_ATTRIBUTES out = {};
        return ReadBack(m_sheet, QueryArgs{flags, &out, name, buffer, size}, m_classes);
    }

    PageClass m_classes[7];
    CKELPropertySheet m_sheet{nullptr};
    KEL_MARK_ATTRIBUTES m_record = {};
};

TEST_F(Assembly, TextMarkAddsColorAfterFontAndLoadsItAfterLine) {
    ASSERT_EQ(1, Init(518, 3, "OiAnText", "t"));
    EXPECT_EQ((Strings{"add Font", "load Font", "add Color", "add Line", "load Line", "load Color",
                       "add Text", "load Text"}),
              g_events);
    g_events.clear();
    DWORD size = 0;
    ASSERT_EQ(1, Query(3, "OiAnText", nullptr, &size));
    EXPECT_EQ((Strings{"store Font", "store Color", "store Text", "store Color", "store Line"}),
              g_events)
        << "Line's fields and rgbMain again after the block, each walk in page order";
}

TEST_F(Assembly, OutOfMemoryStopsWithEarlierPagesLoaded) {
    m_classes[3].create = RunOutOfMemory; // Color
    EXPECT_EQ(0, Init(3, 1));
    EXPECT_EQ((Strings{"add Line", "load Line"}), g_events);
    EXPECT_EQ(1, m_sheet.GetPageCount());
    EXPECT_EQ(0, Init(518, 1));
    EXPECT_EQ((Strings{"add Line", "load Line", "add Font", "load Font"}), g_events)
        << "nothing after the page that could not be made";
}

TEST_F(Assembly, BlockArgumentsAreReadOnlyForMarksWithBlockPages) {
    const char* invalid = reinterpret_cast<const char*>(static_cast<uintptr_t>(0x10));
    EXPECT_EQ(1, AssemblePages(m_sheet, InitArgs{3, &m_record, invalid, invalid, 100}, m_classes));
    m_record.nMarkType = 3;
    EXPECT_EQ(1, AssemblePages(m_sheet, InitArgs{3, &m_record, invalid, invalid, 100}, m_classes));
}

// Image reference: the Image page ignores a file name and the Reference page
// takes it; a block the Image page has ends the walk before Reference.
TEST_F(Assembly, ImageReferenceStopsAtTheFirstPageWithTheBlock) {
    ASSERT_EQ(1, Init(2, 3, "OiFilNam", "c:\\a.bmp"));
    ASSERT_EQ(1, Init(2, 2, "OiAnoDat", "123456"));
    g_events.clear();
    DWORD size = 0;
    ASSERT_EQ(1, Query(2, "OiFilNam", nullptr, &size));
    EXPECT_EQ(8u, size);
    EXPECT_EQ((Strings{"store Image", "store Reference"}), g_events);
    g_events.clear();
    ASSERT_EQ(1, Query(2, "OiAnoDat", nullptr, &size));
    EXPECT_EQ(6u, size);
    EXPECT_EQ(Strings{"store Image"}, g_events);
}

// The query carries no buffer size: after a size query for a name, a
// buffer is written only while the block still fits the size reported.
TEST_F(Assembly, SizeQueryThenFetchOfThatManyBytes) {
    ASSERT_EQ(1, Init(506, 3, "OiAnoDat", "0123456789"));
    char buffer[16];
    std::memset(buffer, 'k', sizeof buffer);
    DWORD first = 0, second = 0, fetched = 0;
    // A host that knows the block's size may fetch without asking first.
    EXPECT_EQ(1, Query(2, "OiAnoDat", buffer, &fetched));
    EXPECT_EQ(10u, fetched);
    EXPECT_EQ(0, std::memcmp(buffer, "0123456789k", 11));
    std::memset(buffer, 'k', sizeof buffer);
    ASSERT_EQ(1, Query(2, "OiAnoDat", nullptr, &first));
    ASSERT_EQ(1, Query(3, "OiAnoDat", nullptr, &second));
    EXPECT_EQ(10u, first);
    EXPECT_EQ(first, second);
    ASSERT_EQ(1, Query(2, "OiAnoDat", buffer, &fetched));
    EXPECT_EQ(10u, fetched);
    EXPECT_EQ(0, std::memcmp(buffer, "0123456789k", 11)) << "nothing past the block";

    ASSERT_EQ(1, Init(506, 2, "OiAnoDat", "a longer block"));
    std::memset(buffer, 'k', sizeof buffer);
    EXPECT_EQ(0, Query(2, "OiAnoDat", buffer, &fetched)) << "grew after the size query";
    EXPECT_EQ(14u, fetched);
    EXPECT_EQ('k', buffer[0]);
    ASSERT_EQ(1, Query(2, "oianodat", nullptr, &fetched));
    EXPECT_EQ(0u, fetched) << "names compare case-sensitively";
}

} // namespace
