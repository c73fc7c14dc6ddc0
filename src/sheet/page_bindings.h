// How page assembly and reading back reach the page classes: one row per page
// kind (page_bindings.cpp) with how to make, recognise, load and ask a page.
#pragma once

#include "blocks/byte_span.h"
#include "framework/property_page.h"
#include "kelgui.h"

#include <cstddef>

// The page classes a sheet can hold, by the short names the mark table uses.
enum class PageKind {
    Image,      // embedded image
    Reference,  // image reference
    Line,       // line size and highlight
    Color,      // one or two palettes
    General,    // highlight only
    Font,       // typeface, style and size
    Arrow,      // arrow head
    Ruler,      // measurement unit and gauge
    Protractor, // precision and arc radius
    Audio,      // sound file
    Password,   // encryption password
    Label,      // button text or push-pin label
    Stamp,      // text stamp with dates
    TextFile,   // text taken from a file
    Text,       // typed text and bound wrapping
};

// What one step of the mark table gives a page at init, or asks of it at query.
enum class Part {
    kTabOnly,           // init: found or added now (its tab), loaded by a later step
    kRecord,            // the record fields this page class edits
    kRecordNoHighlight, // init, line page of rulers: check box hidden, flag left as it was
    kTwoColors,         // colour page of two-colour marks
    kBlock,             // the named block, with what goes along with it
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

struct PageBinding {
    PageKind kind;
    // May throw std::bad_alloc; page assembly turns that into a 0 result.
    CPropertyPage* (*make)(DWORD markType);
    bool (*isKindOf)(const CPropertyPage& page);
    void (*load)(CPropertyPage& page, Part part, const AssemblyInput& in);
    void (*store)(CPropertyPage& page, Part part, ReadBackOutput& out);
};

class PageBindings {
public:
    template <size_t N>
    constexpr PageBindings(const PageBinding (&rows)[N]) : m_rows(rows), m_count(N) {}

    // Null for a kind without a row: such pages are left out of sheets.
    const PageBinding* Find(PageKind kind) const;
    const PageBinding* Of(const CPropertyPage& page) const;

private:
    const PageBinding* m_rows;
    size_t m_count;
};

// The page classes built into the library.
const PageBindings& LibraryPageBindings();

// The row of a page class whose load and store are written for its own type.
template <class Page, void (*Load)(Page&, Part, const AssemblyInput&),
          void (*Store)(Page&, Part, ReadBackOutput&)>
constexpr PageBinding BindPage(PageKind kind, CPropertyPage* (*make)(DWORD)) {
    return PageBinding{
        kind, make,
        [](const CPropertyPage& page) { return dynamic_cast<const Page*>(&page) != nullptr; },
        [](CPropertyPage& page, Part part, const AssemblyInput& in) {
            Load(static_cast<Page&>(page), part, in);
        },
        [](CPropertyPage& page, Part part, ReadBackOutput& out) {
            Store(static_cast<Page&>(page), part, out);
        }};
}

// The usual maker: the page's default constructor.
template <class Page> CPropertyPage* MakePage(DWORD) {
    return new Page;
}
