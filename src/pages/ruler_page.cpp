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

// The unit list's texts (name, a tab, the abbreviation in parentheses), in
// the order of ruler_units::kUnits: micrometres stand between miles and
// millimetres although their string comes last.
const UINT kUnitTexts[kUnitCount] = {
    IDS_UNIT_INCHES,      IDS_UNIT_FEET,        IDS_UNIT_YARDS,       IDS_UNIT_MILES,
    IDS_UNIT_MICROMETERS, IDS_UNIT_MILLIMETERS, IDS_UNIT_CENTIMETERS, IDS_UNIT_DECIMETERS,
    IDS_UNIT_METERS,      IDS_UNIT_DEKAMETERS,  IDS_UNIT_KILOMETERS,
};

// The list texts as the loaded string table has them.
void LoadUnitTexts(std::string (&texts)[kUnitCount]) {
    for (size_t i = 0; i < kUnitCount; ++i)
        texts[i] = AfxLoadString(kUnitTexts[i]);
}

// The characters between the first "(" and the next ")" of a list text.
std::string AbbreviationIn(const std::string& listText) {
    const size_t open = listText.find('(');
    if (open == std::string::npos)
        return std::string();
    const size_t close = listText.find(')', open + 1);
    if (close == std::string::npos)
        return std::string();
    return listText.substr(open + 1, close - open - 1);
}

// The unit whose list text contains "(abbreviation)", byte for byte; when
// several do, the last one; millimetres when none does.
int MatchUnit(const std::string (&listTexts)[kUnitCount], const std::string& abbreviation) {
    const std::string pattern = "(" + abbreviation + ")";
    int match = ruler_units::kMillimeters;
    for (size_t i = 0; i < kUnitCount; ++i)
        if (listTexts[i].find(pattern) != std::string::npos)
            match = static_cast<int>(i);
    return match;
}
} // namespace

MessageTable<CKELPGRul> CKELPGRul::Messages() {
    static const Entry table[] = {
        ForCommand<&CKELPGRul::OnUnitChanged>(LBN_SELCHANGE, IDC_RULER_UNITS),
        ForDestroy<&CKELPGRul::OnDestroy>(),
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
    DDV_StorableText(dx);
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
    m_unitList.SetCurSel(MatchUnit(texts, m_strAbbreviation));
    ::SetFocus(m_unitList.m_hWnd);
    int column = kAbbreviationColumn;
    m_unitList.SendMessage(LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&column));
    OnUnitChanged();
    m_unitsFrame.SetWindowText(AfxLoadString(IDS_MEASUREMENT_UNITS).c_str());
    m_gaugeSpin.SetRange(0, kMaxGauge);
    m_precisionSpin.SetRange(0, kMaxPrecision);
    return FALSE; // the focus is set
}

// Wine's list box does not free its copy of the tab stops when it is
// destroyed (4 bytes each showing): take them out first.
void CKELPGRul::OnDestroy() {
    m_unitList.SendMessage(LB_SETTABSTOPS, 0, 0);
}

// Proposes the unit's own abbreviation; the member changes only through data
// exchange, so a typed abbreviation is kept.
void CKELPGRul::OnUnitChanged() {
    const int unit = m_unitList.GetCurSel();
    if (unit < 0 || static_cast<size_t>(unit) >= kUnitCount)
        return;
    const std::string text = AfxLoadString(kUnitTexts[unit]);
    m_abbreviationEdit.SetWindowText(AbbreviationIn(text).c_str());
}
