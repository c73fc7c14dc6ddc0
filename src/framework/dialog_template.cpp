// Dialog template fonts.
#include "framework/dialog_template.h"

#include <commctrl.h>

#include <cstring>

namespace {
// The property sheet dialog in comctl32's resources.
constexpr WORD kPropSheetDialogId = 1006;
constexpr WORD kExtendedSignature = 0xFFFF;
// Header sizes before the menu entry: style, extended style, control count
// and the four coordinates; the extended format adds version, signature and
// help id in front.
constexpr size_t kHeaderSize = 18;
constexpr size_t kExtendedHeaderSize = 26;

// Reads WORDs of a template without leaving its bytes.
class TemplateReader {
public:
    TemplateReader(const BYTE* bytes, size_t size) : m_bytes(bytes), m_size(size) {}

    bool Word(size_t offset, WORD* value) const {
        if (offset > m_size || m_size - offset < sizeof(WORD))
            return false;
        std::memcpy(value, m_bytes + offset, sizeof(WORD));
        return true;
    }
    // Steps over a zero-terminated UTF-16 string; text, if given, receives it.
    bool String(size_t* offset, std::wstring* text = nullptr) const {
        for (WORD c; Word(*offset, &c); *offset += sizeof(WORD)) {
            if (c == 0) {
                *offset += sizeof(WORD);
                return true;
            }
            if (text)
                text->push_back(static_cast<wchar_t>(c));
        }
        return false;
    }
    // A menu or class entry: none (0), an ordinal (0xFFFF, id) or a string.
    bool StringOrOrdinal(size_t* offset) const {
        WORD first;
        if (!Word(*offset, &first))
            return false;
        if (first == 0xFFFF) {
            *offset += 2 * sizeof(WORD);
            return *offset <= m_size;
        }
        return String(offset);
    }

private:
    const BYTE* m_bytes;
    size_t m_size;
};

// Where a template's font fields and its first control begin.
struct FontLayout {
    bool extended = false;
    size_t fontOffset = 0;
    size_t controlsOffset = 0;
};

bool FindFont(const BYTE* bytes, size_t size, FontLayout* layout, DialogFont* font) {
    TemplateReader in(bytes, size);
    WORD signature = 0;
    if (!in.Word(2, &signature))
        return false;
    layout->extended = signature == kExtendedSignature;
    DWORD style = 0;
    const size_t styleOffset = layout->extended ? 12 : 0;
    if (size < styleOffset + sizeof style)
        return false;
    std::memcpy(&style, bytes + styleOffset, sizeof style);
    if (!(style & DS_SETFONT))
        return false;
    size_t offset = layout->extended ? kExtendedHeaderSize : kHeaderSize;
    if (!in.StringOrOrdinal(&offset) || !in.StringOrOrdinal(&offset) || !in.String(&offset))
        return false;
    layout->fontOffset = offset;
    DialogFont read;
    if (!in.Word(offset, &read.pointSize))
        return false;
    offset += sizeof(WORD);
    if (layout->extended) {
        WORD italicAndCharSet = 0;
        if (!in.Word(offset, &read.weight) || !in.Word(offset + 2, &italicAndCharSet))
            return false;
        read.italic = LOBYTE(italicAndCharSet);
        read.charSet = HIBYTE(italicAndCharSet);
        offset += 2 * sizeof(WORD);
    }
    if (!in.String(&offset, &read.face))
        return false;
    layout->controlsOffset = (offset + 3) & ~size_t(3);
    if (layout->controlsOffset > size)
        layout->controlsOffset = size;
    if (font)
        *font = read;
    return true;
}

void AppendWord(std::vector<BYTE>& out, WORD value) {
    out.push_back(LOBYTE(value));
    out.push_back(HIBYTE(value));
}
} // namespace

bool ReadDialogFont(const BYTE* bytes, size_t size, DialogFont* font) {
    FontLayout layout;
    return FindFont(bytes, size, &layout, font);
}

std::vector<BYTE> WithDialogFont(const BYTE* bytes, size_t size, const DialogFont& font) {
    FontLayout layout;
    if (!FindFont(bytes, size, &layout, nullptr))
        return {};
    std::vector<BYTE> out(bytes, bytes + layout.fontOffset);
    AppendWord(out, font.pointSize);
    if (layout.extended) {
        AppendWord(out, font.weight);
        out.push_back(font.italic);
        out.push_back(font.charSet);
    }
    for (wchar_t c : font.face)
        AppendWord(out, static_cast<WORD>(c));
    AppendWord(out, 0);
    // Controls start on a DWORD boundary, and stay aligned among themselves
    // when the block moves by a multiple of four.
    out.resize((out.size() + 3) & ~size_t(3), 0);
    out.insert(out.end(), bytes + layout.controlsOffset, bytes + size);
    return out;
}

bool AfxGetPropSheetFont(DialogFont* font) {
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    HRSRC found =
        comctl ? FindResourceA(comctl, MAKEINTRESOURCEA(kPropSheetDialogId), RT_DIALOG) : nullptr;
    HGLOBAL loaded = found ? LoadResource(comctl, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return bytes &&
           ReadDialogFont(static_cast<const BYTE*>(bytes), SizeofResource(comctl, found), font);
}
