// CKELPGTxt: the typed text page.
#include "pages/text_page.h"

#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "kelgui.h"
#include "pages/text_edit_setup.h"
#include "resources/resource_ids.h"

#include <cstddef>
#include <iterator>

namespace {
constexpr size_t kTextFlags = offsetof(KEL_MARK_ATTRIBUTES, dwTextFlags);
constexpr DWORD kWrapBits = TF_WRAP_HORZ | TF_WRAP_VERT;

// Bound-wrapping modes, by number: the list text (the same in every
// language) and the bits of dwTextFlags.
const struct {
    const char* text;
    DWORD bits;
} kBoundWrappingModes[] = {
    {"None", 0},
    {"Horizontal", TF_WRAP_HORZ},
    {"Vertical", TF_WRAP_VERT},
    {"Horz&Vert", TF_WRAP_HORZ | TF_WRAP_VERT},
};
constexpr int kModeCount = static_cast<int>(std::size(kBoundWrappingModes));
} // namespace

MessageTable<CKELPGTxt> CKELPGTxt::Messages() {
    static const Entry table[] = {
        ForDestroy<&CKELPGTxt::OnDestroy>(),
        ForCommand<&CKELPGTxt::OnTextChanged>(EN_CHANGE, IDC_TEXT_EDIT),
        ForCommand<&CKELPGTxt::OnTextChanged>(EN_CHANGE, IDC_WRAPPING_EDIT),
        ForCommand<&CKELPGTxt::OnWrapClicked>(BN_CLICKED, IDC_WRAP),
        ForCommand<&CKELPGTxt::OnModeChosen>(CBN_SELCHANGE, IDC_BOUND_WRAPPING),
    };
    return table;
}

CKELPGTxt::CKELPGTxt() : CMessageMap(IDD_TEXT, IDS_TEXT_CAPTION, KEL_BLOCK_TEXT) {}

void CKELPGTxt::LoadRecord(CByteSpan record) {
    if (record.Size() == 0)
        return;
    const DWORD bits = record.ReadValue<DWORD>(kTextFlags) & kWrapBits;
    for (int mode = 0; mode < kModeCount; ++mode)
        if (kBoundWrappingModes[mode].bits == bits)
            m_boundWrapping = mode;
}

void CKELPGTxt::StoreRecord(CMutableByteSpan record) const {
    if (record.Size() == 0 || m_boundWrapping < 0 || m_boundWrapping >= kModeCount)
        return;
    const DWORD flags = record.ReadValue<DWORD>(kTextFlags);
    record.WriteValue<DWORD>(kTextFlags,
                             (flags & ~kWrapBits) | kBoundWrappingModes[m_boundWrapping].bits);
}

void CKELPGTxt::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_WRAPPING_EDIT, m_wrappingEdit);
    DDX_Control(dx, IDC_TEXT_EDIT, m_plainEdit);
    // The text goes with the edit shown until now: the Wrap handler relies on
    // the flag being exchanged after it.
    DDX_Text(dx, m_wrap ? IDC_WRAPPING_EDIT : IDC_TEXT_EDIT, m_strText);
    DDV_StorableText(dx); // before the flag: a refused text is not carried over
    DDX_Control(dx, IDC_WRAP, m_wrapCheck);
    DDX_Check(dx, IDC_WRAP, m_wrap);
    DDX_Control(dx, IDC_BOUND_WRAPPING, m_boundWrappingList);
}

BOOL CKELPGTxt::OnInitDialog() {
    // Stops and limits go in before any text. Only the edit the wrap flag
    // names gets the text, through the data exchange: the other one gets it
    // when Wrap shows it, so a long text is laid out once. A page shown again
    // thus shows the view its Wrap box says, with the text it will give back.
    const TabStops stops = TextTabStops(GetDlgItem(IDC_TEXT_EDIT));
    PrepareTextEdit(GetDlgItem(IDC_TEXT_EDIT), &stops, 0);
    PrepareTextEdit(GetDlgItem(IDC_WRAPPING_EDIT), &stops, 0);
    std::string scratch;
    m_strText = HeldText(scratch);
    CPropertyPage::OnInitDialog();
    FocusForEditing(VisibleEdit());
    m_wrapCheck.SetWindowText(AfxLoadString(IDS_WRAP).c_str());
    HiddenEdit().ShowWindow(SW_HIDE);
    VisibleEdit().ShowWindow(SW_SHOW);
    m_modified = 0; // nothing typed yet

    m_boundWrappingList.ResetContent();
    for (int mode = 0; mode < kModeCount; ++mode) {
        const int item = m_boundWrappingList.AddString(kBoundWrappingModes[mode].text);
        m_boundWrappingList.SetItemData(item, static_cast<DWORD_PTR>(mode));
        if (mode == m_boundWrapping)
            m_boundWrappingList.SetCurSel(item);
    }
    return FALSE; // the focus is set
}

void CKELPGTxt::OnDestroy() {
    DropTabStops(GetDlgItem(IDC_TEXT_EDIT));
    DropTabStops(GetDlgItem(IDC_WRAPPING_EDIT));
}

void CKELPGTxt::OnWrapClicked() {
    const CEdit& before = VisibleEdit();
    // The text of the view shown until now, then the new flag. A text the code
    // page cannot hold stays where it is, and so does the view.
    if (!UpdateData(TRUE)) {
        m_wrapCheck.SetCheck(m_wrap);
        return;
    }
    const CEdit& after = VisibleEdit();
    if (&before == &after)
        return;
    DWORD start = 0, end = 0;
    before.GetSel(start, end);
    after.ShowWindow(SW_SHOW);
    before.ShowWindow(SW_HIDE);
    // Notifications are locked out while data are exchanged: carrying the
    // text over is no change. Setting a text moves the caret, so the
    // selection follows it.
    UpdateData(FALSE);
    after.SetSel(static_cast<int>(start), static_cast<int>(end));
    after.ScrollCaret();
    after.SetFocus();
}

void CKELPGTxt::OnModeChosen() {
    const int item = m_boundWrappingList.GetCurSel();
    if (item != CB_ERR)
        m_boundWrapping = static_cast<int>(m_boundWrappingList.GetItemData(item));
}
