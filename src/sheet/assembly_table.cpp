// The mark-type table of page assembly.
#include "sheet/assembly_table.h"

#include "sheet/mark_table.h"

namespace {
// Pages by short name, with what the step gives them.
constexpr PageStep Image{PageKind::Image, PageLoad::kRecord}; // transparent flag only
constexpr PageStep ImageBlock{PageKind::Image, PageLoad::kBlock};
constexpr PageStep ReferenceBlock{PageKind::Reference, PageLoad::kBlock};
constexpr PageStep Line{PageKind::Line, PageLoad::kRecord};
constexpr PageStep LineHidingHighlight{PageKind::Line, PageLoad::kRecordHidingHighlight};
constexpr PageStep Color{PageKind::Color, PageLoad::kRecord}; // primary colour only
constexpr PageStep TwoColors{PageKind::Color, PageLoad::kTwoColors};
constexpr PageStep ColorAddedOnly{PageKind::Color, PageLoad::kAddOnly};
constexpr PageStep General{PageKind::General, PageLoad::kRecord};
constexpr PageStep Font{PageKind::Font, PageLoad::kRecord};
constexpr PageStep ArrowBlock{PageKind::Arrow, PageLoad::kBlock};
constexpr PageStep RulerBlock{PageKind::Ruler, PageLoad::kBlock};
constexpr PageStep ProtractorBlock{PageKind::Protractor, PageLoad::kBlock};
constexpr PageStep AudioBlock{PageKind::Audio, PageLoad::kBlock};
constexpr PageStep PasswordBlock{PageKind::Password, PageLoad::kBlock};
constexpr PageStep LabelBlock{PageKind::Label, PageLoad::kBlock};
constexpr PageStep StampBlock{PageKind::Stamp, PageLoad::kBlock};
constexpr PageStep TextFileBlock{PageKind::TextFile, PageLoad::kBlock};
constexpr PageStep TextBlock{PageKind::Text, PageLoad::kBlock};

// Text marks find or add their Color page right after Font but load it last,
// after the Line page of mark type 518.
// clang-format off
const AssemblyRow kAssemblyTable[] = {
    // mark types                   with bit 0                             with bit 1
    {{1},                           {Image},                               {ImageBlock}},
    {{2},                           {Image},                               {ImageBlock, ReferenceBlock}},
    {{3, 4, 5, 501, 502, 505, 517}, {Line, Color},                         {}},
    {{506},                         {Line, Color},                         {ArrowBlock}},
    {{510},                         {LineHidingHighlight, Color, Font},    {RulerBlock}},
    {{511},                         {LineHidingHighlight, Color, Font},    {ProtractorBlock}},
    {{6, 500, 504, 516},            {General, Color},                      {}},
    {{507, 508, 514},               {Color},                               {}},
    {{503},                         {},                                    {AudioBlock}},
    {{509},                         {},                                    {PasswordBlock}},
    {{7},                           {Font, ColorAddedOnly, Color},         {TextBlock}},
    {{10},                          {Font, ColorAddedOnly, TwoColors},     {TextBlock}},
    {{8},                           {Font, ColorAddedOnly, Color},         {TextFileBlock}},
    {{9},                           {Font, ColorAddedOnly, Color},         {StampBlock}},
    {{512, 513},                    {Font, ColorAddedOnly, TwoColors},     {LabelBlock}},
    {{518},                         {Font, ColorAddedOnly, Line, Color},   {TextBlock}},
};
// clang-format on
} // namespace

const AssemblyRow* FindAssemblyRow(DWORD markType) {
    return FindMarkRow(kAssemblyTable, markType);
}
