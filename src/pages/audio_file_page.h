// CKELPGFil: the audio file page, the file-name field and a play button that
// plays the named sound in the background.
#pragma once

#include "framework/owned.h"
#include "pages/file_name_page.h"

class CKELPGFil : public CMessageMap<CKELPGFil, CFileNamePage> {
public:
    CKELPGFil();
    ~CKELPGFil() override = default;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    static MessageTable<CKELPGFil> Messages();

    CButton m_playButton;
    COwnedBitmap m_playPicture; // made with each window of the page: the button never owns it

private:
    void OnPlay();
};
