// Text that must survive being stored in the system's ANSI code page: the
// blocks pages give back are ANSI, and a character the code page cannot hold
// would silently become another ("?", or a look-alike) on the way.
#pragma once

#include <cstddef>
#include <string>

struct UnstorableText {
    size_t first = 0, end = 0; // from the first to the last of them, in UTF-16 units
    std::wstring characters;   // each once, in the order they appear (at most 16)

    explicit operator bool() const { return !characters.empty(); }
};

// The characters of text (UTF-16, as edits hold it) that the ANSI code page
// cannot hold exactly; none when it holds all of them.
UnstorableText FindUnstorable(const wchar_t* text, size_t length);
