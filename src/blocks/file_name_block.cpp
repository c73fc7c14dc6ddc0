// The "OiFilNam" layout and the internet-name test.
#include "blocks/file_name_block.h"

#include <cstdint>
#include <cstring>
#include <new>

namespace file_name_block {

CByteSpan ReadName(CByteSpan block) {
    const void* zero = block.Size() ? std::memchr(block.Data(), 0, block.Size()) : nullptr;
    const size_t length =
        zero ? static_cast<const uint8_t*>(zero) - static_cast<const uint8_t*>(block.Data())
             : block.Size();
    return block.Slice(0, length);
}

OwnedBytes Build(CByteSpan name) {
    OwnedBytes built;
    if (name.Size() >= UINT32_MAX)
        return built;
    const size_t size = name.Size() + 1;
    built.data.reset(new (std::nothrow) uint8_t[size]);
    if (!built.data)
        return built;
    built.size = static_cast<uint32_t>(size);
    CMutableByteSpan out(built.data.get(), size);
    out.Write(0, name.Data(), name.Size());
    out.Fill(name.Size(), 1);
    return built;
}

bool IsInternetName(CByteSpan name) {
    static const char* const kSchemes[] = {"HTTP://", "FTP://", "GOPHER://"};
    // Upper-cased for the comparison; bytes outside a-z never match a
    // scheme letter, so multi-byte characters need no care here.
    char start[9] = {};
    const size_t count = name.Size() < sizeof start ? name.Size() : sizeof start;
    name.Read(0, start, count);
    for (size_t i = 0; i < count; ++i)
        if (start[i] >= 'a' && start[i] <= 'z')
            start[i] = static_cast<char>(start[i] - 'a' + 'A');
    for (const char* scheme : kSchemes) {
        const size_t length = std::strlen(scheme);
        if (count >= length && std::memcmp(start, scheme, length) == 0)
            return true;
    }
    return false;
}

} // namespace file_name_block
