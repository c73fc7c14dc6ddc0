// CKELPGFil: the audio file page, the file-name field and a play button that
// plays the named sound in the background.
#pragma once

#include "pages/file_name_page.h"

class CKELPGFil : public CFileNamePage {
public:
    CKELPGFil();
    ~CKELPGFil() override;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(const MessageArgs& m, LRESULT* result) override;

    CButton m_playButton;
    HBITMAP m_hPlayPicture = nullptr; // made once, kept for the page's life

private:
    LRESULT OnPlay(const MessageArgs& m);

    static const MessageEntry<CKELPGFil> kMessageMap[];
};
