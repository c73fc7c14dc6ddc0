// CKELPGFil: the audio file page.
#include "pages/audio_file_page.h"

#include "framework/afx_state.h"
#include "framework/colour_scheme.h"
#include "framework/data_exchange.h"
#include "framework/dpi.h"
#include "framework/message_box.h"
#include "resources/resource_ids.h"

#include <mmsystem.h>

namespace {
// The play picture drawn for the scale nearest below dpi (100, 150 or 200 per
// cent), in the scheme's button colours under a contrast scheme: its black
// triangle on light grey would be a light box on a dark button.
HBITMAP LoadPlayPicture(UINT dpi) {
    const UINT id = dpi >= 2 * kStandardDpi       ? IDB_PLAY_200
                    : 2 * dpi >= 3 * kStandardDpi ? IDB_PLAY_150
                                                  : IDB_PLAY;
    HINSTANCE module = AfxGetResourceHandle();
    if (IsContrastScheme()) {
        std::array<COLORMAP, 4> colours = ContrastImageColours();
        return CreateMappedBitmap(module, id, 0, colours.data(), static_cast<int>(colours.size()));
    }
    return LoadBitmapA(module, MAKEINTRESOURCEA(id));
}
} // namespace

MessageTable<CKELPGFil> CKELPGFil::Messages() {
    static const Entry table[] = {
        ForCommand<&CKELPGFil::OnPlay>(BN_CLICKED, IDC_PLAY),
    };
    return table;
}

// The tab reads string 2030: the template's title is not the table's text.
CKELPGFil::CKELPGFil()
    : CMessageMap(IDD_AUDIO_FILE, IDS_FILE_NAME_CAPTION,
                  {IDS_AUDIO_FILE_LABEL, IDS_AUDIO_BROWSE_TITLE, IDS_AUDIO_BROWSE_FILTER}) {}

void CKELPGFil::DoDataExchange(CDataExchange* dx) {
    CFileNamePage::DoDataExchange(dx);
    DDX_Control(dx, IDC_PLAY, m_playButton);
}

BOOL CKELPGFil::OnInitDialog() {
    const BOOL result = CFileNamePage::OnInitDialog();
    // Made anew for each window of the page: the scale or the scheme may have
    // changed since the last; the old window, which showed the old one, is gone.
    m_playPicture.Reset(LoadPlayPicture(WindowDpi(m_hWnd)));
    m_playButton.SendMessage(BM_SETIMAGE, IMAGE_BITMAP,
                             reinterpret_cast<LPARAM>(static_cast<HBITMAP>(m_playPicture)));
    m_playButton.SetWindowText(AfxLoadString(IDS_NAME_PLAY).c_str()); // read out, not drawn
    return result;
}

// Plays what the edit shows now, saved or not. A missing or unplayable file
// plays nothing and shows nothing: no default sound stands in for it.
void CKELPGFil::OnPlay() {
    PlaySoundA(m_nameEdit.GetWindowText().c_str(), nullptr,
               SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}
