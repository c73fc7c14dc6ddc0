// The text file, audio file and image reference pages as page assembly and
// reading back see them: each takes and gives back named blocks only.
#include "pages/audio_file_page.h"
#include "pages/image_reference_page.h"
#include "pages/text_file_page.h"
#include "sheet/page_classes.h"

PageClass TextFilePageClass() {
    return BindBlockPage<CKELPGTFF>(PageKind::TextFile);
}

PageClass AudioFilePageClass() {
    return BindBlockPage<CKELPGFil>(PageKind::Audio);
}

PageClass ImageReferencePageClass() {
    return BindBlockPage<CKELPGImr>(PageKind::Reference);
}
