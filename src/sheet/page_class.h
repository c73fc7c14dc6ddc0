// What a page class offers page assembly and reading back: how to make one,
// how to recognise one, and what it is given and asked for. A page class takes
// part in sheets once it has a row in the registry (sheet/page_classes.cpp).
#pragma once

#include "framework/property_page.h"
#include "kelgui.h"
#include "blocks/byte_span.h"
#include "sheet/page_kind.h"

#include <cstddef>

// What page assembly gives a page in one step of the mark-type table.
enum class PageLoad {
    kAddOnly,               // found or added now, loaded by a later step
    kRecord,                // the record fields this page class edits
    kRecordHidingHighlight, // line page of rulers and protractors: no check box
    kTwoColors,             // colour page of two-colour marks
    kBlock,                 // the named block, with what goes along with it
};

// What reading back asks of a page in one step of the read-back table.
enum class PageStore {
    kRecord,    // write the record fields this page class edits
    kTwoColors, // colour page of two-colour marks
    kBlock,     // hand back the named block asked for
};

// Everything one init call hands to the pages.
struct AssemblyInput {
    DWORD markType;
    DWORD flags;                            // bit 2 already implies bit 1
    CByteSpan record;                       // the caller's record (bit 0), else empty
    const KEL_MARK_ATTRIBUTES* sheetRecord; // the sheet's own copy
    const KEL_IMAGE_INFO* imageInfo;        // the image context of the sheet
    const char* blockName;                  // 8 bytes (our copy) or null
    CByteSpan blockData;                    // the caller's block bytes
};

// Where one query call puts what the pages give back.
struct ReadBackOutput {
    CMutableByteSpan record;       // the caller's record (bit 0), else empty
    const char* blockName;         // 8 bytes (our copy) or null
    CMutableByteSpan* blockBuffer; // null: only the size is asked for
    DWORD blockSize;               // the size the last asked page reported
};

struct PageClass {
    PageKind kind;
    // May throw std::bad_alloc; page assembly turns that into a 0 result.
    CPropertyPage* (*create)(DWORD markType);
    bool (*isKindOf)(const CPropertyPage& page);
    void (*load)(CPropertyPage& page, PageLoad what, const AssemblyInput& in);
    void (*store)(CPropertyPage& page, PageStore what, ReadBackOutput& out);
};

// The registered page classes; kinds without a row are left out of sheets.
class PageClassList {
public:
    constexpr PageClassList(const PageClass* rows, size_t count) : m_rows(rows), m_count(count) {}
    template <size_t N>
    constexpr PageClassList(const PageClass (&rows)[N]) : PageClassList(rows, N) {}

    const PageClass* Find(PageKind kind) const;
    // The registered class of page, or null.
    const PageClass* ClassOf(const CPropertyPage& page) const;

private:
    const PageClass* m_rows;
    size_t m_count;
};

// The row of a page class whose load and store are written for its own type.
template <class Page, void (*Load)(Page&, PageLoad, const AssemblyInput&),
          void (*Store)(Page&, PageStore, ReadBackOutput&)>
PageClass BindPageClass(PageKind kind, CPropertyPage* (*create)(DWORD markType)) {
    return PageClass{
        kind, create,
        [](const CPropertyPage& page) { return dynamic_cast<const Page*>(&page) != nullptr; },
        [](CPropertyPage& page, PageLoad what, const AssemblyInput& in) {
            Load(static_cast<Page&>(page), what, in);
        },
        [](CPropertyPage& page, PageStore what, ReadBackOutput& out) {
            Store(static_cast<Page&>(page), what, out);
        }};
}

// The usual maker: the page's default constructor.
template <class Page> CPropertyPage* MakePage(DWORD) {
    return new Page;
}

// Load and store of a page whose only business with a sheet is one named
// block: it takes the block it is handed and gives it back when asked.
template <class Page> void LoadBlockOnly(Page& page, PageLoad what, const AssemblyInput& in) {
    if (what == PageLoad::kBlock)
        page.LoadBlock(in.blockName, in.blockData);
}

template <class Page> void StoreBlockOnly(Page& page, PageStore what, ReadBackOutput& out) {
    if (what == PageStore::kBlock)
        page.StoreBlock(out.blockName, out.blockBuffer, &out.blockSize);
}

// The row of such a page class.
template <class Page>
PageClass BindBlockPage(PageKind kind, CPropertyPage* (*create)(DWORD) = MakePage<Page>) {
    return BindPageClass<Page, LoadBlockOnly<Page>, StoreBlockOnly<Page>>(kind, create);
}
