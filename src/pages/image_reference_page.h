// CKELPGImr: the image reference page, the file-name field alone. The
// picture file is neither opened nor checked.
#pragma once

#include "pages/file_name_page.h"

class CKELPGImr : public CFileNamePage {
public:
    CKELPGImr();
    ~CKELPGImr() override = default;
};
