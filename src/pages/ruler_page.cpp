// CKELPGRul: the ruler page.
#include "pages/ruler_page.h"

#include "blocks/ruler_block.h"
#include "framework/data_exchange.h"
#include "framework/message_box.h"
#include "kelgui.h"
#include "resources/resource_ids.h"

#include <new>

namespace {
using ruler_units::kUnitCount;

constexpr int kMaxPrecision = 14;
constexpr int kMaxGauge = 999;
constexpr int kAbbreviationColumn = 48; // dialog units

// The list texts as the loaded string table has them.
void LoadUnitTexts(std::string (&texts)[kUnitCount]) {
    for (size_t i = 0; i < kUnitCount; ++i)
        texts[i] = AfxLoadString(ruler_units::kUnits[i].stringId);
}
} // namespace

MessageTable<CKELPGRul> CKELPGRul::Messages() {
    static const Entry table[] = {
        ForCommand<&CKELPGRul::OnUnitChanged>(LBN_SELCHANGE, IDC_RULER_UNITS),
    };
    return table;
}

CKELPGRul::CKELPGRul()
    : CMessageMap(IDD_RULER, IDS_RULER_CAPTION),
      m_strGaugeLabel(AfxLoadString(IDS_GAUGE_LENGTH_LABEL)),
      m_strPrecisionLabel(AfxLoadString(IDS_OUTPUT_PRECISION_LABEL)),
      m_strAbbreviationLabel(AfxLoadString(IDS_UNIT_ABBREVIATION_LABEL)),
      m_block(new (std::nothrow) CNamedBlock(KEL_BLOCK_MARK_DATA)),
      m_textBlock(new (std::nothrow) CNamedBlock(KEL_BLOCK_TEXT)) {}

CKELPGRul::~CKELPGRul() = default;

void CKELPGRul::SetResolution(int32_t horizontal, int32_t vertical) {
    m_nXResolution = ruler_units::ResolutionOrDefault(horizontal);
    m_nYResolution = ruler_units::ResolutionOrDefault(vertical);
}

void CKELPGRul::LoadBlock(const char* name, CByteSpan data) {
    if (m_block && m_block->IsNamed(name)) {
        m_block->SetCopy(data);
        m_nOutputPrecision = ruler_block::Precision(data);
        m_nGaugeLength = ruler_block::Gauge(data);
    } else if (m_textBlock && m_textBlock->IsNamed(name)) {
        m_textBlock->SetCopy(data);
        m_strAbbreviation = ruler_block::AbbreviationOf(data);
    }
}

void CKELPGRul::StoreBlock(const char* name, CMutableByteSpan* buffer, DWORD* sizeOut) {
    *sizeOut = 0;
    if (m_block && m_block->IsNamed(name)) {
        *sizeOut = m_block->Size();
        if (!buffer || !m_block->CopyTo(*buffer))
            return;
        // The host's copy takes the values; the held block stays as loaded.
        ruler_block::Numbers numbers{};
        numbers.withScales = m_nUnit >= 0 && static_cast<size_t>(m_nUnit) < kUnitCount;
        if (numbers.withScales) {
            numbers.horizontal = ruler_units::ScaleOf(m_nUnit, m_nXResolution);
            numbers.vertical = ruler_units::ScaleOf(m_nUnit, m_nYResolution);
        }
        numbers.gauge = m_nGaugeLength;
        numbers.precision = m_nOutputPrecision;
        ruler_block::WriteNumbers(buffer->Slice(0, m_block->Size()), numbers);
    } else if (m_textBlock && m_textBlock->IsNamed(name) && m_textBlock->Bytes().Data()) {
        // Rebuilt on every call, so that the size query and the fetch agree.
        OwnedBytes label = ruler_block::BuildLabel(m_textBlock->Bytes(), m_strAbbreviation);
        if (label)
            m_textBlock->Attach(std::move(label));
        *sizeOut = m_textBlock->Size();
        if (buffer)
            m_textBlock->CopyTo(*buffer);
    }
}

void CKELPGRul::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_RULER_UNITS, m_unitList);
    DDX_Control(dx, IDC_RULER_ABBREVIATION, m_abbreviationEdit);
    DDX_Control(dx, IDC_OUTPUT_PRECISION, m_precisionEdit);
    DDX_Control(dx, IDC_RULER_UNITS_GROUP, m_unitsFrame);
    DDX_Control(dx, IDC_RULER_GAUGE, m_gaugeEdit);
    DDX_Text(dx, IDC_RULER_GAUGE_LABEL, m_strGaugeLabel);
    DDX_Text(dx, IDC_OUTPUT_PRECISION, m_nOutputPrecision);
    DDV_MinMaxInt(dx, m_nOutputPrecision, 0, kMaxPrecision);
    DDX_Text(dx, IDC_RULER_GAUGE, m_nGaugeLength);
    DDV_MinMaxInt(dx, m_nGaugeLength, 0, kMaxGauge);
    DDX_Text(dx, IDC_OUTPUT_PRECISION_LABEL, m_strPrecisionLabel);
    DDX_Text(dx, IDC_RULER_ABBREVIATION, m_strAbbreviation);
    DDX_Text(dx, IDC_RULER_ABBREVIATION_LABEL, m_strAbbreviationLabel);
    DDX_LBIndex(dx, IDC_RULER_UNITS, m_nUnit);
    DDX_Control(dx, IDC_RULER_GAUGE_SPIN, m_gaugeSpin);
    DDX_Control(dx, IDC_OUTPUT_PRECISION_SPIN, m_precisionSpin);
}

BOOL CKELPGRul::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    std::string texts[kUnitCount];
    LoadUnitTexts(texts);
    for (const std::string& text : texts)
        m_unitList.AddString(text.c_str());
    m_unitList.SetCurSel(ruler_units::MatchUnit(texts, m_strAbbreviation));
    ::SetFocus(m_unitList.m_hWnd);
    int column = kAbbreviationColumn;
    m_unitList.SendMessage(LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&column));
    OnUnitChanged();
    m_unitsFrame.SetWindowText(AfxLoadString(IDS_MEASUREMENT_UNITS).c_str());
    m_gaugeSpin.SetRange(0, kMaxGauge);
    m_precisionSpin.SetRange(0, kMaxPrecision);
    return FALSE; // the focus is set
}

// Proposes the unit's own abbreviation; the member changes only through data
// exchange, so a typed abbreviation is kept.
void CKELPGRul::OnUnitChanged() {
    const int unit = m_unitList.GetCurSel();
    if (unit < 0 || static_cast<size_t>(unit) >= kUnitCount)
        return;
    const std::string text = AfxLoadString(ruler_units::kUnits[unit].stringId);
    m_abbreviationEdit.SetWindowText(ruler_units::AbbreviationIn(text).c_str());
}
