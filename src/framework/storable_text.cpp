// Characters the ANSI code page cannot hold.
#include "framework/storable_text.h"

#include <windows.h>

#include <vector>

namespace {
constexpr size_t kNamedAtMost = 16;

// Text converts exactly when no default character stands in for any of it
// and no best fit (Omega as "O") replaces any of it.
bool Storable(const wchar_t* text, size_t length) {
    std::vector<char> converted(2 * length + 1); // at most two bytes a unit
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text,
                                         static_cast<int>(length), converted.data(),
                                         static_cast<int>(converted.size()), nullptr, &usedDefault);
    return size > 0 && !usedDefault;
}
} // namespace

UnstorableText FindUnstorable(const wchar_t* text, size_t length) {
    UnstorableText found;
    // A UTF-8 code page holds everything (and takes no default character).
    if (length == 0 || GetACP() == CP_UTF8 || Storable(text, length))
        return found;
    size_t named = 0;
    for (size_t i = 0; i < length;) {
        const bool pair =
            IS_HIGH_SURROGATE(text[i]) && i + 1 < length && IS_LOW_SURROGATE(text[i + 1]);
        const std::wstring character(text + i, pair ? 2 : 1);
        if (!Storable(character.data(), character.size())) {
            if (!found)
                found.first = i;
            found.end = i + character.size();
            if (named < kNamedAtMost && found.characters.find(character) == std::wstring::npos) {
                found.characters += character;
                ++named;
            }
        }
        i += character.size();
    }
    return found;
}
