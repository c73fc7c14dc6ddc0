// CKELPGIme: the embedded image page.
#include "pages/image_page.h"

#include "blocks/image_block.h"
#include "framework/data_exchange.h"
#include "framework/dialog_access.h"
#include "framework/message_box.h"
#include "kelgui.h"
#include "resources/resource_ids.h"

#include <new>

namespace {
using block_words::Read;
using block_words::Write;

// The align list, in list order: its text and the code the block stores
// (horizontal place in the high nibble, vertical place in the low one).
struct Alignment {
    UINT stringId;
    int32_t code;
};
const Alignment kAlignments[] = {
    {IDS_ALIGN_LEFT_TOP, 0x00},   {IDS_ALIGN_LEFT_CENTER, 0x01},   {IDS_ALIGN_LEFT_BOTTOM, 0x02},
    {IDS_ALIGN_CENTER_TOP, 0x10}, {IDS_ALIGN_CENTER_CENTER, 0x11}, {IDS_ALIGN_CENTER_BOTTOM, 0x12},
    {IDS_ALIGN_RIGHT_TOP, 0x20},  {IDS_ALIGN_RIGHT_CENTER, 0x21},  {IDS_ALIGN_RIGHT_BOTTOM, 0x22},
};
constexpr int kAlignmentCount = static_cast<int>(sizeof kAlignments / sizeof kAlignments[0]);

const UINT kFitStrings[] = {IDS_FIT_TO_DEVICE, IDS_FIT_TO_WIDTH, IDS_FIT_TO_HEIGHT,
                            IDS_FIT_ACTUAL_SIZE};
constexpr int kFitCount = static_cast<int>(sizeof kFitStrings / sizeof kFitStrings[0]);

// The labels the string table gives the template's controls.
const struct {
    int controlId;
    UINT stringId;
} kLabels[] = {
    {IDC_IMAGE_ORIENTATION_GROUP, IDS_IMAGE_ORIENTATION},
    {IDC_IMAGE_TRANSPARENT, IDS_TRANSPARENT},
    {IDC_IMAGE_MIRROR, IDS_VERTICAL_MIRROR},
    {IDC_IMAGE_ORIGINAL, IDS_ORIENT_ORIGINAL},
    {IDC_IMAGE_ROTATE_LEFT, IDS_ORIENT_ROTATE_LEFT},
    {IDC_IMAGE_ROTATE_RIGHT, IDS_ORIENT_ROTATE_RIGHT},
    {IDC_IMAGE_FLIP, IDS_ORIENT_FLIP},
    {IDC_IMAGE_FIT_LABEL, IDS_FIT_OPTION},
    {IDC_IMAGE_ALIGN_LABEL, IDS_ALIGN_OPTION},
    {IDC_IMAGE_ASPECT_LABEL, IDS_ASPECT_OPTION},
};

// The radio buttons stand in rotation order 1 to 4: Original, Rotate Right,
// Flip, Rotate Left.
constexpr int kFirstRotation = IDC_IMAGE_ORIGINAL;
constexpr int kLastRotation = IDC_IMAGE_ROTATE_LEFT;

int AlignmentIndex(int32_t code) {
    for (int i = 0; i < kAlignmentCount; ++i)
        if (kAlignments[i].code == code)
            return i;
    return 0; // unknown codes show as the first entry
}
} // namespace

MessageTable<CKELPGIme> CKELPGIme::Messages() {
    static const Entry table[] = {
        ForCommand<&CKELPGIme::OnRotationClicked>(BN_CLICKED, kFirstRotation, kLastRotation),
        ForCommand<&CKELPGIme::OnMirrorChanged>(BN_CLICKED, IDC_IMAGE_MIRROR),
        ForCommand<&CKELPGIme::OnAlignmentChanged>(CBN_SELCHANGE, IDC_IMAGE_ALIGN),
        ForCommand<&CKELPGIme::OnFitChanged>(CBN_SELCHANGE, IDC_IMAGE_FIT),
        ForCommand<&CKELPGIme::OnAspectChanged>(EN_CHANGE, IDC_IMAGE_ASPECT),
    };
    return table;
}

CKELPGIme::CKELPGIme()
    : CMessageMap(IDD_IMAGE, IDS_IMAGE_CAPTION),
      m_block(new (std::nothrow) CNamedBlock(KEL_BLOCK_MARK_DATA)) {}

CKELPGIme::~CKELPGIme() = default;

CMutableByteSpan CKELPGIme::HeldBytes() const {
    return m_block ? m_block->MutableBytes() : CMutableByteSpan(nullptr, 0);
}

void CKELPGIme::LoadBlock(const char* name, CByteSpan data) {
    if (m_block && m_block->IsNamed(name))
        m_block->SetCopy(data);
}

void CKELPGIme::StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* sizeOut) const {
    *sizeOut = 0;
    if (!m_block || !m_block->IsNamed(name))
        return;
    if (buffer)
        m_block->CopyTo(*buffer);
    *sizeOut = m_block->Size();
}

void CKELPGIme::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_IMAGE_ALIGN, m_alignCombo);
    DDX_Control(dx, IDC_IMAGE_FIT, m_fitCombo);
    DDX_Control(dx, IDC_IMAGE_MIRROR, m_mirrorCheck);
    DDX_Control(dx, IDC_IMAGE_ORIENTATION_GROUP, m_orientationFrame);
    DDX_Control(dx, IDC_IMAGE_TRANSPARENT, m_transparentCheck);
    DDX_Check(dx, IDC_IMAGE_TRANSPARENT, m_bTransparent);
    DDX_Text(dx, IDC_IMAGE_ASPECT, m_strAspect);
}

BOOL CKELPGIme::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    for (const auto& label : kLabels)
        ::SetDlgItemTextA(m_hWnd, label.controlId, AfxLoadString(label.stringId).c_str());
    for (UINT id : kFitStrings)
        m_fitCombo.AddString(AfxLoadString(id).c_str());
    for (const Alignment& alignment : kAlignments)
        m_alignCombo.AddString(AfxLoadString(alignment.stringId).c_str());
    if (!HoldsBlock())
        ::CheckRadioButton(m_hWnd, kFirstRotation, kLastRotation, kFirstRotation);
    else
        ShowBlock();
    KeepTabStopOnRotation();
    return TRUE; // the dialog manager sets the focus
}

void CKELPGIme::KeepTabStopOnRotation() const {
    int checked = kFirstRotation;
    for (int id = kFirstRotation; id <= kLastRotation; ++id)
        if (::IsDlgButtonChecked(m_hWnd, id))
            checked = id;
    MoveTabStopTo(GetDlgItem(checked));
}

void CKELPGIme::ShowBlock() {
    CMutableByteSpan bytes = HeldBytes();
    const int32_t aspect = image_block::AspectOnOpen(Read(bytes, image_block::kAspect));
    if (aspect != Read(bytes, image_block::kAspect))
        Write(bytes, image_block::kAspect, aspect);
    m_strAspect = image_block::AspectText(aspect);
    const int32_t fit = Read(bytes, image_block::kFit);
    m_fitCombo.SetCurSel(fit >= 0 && fit < kFitCount ? fit : -1);
    m_alignCombo.SetCurSel(AlignmentIndex(Read(bytes, image_block::kAlignment)));
    UpdateData(FALSE); // shows the aspect text; its change notification is locked out
    const int32_t orientation = Read(bytes, image_block::kOrientation);
    const int rotation = image_block::RotationIndex(orientation);
    if (rotation >= 0)
        ::CheckRadioButton(m_hWnd, kFirstRotation, kLastRotation, kFirstRotation + rotation);
    if (orientation > image_block::kRotations)
        m_mirrorCheck.SetCheck(BST_CHECKED);
}

void CKELPGIme::OnRotationClicked(UINT radioId) {
    KeepTabStopOnRotation();
    CMutableByteSpan bytes = HeldBytes();
    const int32_t base = static_cast<int32_t>(radioId) - kFirstRotation + 1;
    Write(bytes, image_block::kOrientation,
          image_block::WithRotation(Read(bytes, image_block::kOrientation), base));
}

void CKELPGIme::OnMirrorChanged() {
    CMutableByteSpan bytes = HeldBytes();
    const bool mirrored = m_mirrorCheck.GetCheck() == BST_CHECKED;
    Write(bytes, image_block::kOrientation,
          image_block::WithMirror(Read(bytes, image_block::kOrientation), mirrored));
}

void CKELPGIme::OnAlignmentChanged() {
    const int index = m_alignCombo.GetCurSel();
    const int32_t code = index >= 0 && index < kAlignmentCount ? kAlignments[index].code : -1;
    Write(HeldBytes(), image_block::kAlignment, code);
}

void CKELPGIme::OnFitChanged() {
    Write(HeldBytes(), image_block::kFit, m_fitCombo.GetCurSel());
}

void CKELPGIme::OnAspectChanged() {
    if (!HoldsBlock())
        return;
    UpdateData(TRUE); // also refreshes the transparent flag
    Write(HeldBytes(), image_block::kAspect, image_block::AspectFromText(m_strAspect.c_str()));
}
