// The ruler's numbers and label blocks.
#include "blocks/ruler_block.h"

#include "blocks/text_block.h"

#include <cstring>

namespace ruler_block {

void WriteNumbers(CMutableByteSpan block, const Numbers& numbers) {
    using block_words::Write;
    if (numbers.withScales) {
        Write(block, kHorizontalScale, numbers.horizontal.numerator);
        Write(block, kHorizontalScale + 4, numbers.horizontal.denominator);
        Write(block, kVerticalScale, numbers.vertical.numerator);
        Write(block, kVerticalScale + 4, numbers.vertical.denominator);
    }
    Write(block, kGauge, numbers.gauge);
    Write(block, kGaugeAgain, numbers.gauge);
    Write(block, kPrecision, numbers.precision);
}

std::string AbbreviationOf(CByteSpan label) {
    const CByteSpan text = text_block::ReadText(label);
    std::string abbreviation(
        static_cast<const char*>(text.Data()) ? static_cast<const char*>(text.Data()) : "",
        text.Size());
    const size_t placeholder = abbreviation.find("%d");
    if (placeholder != std::string::npos)
        abbreviation.erase(0, placeholder + 2);
    // Blanks are single bytes that are never the second byte of a
    // double-byte character, so trimming bytes is safe in any code page.
    const char* const blanks = " \t\r\n\v\f";
    const size_t first = abbreviation.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    const size_t last = abbreviation.find_last_not_of(blanks);
    return abbreviation.substr(first, last - first + 1);
}

OwnedBytes BuildLabel(CByteSpan loaded, const std::string& abbreviation) {
    const std::string text = "%d " + abbreviation;
    return text_block::Build(loaded, CByteSpan(text.data(), text.size()));
}

} // namespace ruler_block
