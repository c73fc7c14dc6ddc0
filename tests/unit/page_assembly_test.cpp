// Page assembly and reading back with stand-in pages for every page kind, so
// that the mark-type tables, the load order, the block walk and the size query
// are checked before the real page classes exist.
#include "sheet/named_block.h"
#include "sheet/page_assembly.h"
#include "sheet/read_back.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

std::vector<std::string>& Events() {
    static std::vector<std::string> events;
    return events;
}

const char* NameOf(PageKind kind) {
    static const char* const names[] = {"Image",    "Reference", "Line",  "Color",      "General",
                                        "Font",     "Arrow",     "Ruler", "Protractor", "Audio",
                                        "Password", "Label",     "Stamp", "TextFile",   "Text"};
    return names[static_cast<int>(kind)];
}

const char* WhatOf(PageLoad what) {
    switch (what) {
    case PageLoad::kRecord:
        return "record";
    case PageLoad::kRecordHidingHighlight:
        return "record hiding highlight";
    case PageLoad::kTwoColors:
        return "two colours";
    case PageLoad::kBlock:
        return "block";
    default:
        return "nothing";
    }
}

const char* WhatOf(PageStore what) {
    return what == PageStore::kRecord      ? "record"
           : what == PageStore::kTwoColors ? "two colours"
                                           : "block";
}

// The block each kind holds, as the real pages will.
const char* BlockNameOf(PageKind kind) {
    switch (kind) {
    case PageKind::Reference:
    case PageKind::Audio:
        return "OiFilNam";
    case PageKind::Label:
    case PageKind::Stamp:
    case PageKind::Text:
    case PageKind::TextFile:
        return "OiAnText";
    default:
        return "OiAnoDat";
    }
}

// One distinct class per kind, so that the kind-of test tells them apart.
template <PageKind Kind> class StandIn : public CPropertyPage {
public:
    StandIn() : CPropertyPage(0) { Events().push_back(std::string("add ") + NameOf(Kind)); }
    CNamedBlock m_block{BlockNameOf(Kind)};
    DWORD m_dateCodes = 0xFFFF;
    LONG m_resolution = -1;
};

template <PageKind Kind> void Load(StandIn<Kind>& page, PageLoad what, const AssemblyInput& in) {
    Events().push_back(std::string("load ") + NameOf(Kind) + " " + WhatOf(what));
    if (what != PageLoad::kBlock)
        return;
    if (page.m_block.IsNamed(in.blockName))
        page.m_block.SetCopy(in.blockData);
    page.m_dateCodes = in.flags & KEL_SHEET_DATE_CODES;
    page.m_resolution = in.imageInfo->nXPelsPerMeter;
}

template <PageKind Kind> void Store(StandIn<Kind>& page, PageStore what, ReadBackOutput& out) {
    Events().push_back(std::string("store ") + NameOf(Kind) + " " + WhatOf(what));
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

const PageClass kAllKinds[] = {
    StandInClass<PageKind::Image>(),      StandInClass<PageKind::Reference>(),
    StandInClass<PageKind::Line>(),       StandInClass<PageKind::Color>(),
    StandInClass<PageKind::General>(),    StandInClass<PageKind::Font>(),
    StandInClass<PageKind::Arrow>(),      StandInClass<PageKind::Ruler>(),
    StandInClass<PageKind::Protractor>(), StandInClass<PageKind::Audio>(),
    StandInClass<PageKind::Password>(),   StandInClass<PageKind::Label>(),
    StandInClass<PageKind::Stamp>(),      StandInClass<PageKind::TextFile>(),
    StandInClass<PageKind::Text>(),
};

class Assembly : public ::testing::Test {
protected:
    void SetUp() override { Events().clear(); }
    void TearDown() override {
        while (m_sheet.GetPageCount() > 0) {
            CPropertyPage* page = m_sheet.GetPage(0);
            m_sheet.RemovePage(0);
            delete page;
        }
    }

    BOOL Init(DWORD markType, DWORD flags, const char* name = nullptr, const void* data = nullptr,
              DWORD size = 0, const PageClassList& classes = kAllKinds) {
        m_record.nMarkType = markType;
        return AssemblePages(m_sheet, InitArgs{flags, &m_record, name, data, size}, classes);
    }
    BOOL Query(DWORD flags, const char* name, void* buffer, DWORD* size) {
        KEL_MARK_ATTRIBUTES out = {};
        return ReadBack(m_sheet, QueryArgs{flags, &out, name, buffer, size}, kAllKinds);
    }
    std::vector<std::string> Tabs() const {
        std::vector<std::string> tabs;
        const PageClassList classes(kAllKinds);
        for (int i = 0; i < m_sheet.GetPageCount(); ++i)
            tabs.push_back(NameOf(classes.ClassOf(*m_sheet.GetPage(i))->kind));
        return tabs;
    }
    template <PageKind Kind> StandIn<Kind>* Page() const {
        for (int i = 0; i < m_sheet.GetPageCount(); ++i)
            if (auto* page = dynamic_cast<StandIn<Kind>*>(m_sheet.GetPage(i)))
                return page;
        return nullptr;
    }

    CKELPropertySheet m_sheet{nullptr};
    KEL_MARK_ATTRIBUTES m_record = {};
};

using Strings = std::vector<std::string>;

TEST_F(Assembly, EveryGroupGetsItsPagesInTableOrder) {
    const struct {
        DWORD markType;
        Strings tabs;
    } cases[] = {
        {1, {"Image"}},
        {2, {"Image", "Reference"}},
        {501, {"Line", "Color"}},
        {506, {"Line", "Color", "Arrow"}},
        {510, {"Line", "Color", "Font", "Ruler"}},
        {511, {"Line", "Color", "Font", "Protractor"}},
        {500, {"General", "Color"}},
        {514, {"Color"}},
        {503, {"Audio"}},
        {509, {"Password"}},
        {7, {"Font", "Color", "Text"}},
        {8, {"Font", "Color", "TextFile"}},
        {9, {"Font", "Color", "Stamp"}},
        {10, {"Font", "Color", "Text"}},
        {513, {"Font", "Color", "Label"}},
        {518, {"Font", "Color", "Line", "Text"}},
        {515, {}},
        {0, {}},
    };
    for (const auto& c : cases) {
        TearDown();
        EXPECT_EQ(1, Init(c.markType, 3, "OiAnoDat", "x", 1));
        EXPECT_EQ(c.tabs, Tabs()) << "mark type " << c.markType;
    }
}

TEST_F(Assembly, TextMarkFindsColorAfterFontAndLoadsItAfterLine) {
    ASSERT_EQ(1, Init(518, 3, "OiAnText", "t", 1));
    EXPECT_EQ((Strings{"add Font", "load Font record", "add Color", "add Line", "load Line record",
                       "load Color record", "add Text", "load Text block"}),
              Events());
}

TEST_F(Assembly, RulerLineHidesHighlightAndTwoColourMarksLoadBoth) {
    ASSERT_EQ(1, Init(511, 1));
    EXPECT_EQ("load Line record hiding highlight", Events()[1]);
    TearDown();
    Events().clear();
    ASSERT_EQ(1, Init(512, 1));
    EXPECT_EQ("load Color two colours", Events().back());
}

TEST_F(Assembly, OutOfMemoryStopsWithEarlierPagesLoaded) {
    PageClass classes[] = {StandInClass<PageKind::Line>(), StandInClass<PageKind::Color>(),
                           StandInClass<PageKind::Font>()};
    classes[1].create = RunOutOfMemory;
    EXPECT_EQ(0, Init(3, 1, nullptr, nullptr, 0, classes));
    EXPECT_EQ((Strings{"add Line", "load Line record"}), Events());
    EXPECT_EQ(1, m_sheet.GetPageCount());
    TearDown();
    Events().clear();
    EXPECT_EQ(0, Init(518, 1, nullptr, nullptr, 0, classes));
    EXPECT_EQ((Strings{"add Font", "load Font record"}), Events()) << "Line is not added";
}

TEST_F(Assembly, DateCodesImplyTheBlockBitAndAreSetBackByFlagsTwo) {
    ASSERT_EQ(1, Init(9, 1));
    Events().clear();
    ASSERT_EQ(1, Init(9, 4, "OiAnText", "d", 1));
    ASSERT_NE(nullptr, Page<PageKind::Stamp>());
    EXPECT_EQ(4u, Page<PageKind::Stamp>()->m_dateCodes);
    EXPECT_EQ((Strings{"add Stamp", "load Stamp block"}), Events()) << "no record pages";
    ASSERT_EQ(1, Init(9, 2, "OiAnText", "d", 1));
    EXPECT_EQ(0u, Page<PageKind::Stamp>()->m_dateCodes);
}

TEST_F(Assembly, RulerIsGivenTheSheetsResolution) {
    m_sheet.m_imageInfo.nXPelsPerMeter = 4724;
    ASSERT_EQ(1, Init(510, 3, "OiAnoDat", "r", 1));
    EXPECT_EQ(4724, Page<PageKind::Ruler>()->m_resolution);
}

TEST_F(Assembly, BlockArgumentsAreNotReadForMarksWithoutBlockPages) {
    // A name pointer that must not be dereferenced: assembly of type 3 has no
    // block step, so it is never read.
    const char* invalid = reinterpret_cast<const char*>(static_cast<uintptr_t>(0x10));
    EXPECT_EQ(1, Init(3, 3, invalid, invalid, 100));
}

// Mark type 2: the Image page ignores a file name, the Reference page takes
// it; a block the Image page has ends the walk before Reference is asked.
TEST_F(Assembly, ImageReferenceStopsAtTheFirstPageWithTheBlock) {
    ASSERT_EQ(1, Init(2, 3, "OiFilNam", "c:\\a.bmp", 9));
    ASSERT_EQ(1, Init(2, 2, "OiAnoDat", "123456", 6));
    EXPECT_EQ(6u, Page<PageKind::Image>()->m_block.Size());
    EXPECT_EQ(9u, Page<PageKind::Reference>()->m_block.Size());

    Events().clear();
    DWORD size = 0;
    ASSERT_EQ(1, Query(2, "OiFilNam", nullptr, &size));
    EXPECT_EQ(9u, size);
    EXPECT_EQ((Strings{"store Image block", "store Reference block"}), Events());
    Events().clear();
    ASSERT_EQ(1, Query(2, "OiAnoDat", nullptr, &size));
    EXPECT_EQ(6u, size);
    EXPECT_EQ(Strings{"store Image block"}, Events());
}

TEST_F(Assembly, RecordFieldsAreWrittenPageByPageAndAfterTheBlockFor518) {
    ASSERT_EQ(1, Init(518, 3, "OiAnText", "t", 1));
    Events().clear();
    DWORD size = 0;
    ASSERT_EQ(1, Query(3, "OiAnText", nullptr, &size));
    EXPECT_EQ((Strings{"store Font record", "store Color record", "store Text block",
                       "store Color record", "store Line record"}),
              Events())
        << "each walk goes in page order: Font, Color, Line, Text";
}

class SizeQuery : public Assembly {
protected:
    void SetUp() override {
        Assembly::SetUp();
        ASSERT_EQ(1, Init(506, 3, "OiAnoDat", "0123456789", 10));
    }
};

TEST_F(SizeQuery, SameSizeTwiceThenThatManyBytes) {
    DWORD first = 0, second = 0;
    ASSERT_EQ(1, Query(2, "OiAnoDat", nullptr, &first));
    ASSERT_EQ(1, Query(3, "OiAnoDat", nullptr, &second));
    EXPECT_EQ(10u, first);
    EXPECT_EQ(first, second);
    char buffer[16];
    std::memset(buffer, 0xEE, sizeof buffer);
    DWORD fetched = 0;
    ASSERT_EQ(1, Query(2, "OiAnoDat", buffer, &fetched));
    EXPECT_EQ(10u, fetched);
    EXPECT_EQ(0, std::memcmp(buffer, "0123456789", 10));
    EXPECT_EQ(char(0xEE), buffer[10]) << "nothing past the block";
}

TEST_F(SizeQuery, OtherNamesReportZero) {
    DWORD size = 99;
    ASSERT_EQ(1, Query(2, "OiFilNam", nullptr, &size));
    EXPECT_EQ(0u, size);
    ASSERT_EQ(1, Query(2, "oianodat", nullptr, &size));
    EXPECT_EQ(0u, size) << "names compare case-sensitively";
}

// The query has no buffer size: a buffer is written only when it was sized by
// a size query for that name, and only when the block still fits it.
TEST_F(SizeQuery, BuffersNotSizedForTheBlockAreLeftAlone) {
    char buffer[4] = {'k', 'e', 'e', 'p'};
    DWORD size = 0;
    EXPECT_EQ(0, Query(2, "OiAnoDat", buffer, &size)) << "no size query before";
    EXPECT_EQ(10u, size);
    EXPECT_EQ(0, std::memcmp(buffer, "keep", 4));

    ASSERT_EQ(1, Init(506, 2, "OiAnoDat", "abc", 3));
    ASSERT_EQ(1, Query(2, "OiAnoDat", nullptr, &size));
    ASSERT_EQ(3u, size);
    ASSERT_EQ(1, Init(506, 2, "OiAnoDat", "abcdefgh", 8));
    EXPECT_EQ(0, Query(2, "OiAnoDat", buffer, &size)) << "block grew after the size query";
    EXPECT_EQ(8u, size);
    EXPECT_EQ(0, std::memcmp(buffer, "keep", 4));
}

} // namespace
