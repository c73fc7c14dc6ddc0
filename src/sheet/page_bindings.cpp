// The page bindings: what each page class is given at init and asked at query,
// and the table of the page classes built into the library.
#include "sheet/page_bindings.h"

#include "pages/arrow_page.h"
#include "pages/audio_file_page.h"
#include "pages/color_page.h"
#include "pages/font_page.h"
#include "pages/general_page.h"
#include "pages/image_page.h"
#include "pages/image_reference_page.h"
#include "pages/label_page.h"
#include "pages/line_page.h"
#include "pages/password_page.h"
#include "pages/protractor_page.h"
#include "pages/ruler_page.h"
#include "pages/stamp_page.h"
#include "pages/text_file_page.h"
#include "pages/text_page.h"

namespace {
constexpr size_t kMain = offsetof(KEL_MARK_ATTRIBUTES, rgbMain);
constexpr size_t kExtra = offsetof(KEL_MARK_ATTRIBUTES, rgbExtra);
constexpr size_t kColorSize = sizeof(RGBQUAD);
constexpr size_t kHighlight = offsetof(KEL_MARK_ATTRIBUTES, bHighlight);
constexpr size_t kTransparent = offsetof(KEL_MARK_ATTRIBUTES, bTransparent);
constexpr size_t kLineSize = offsetof(KEL_MARK_ATTRIBUTES, nLineSize);
constexpr size_t kFont = offsetof(KEL_MARK_ATTRIBUTES, lfFont);

// Pages whose only business with a sheet is their named blocks.
template <class Page> void Load(Page& page, Part part, const AssemblyInput& in) {
    if (part == Part::kBlock)
        page.LoadBlock(in.blockName, in.blockData);
}

template <class Page> void Store(Page& page, Part part, ReadBackOutput& out) {
    if (part == Part::kBlock)
        page.StoreBlock(out.blockName, out.blockBuffer, &out.blockSize);
}

// Two-colour marks edit rgbExtra in the primary palette and rgbMain in the
// secondary one; all others edit rgbMain alone.
void Load(CKELPGClr& page, Part part, const AssemblyInput& in) {
    if (part == Part::kRecord) {
        page.LoadPrimaryColor(in.record.Slice(kMain, kColorSize));
        page.m_primaryOnly = 1;
    } else if (part == Part::kTwoColors) {
        page.LoadSecondaryColor(in.record.Slice(kMain, kColorSize));
        page.LoadPrimaryColor(in.record.Slice(kExtra, kColorSize));
    }
}

void Store(CKELPGClr& page, Part part, ReadBackOutput& out) {
    if (part == Part::kRecord) {
        page.StorePrimaryColor(out.record.Slice(kMain, kColorSize));
    } else if (part == Part::kTwoColors) {
        page.StoreSecondaryColor(out.record.Slice(kMain, kColorSize));
        page.StorePrimaryColor(out.record.Slice(kExtra, kColorSize));
    }
}

void Load(CKELPGLn& page, Part part, const AssemblyInput& in) {
    if (part == Part::kRecord)
        page.m_bHighlight = in.record.ReadValue<BOOL>(kHighlight);
    else if (part == Part::kRecordNoHighlight)
        page.m_showHighlight = 0; // the page keeps the flag it had
    else
        return;
    page.m_nLineSize = in.record.ReadValue<DWORD>(kLineSize);
}

void Store(CKELPGLn& page, Part part, ReadBackOutput& out) {
    if (part != Part::kRecord)
        return;
    out.record.WriteValue<BOOL>(kHighlight, page.m_bHighlight);
    out.record.WriteValue<DWORD>(kLineSize, page.m_nLineSize);
}

void Load(CKELPGGen& page, Part part, const AssemblyInput& in) {
    if (part == Part::kRecord)
        page.m_bHighlight = in.record.ReadValue<BOOL>(kHighlight);
}

void Store(CKELPGGen& page, Part part, ReadBackOutput& out) {
    if (part == Part::kRecord)
        out.record.WriteValue<BOOL>(kHighlight, page.m_bHighlight);
}

void Load(CKELPGFon& page, Part part, const AssemblyInput& in) {
    if (part == Part::kRecord)
        page.LoadFont(in.record.Slice(kFont, sizeof(LOGFONTA)));
}

void Store(CKELPGFon& page, Part part, ReadBackOutput& out) {
    if (part == Part::kRecord)
        page.StoreFont(out.record.Slice(kFont, sizeof(LOGFONTA)));
}

void Load(CKELPGIme& page, Part part, const AssemblyInput& in) {
    if (part == Part::kRecord)
        page.m_bTransparent = in.record.ReadValue<BOOL>(kTransparent);
    else if (part == Part::kBlock)
        page.LoadBlock(in.blockName, in.blockData);
}

void Store(CKELPGIme& page, Part part, ReadBackOutput& out) {
    if (part == Part::kRecord)
        out.record.WriteValue<BOOL>(kTransparent, page.m_bTransparent);
    else if (part == Part::kBlock)
        page.StoreBlock(out.blockName, out.blockBuffer, &out.blockSize);
}

// The image's resolution goes in before each block.
void Load(CKELPGRul& page, Part part, const AssemblyInput& in) {
    if (part != Part::kBlock)
        return;
    page.SetResolution(in.imageInfo->nXPelsPerMeter, in.imageInfo->nYPelsPerMeter);
    page.LoadBlock(in.blockName, in.blockData);
}

// With every block, the date-code bit of the init flags.
void Load(CKELPGTSt& page, Part part, const AssemblyInput& in) {
    if (part != Part::kBlock)
        return;
    page.LoadBlock(in.blockName, in.blockData);
    page.m_dateCodes = static_cast<int>(in.flags & KEL_SHEET_DATE_CODES);
}

// The bound-wrapping bits are loaded with the block, from the sheet's copy of
// the record, and written into the caller's record.
void Load(CKELPGTxt& page, Part part, const AssemblyInput& in) {
    if (part != Part::kBlock)
        return;
    page.LoadBlock(in.blockName, in.blockData);
    page.LoadRecord(CByteSpan(in.sheetRecord, sizeof(KEL_MARK_ATTRIBUTES)));
}

void Store(CKELPGTxt& page, Part part, ReadBackOutput& out) {
    if (part == Part::kRecord)
        page.StoreRecord(out.record);
    else if (part == Part::kBlock)
        page.StoreBlock(out.blockName, out.blockBuffer, &out.blockSize);
}

// The label page is made with the mark type, which picks its label.
CPropertyPage* MakeLabelPage(DWORD markType) {
    return new CKELPGTxl(markType);
}

template <class Page>
constexpr PageBinding Bind(PageKind kind, CPropertyPage* (*make)(DWORD) = MakePage<Page>) {
    return BindPage<Page, Load, Store>(kind, make);
}
} // namespace

const PageBinding* PageBindings::Find(PageKind kind) const {
    for (size_t i = 0; i < m_count; ++i)
        if (m_rows[i].kind == kind)
            return &m_rows[i];
    return nullptr;
}

const PageBinding* PageBindings::Of(const CPropertyPage& page) const {
    for (size_t i = 0; i < m_count; ++i)
        if (m_rows[i].isKindOf(page))
            return &m_rows[i];
    return nullptr;
}

const PageBindings& LibraryPageBindings() {
    static const PageBinding rows[] = {
        Bind<CKELPGIme>(PageKind::Image),      Bind<CKELPGImr>(PageKind::Reference),
        Bind<CKELPGLn>(PageKind::Line),        Bind<CKELPGClr>(PageKind::Color),
        Bind<CKELPGGen>(PageKind::General),    Bind<CKELPGFon>(PageKind::Font),
        Bind<CKELPGAr>(PageKind::Arrow),       Bind<CKELPGRul>(PageKind::Ruler),
        Bind<CKELPGArc>(PageKind::Protractor), Bind<CKELPGFil>(PageKind::Audio),
        Bind<CKELPGPsd>(PageKind::Password),   Bind<CKELPGTxl>(PageKind::Label, MakeLabelPage),
        Bind<CKELPGTSt>(PageKind::Stamp),      Bind<CKELPGTFF>(PageKind::TextFile),
        Bind<CKELPGTxt>(PageKind::Text),
    };
    static const PageBindings bindings(rows);
    return bindings;
}
