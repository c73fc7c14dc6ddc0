// CKELPGFil: the audio file page, the file-name field and a play button that
// plays the named sound in the background.
#pragma once

#include "framework/owned.h"
#include "pages/file_name_page.h"

class CKELPGFil : public CFileNamePage {
public:
    CKELPGFil();
    ~CKELPGFil() override = default;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(const MessageArgs& m, LRESULT* result) override;

    CButton m_playButton;
    COwnedBitmap m_playPicture; // made once, kept for the page's life: the button never owns it

private:
    LRESULT OnPlay(const MessageArgs& m);

    static const MessageEntry<CKELPGFil> kMessageMap[];
};
