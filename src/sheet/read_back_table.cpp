// The read-back table.
#include "sheet/read_back_table.h"

#include "sheet/mark_table.h"

namespace {
// Pages by short name, with what the step asks of them.
constexpr ReadStep Image{PageKind::Image, PageStore::kRecord}; // bTransparent
constexpr ReadStep Line{PageKind::Line, PageStore::kRecord};   // bHighlight, nLineSize
constexpr ReadStep Color{PageKind::Color, PageStore::kRecord}; // rgbMain <- primary
// rgbMain <- secondary, rgbExtra <- primary
constexpr ReadStep TwoColors{PageKind::Color, PageStore::kTwoColors};
constexpr ReadStep General{PageKind::General, PageStore::kRecord}; // bHighlight
constexpr ReadStep Font{PageKind::Font, PageStore::kRecord};       // lfFont
constexpr ReadStep TextRecord{PageKind::Text, PageStore::kRecord}; // dwTextFlags wrapping bits
constexpr ReadStep ImageBlock{PageKind::Image, PageStore::kBlock};
constexpr ReadStep ReferenceBlock{PageKind::Reference, PageStore::kBlock};
constexpr ReadStep ArrowBlock{PageKind::Arrow, PageStore::kBlock};
constexpr ReadStep RulerBlock{PageKind::Ruler, PageStore::kBlock};
constexpr ReadStep ProtractorBlock{PageKind::Protractor, PageStore::kBlock};
constexpr ReadStep AudioBlock{PageKind::Audio, PageStore::kBlock};
constexpr ReadStep PasswordBlock{PageKind::Password, PageStore::kBlock};
constexpr ReadStep LabelBlock{PageKind::Label, PageStore::kBlock};
constexpr ReadStep StampBlock{PageKind::Stamp, PageStore::kBlock};
constexpr ReadStep TextFileBlock{PageKind::TextFile, PageStore::kBlock};
constexpr ReadStep TextBlock{PageKind::Text, PageStore::kBlock};

constexpr bool kStopAtFirstBlock = true; // the first page that has the block ends the call
constexpr bool kAskEveryPage = false;

// Mark type 518 loads the text page's wrapping but never writes it back.
// clang-format off
const ReadBackRow kReadBackTable[] = {
    // mark types                   with bit 0                    with bit 1                      after the block
    {{1},                           {Image},                      {ImageBlock},                   {}, kStopAtFirstBlock},
    {{2},                           {Image},                      {ImageBlock, ReferenceBlock},   {}, kStopAtFirstBlock},
    {{3, 4, 5, 501, 502, 505, 517}, {Line, Color},                {},                             {}, kAskEveryPage},
    {{506},                         {Line, Color},                {ArrowBlock},                   {}, kAskEveryPage},
    {{510},                         {Line, Color, Font},          {RulerBlock},                   {}, kAskEveryPage},
    {{511},                         {Line, Color, Font},          {ProtractorBlock},              {}, kAskEveryPage},
    {{6, 500, 504, 516},            {General, Color},             {},                             {}, kAskEveryPage},
    {{507, 508, 514},               {Color},                      {},                             {}, kAskEveryPage},
    {{503},                         {},                           {AudioBlock},                   {}, kAskEveryPage},
    {{509},                         {},                           {PasswordBlock},                {}, kAskEveryPage},
    {{7},                           {Font, TextRecord, Color},    {TextBlock},                    {}, kAskEveryPage},
    {{8},                           {Font, Color},                {TextFileBlock},                {}, kAskEveryPage},
    {{9},                           {Font, Color},                {StampBlock},                   {}, kAskEveryPage},
    {{10},                          {Font, TextRecord, TwoColors}, {TextBlock},                   {}, kAskEveryPage},
    {{512, 513},                    {Font, TwoColors},            {LabelBlock},                   {}, kAskEveryPage},
    {{518},                         {Font, Color},                {TextBlock},                    {Line, Color}, kAskEveryPage},
};
// clang-format on
} // namespace

const ReadBackRow* FindReadBackRow(DWORD markType) {
    return FindMarkRow(kReadBackTable, markType);
}
