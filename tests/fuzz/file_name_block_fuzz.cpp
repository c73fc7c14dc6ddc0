// The "OiFilNam" layout: the name read lies inside the block and ends at its first zero or the
// block's end; a built block is the name and one zero and reads back as the name up to its first
// zero; a name is an internet name exactly when it starts with a scheme, in any case.
#include "blocks/file_name_block.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

Bytes NameOf(const Bytes& block) {
    return ReadFrom(block, 0, file_name_block::ReadName(View(block)));
}

bool StartsWithScheme(const Bytes& name) {
    for (const char* scheme : {"http://", "ftp://", "gopher://"}) {
        const size_t n = std::strlen(scheme);
        if (name.size() >= n && std::equal(scheme, scheme + n, name.begin(), [](char s, uint8_t c) {
                return s == std::tolower(c) && c < 0x80;
            }))
            return true;
    }
    return false;
}

} // namespace

FUZZ_TARGET {
    while (in.remaining_bytes()) {
        const Bytes name = ConsumeBlock(in);
        NameOf(name);
        const OwnedBytes built = file_name_block::Build(View(name));
        FUZZ_CHECK(built && built.size == name.size() + 1 && built.data[name.size()] == 0);
        const Bytes block(built.data.get(), built.data.get() + built.size);
        FUZZ_CHECK(NameOf(block) == Bytes(name.begin(), std::find(name.begin(), name.end(), 0)));
        FUZZ_CHECK(file_name_block::IsInternetName(View(name)) == StartsWithScheme(name));
    }
}
