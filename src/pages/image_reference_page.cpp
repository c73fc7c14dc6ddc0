// CKELPGImr: the image reference page.
#include "pages/image_reference_page.h"

#include "resources/resource_ids.h"

CKELPGImr::CKELPGImr()
    : CFileNamePage(IDD_IMAGE_REFERENCE, IDS_IMAGE_REFERENCE_CAPTION,
                    {IDS_IMAGE_FILE_LABEL, IDS_PICTURE_BROWSE_TITLE, IDS_PICTURE_BROWSE_FILTER}) {}
