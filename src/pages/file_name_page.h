// The file-name field that the text file, audio file and image reference
// pages share: a label, an edit for the name and a Browse button that picks
// an existing file with the system's open-file dialog. The name travels in
// an "OiFilNam" block, rebuilt from the edit only once the user changed it.
#pragma once

#include "framework/controls.h"
#include "framework/message_map.h"
#include "pages/text_block_page.h"

#include <string>

class CFileNamePage : public CMessageMap<CFileNamePage, CTextBlockPage> {
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

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    static MessageTable<CFileNamePage> Messages();

    CEdit m_nameEdit;
    CButton m_browseButton;
    std::string m_strFileName;
    std::string m_strLabel;

private:
    // Kept as typed, however long: the name is the user's, not cut short. A
    // name that could not be built gives back the block as loaded.
    bool UpdateBlock() override;
    void OnBrowse();

    FieldStrings m_strings;
};
