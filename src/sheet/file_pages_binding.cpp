// The text file, audio file and image reference pages as page assembly and
// reading back see them: each takes and gives back named blocks only.
#include "pages/audio_file_page.h"
#include "pages/image_reference_page.h"
#include "pages/text_file_page.h"
#include "sheet/page_classes.h"

namespace {
template <class Page> void LoadBlock(Page& page, PageLoad what, const AssemblyInput& in) {
    if (what == PageLoad::kBlock)
        page.LoadBlock(in.blockName, in.blockData);
}

template <class Page> void StoreBlock(Page& page, PageStore what, ReadBackOutput& out) {
    if (what == PageStore::kBlock)
        page.StoreBlock(out.blockName, out.blockBuffer, &out.blockSize);
}

template <class Page> PageClass BindFilePage(PageKind kind) {
    return BindPageClass<Page, LoadBlock<Page>, StoreBlock<Page>>(kind, MakePage<Page>);
}
} // namespace

PageClass TextFilePageClass() {
    return BindFilePage<CKELPGTFF>(PageKind::TextFile);
}

PageClass AudioFilePageClass() {
    return BindFilePage<CKELPGFil>(PageKind::Audio);
}

PageClass ImageReferencePageClass() {
    return BindFilePage<CKELPGImr>(PageKind::Reference);
}
