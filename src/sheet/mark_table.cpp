// The mark table.
#include "sheet/mark_table.h"

namespace {
// Pages by short name, with what the step gives or asks.
constexpr PageStep Image{PageKind::Image, Part::kRecord}; // bTransparent
constexpr PageStep Line{PageKind::Line, Part::kRecord};   // bHighlight, nLineSize
constexpr PageStep LineNoHighlight{PageKind::Line, Part::kRecordNoHighlight};
constexpr PageStep Color{PageKind::Color, Part::kRecord}; // rgbMain, the primary colour alone
// rgbMain the secondary colour, rgbExtra the primary one
constexpr PageStep TwoColors{PageKind::Color, Part::kTwoColors};
constexpr PageStep ColorTab{PageKind::Color, Part::kTabOnly};
constexpr PageStep General{PageKind::General, Part::kRecord};   // bHighlight
constexpr PageStep Font{PageKind::Font, Part::kRecord};         // lfFont
constexpr PageStep TextWrapping{PageKind::Text, Part::kRecord}; // dwTextFlags wrapping bits
constexpr PageStep ImageBlock{PageKind::Image, Part::kBlock};
constexpr PageStep ReferenceBlock{PageKind::Reference, Part::kBlock};
constexpr PageStep ArrowBlock{PageKind::Arrow, Part::kBlock};
constexpr PageStep RulerBlock{PageKind::Ruler, Part::kBlock};
constexpr PageStep ProtractorBlock{PageKind::Protractor, Part::kBlock};
constexpr PageStep AudioBlock{PageKind::Audio, Part::kBlock};
constexpr PageStep PasswordBlock{PageKind::Password, Part::kBlock};
constexpr PageStep LabelBlock{PageKind::Label, Part::kBlock};
constexpr PageStep StampBlock{PageKind::Stamp, Part::kBlock};
constexpr PageStep TextFileBlock{PageKind::TextFile, Part::kBlock};
constexpr PageStep TextBlock{PageKind::Text, Part::kBlock}; // with it, the wrapping is loaded

// Text marks find or add their Color page right after Font (its tab) but load
// it last, after the Line page of mark type 518. Rulers and protractors never
// load the line page's highlight flag, yet give it back. 518 loads the text
// page's wrapping but never writes it back, and writes its line fields after
// the block.
// clang-format off
const MarkRow kMarkTable[] = {
    // mark types                   init, bit 0                     bit 1                         query, bit 0                    after the block
    {{1},                           {Image},                        {ImageBlock},                 {Image}},
    {{2},                           {Image},                        {ImageBlock, ReferenceBlock}, {Image}},
    {{3, 4, 5, 501, 502, 505, 517}, {Line, Color},                  {},                           {Line, Color}},
    {{506},                         {Line, Color},                  {ArrowBlock},                 {Line, Color}},
    {{510},                         {LineNoHighlight, Color, Font}, {RulerBlock},                 {Line, Color, Font}},
    {{511},                         {LineNoHighlight, Color, Font}, {ProtractorBlock},            {Line, Color, Font}},
    {{6, 500, 504, 516},            {General, Color},               {},                           {General, Color}},
    {{507, 508, 514},               {Color},                        {},                           {Color}},
    {{503},                         {},                             {AudioBlock},                 {}},
    {{509},                         {},                             {PasswordBlock},              {}},
    {{7},                           {Font, ColorTab, Color},        {TextBlock},                  {Font, TextWrapping, Color}},
    {{10},                          {Font, ColorTab, TwoColors},    {TextBlock},                  {Font, TextWrapping, TwoColors}},
    {{8},                           {Font, ColorTab, Color},        {TextFileBlock},              {Font, Color}},
    {{9},                           {Font, ColorTab, Color},        {StampBlock},                 {Font, Color}},
    {{512, 513},                    {Font, ColorTab, TwoColors},    {LabelBlock},                 {Font, TwoColors}},
    {{518},                         {Font, ColorTab, Line, Color},  {TextBlock},                  {Font, Color},                  {Line, Color}},
};
// clang-format on
} // namespace

const MarkRow* FindMarkRow(DWORD markType) {
    for (const MarkRow& row : kMarkTable)
        for (DWORD type : row.markTypes)
            if (type == markType)
                return &row;
    return nullptr;
}
