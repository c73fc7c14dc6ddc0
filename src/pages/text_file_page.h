// CKELPGTFF: the text file page. The user names a text file; when the host
// asks for the "OiAnText" block the file is read into it whole (never while
// the sheet is shown). An internet name is not read: the text is empty.
#pragma once

#include "pages/file_name_page.h"

class CKELPGTFF : public CFileNamePage {
public:
    CKELPGTFF();
    ~CKELPGTFF() override = default;

    // "OiAnText" as well as "OiFilNam"; other names are ignored (size 0).
    void LoadBlock(const char* name, CByteSpan data);
    void StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* size);

    BOOL OnInitDialog() override;

    std::unique_ptr<CNamedBlock> m_textBlock; // null when memory ran out

private:
    // Rebuilds the text block from the named file; keeps it as it is when
    // the file cannot be read.
    void ReadText();

    // The text block holds what the last size query read: fetches after it
    // hand over those bytes, the very size the host was told.
    bool m_bTextReadForFetch = false;
};
