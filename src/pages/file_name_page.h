// The file-name field that the text file, audio file and image reference
// pages share: a label, an edit for the name and a Browse button that picks
// an existing file with the system's open-file dialog. The name travels in
// an "OiFilNam" block, rebuilt from the edit only once the user changed it.
#pragma once

#include "blocks/byte_span.h"
#include "blocks/named_block.h"
#include "framework/controls.h"
#include "framework/property_page.h"

#include <memory>
#include <string>

class CFileNamePage : public CPropertyPage {
public:
    // The page's own texts: its label and the Browse dialog's title and
    // filter ("|" between entries).
    struct FieldStrings {
        UINT label;
        UINT browseTitle;
        UINT browseFilter;
    };

    CFileNamePage(UINT templateId, UINT captionId, const FieldStrings& strings);
    ~CFileNamePage() override = default;

    // The "OiFilNam" block; other names are ignored (size 0).
    void LoadBlock(const char* name, CByteSpan data);
    void StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* size);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(const MessageArgs& m, LRESULT* result) override;

    CEdit m_nameEdit;
    CButton m_browseButton;
    std::string m_strFileName;
    std::string m_strLabel;
    std::unique_ptr<CNamedBlock> m_pNameBlock; // null when memory ran out
    int m_bModified = 0;

private:
    LRESULT OnBrowse(const MessageArgs& m);
    LRESULT OnNameChanged(const MessageArgs& m);

    FieldStrings m_strings;

    static const MessageEntry<CFileNamePage> kMessageMap[];
};
