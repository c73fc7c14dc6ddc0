// CKELPGArc: the protractor page.
#include "pages/protractor_page.h"

#include "blocks/protractor_block.h"
#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "kelgui.h"
#include "resources/resource_ids.h"

#include <new>

namespace {
constexpr int kMinRadius = 1;
constexpr int kMaxRadius = 999;
constexpr int kMaxPrecision = 14;
} // namespace

CKELPGArc::CKELPGArc()
    : CPropertyPage(IDD_PROTRACTOR, IDS_PROTRACTOR_CAPTION),
      m_strRadiusLabel(AfxLoadString(IDS_ARC_RADIUS_LABEL)),
      m_strPrecisionLabel(AfxLoadString(IDS_OUTPUT_PRECISION_LABEL)),
      m_block(new (std::nothrow) CNamedBlock(KEL_BLOCK_MARK_DATA)) {}

CKELPGArc::~CKELPGArc() = default;

void CKELPGArc::LoadBlock(const char* name, CByteSpan data) {
    if (!m_block || !m_block->IsNamed(name))
        return;
    m_block->SetCopy(data);
    m_nOutputPrecision = protractor_block::Precision(data);
    m_nArcRadius = protractor_block::Radius(data);
}

void CKELPGArc::StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* sizeOut) const {
    *sizeOut = 0;
    if (!m_block || !m_block->IsNamed(name))
        return;
    *sizeOut = m_block->Size();
    // The host's copy takes the values; the held block stays as loaded.
    if (buffer && m_block->CopyTo(*buffer))
        protractor_block::WriteValues(buffer->Slice(0, m_block->Size()), m_nArcRadius,
                                      m_nOutputPrecision);
}

void CKELPGArc::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_OUTPUT_PRECISION, m_precisionEdit);
    DDX_Control(dx, IDC_ARC_RADIUS, m_radiusEdit);
    DDX_Text(dx, IDC_ARC_RADIUS, m_nArcRadius);
    DDV_MinMaxInt(dx, m_nArcRadius, kMinRadius, kMaxRadius);
    DDX_Text(dx, IDC_ARC_RADIUS_LABEL, m_strRadiusLabel);
    DDX_Text(dx, IDC_OUTPUT_PRECISION, m_nOutputPrecision);
    DDV_MinMaxInt(dx, m_nOutputPrecision, 0, kMaxPrecision);
    DDX_Text(dx, IDC_OUTPUT_PRECISION_LABEL, m_strPrecisionLabel);
    DDX_Control(dx, IDC_OUTPUT_PRECISION_SPIN, m_precisionSpin);
    DDX_Control(dx, IDC_ARC_RADIUS_SPIN, m_radiusSpin);
}

BOOL CKELPGArc::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    ::SetFocus(m_precisionEdit.m_hWnd);
    m_radiusSpin.SetRange(kMinRadius, kMaxRadius);
    m_precisionSpin.SetRange(0, kMaxPrecision);
    return FALSE; // the focus is set
}
