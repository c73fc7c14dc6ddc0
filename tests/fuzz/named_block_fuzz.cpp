// The block holder: after any run of copies and attaches it reports the size
// it holds, hands back exactly those bytes, writes nothing into a buffer too
// small for them, nothing past them into a larger one, and keeps its name.
#include "blocks/named_block.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstring>

FUZZ_TARGET {
    char name[CNamedBlock::kNameSize] = {};
    in.ConsumeData(name, sizeof name);
    CNamedBlock block(name);
    while (in.remaining_bytes()) {
        const Bytes bytes = ConsumeBlock(in);
        if (in.ConsumeBool()) {
            FUZZ_CHECK(block.SetCopy(bytes.data(), static_cast<uint32_t>(bytes.size())) == 1);
        } else {
            OwnedBytes owned;
            if (!bytes.empty()) {
                owned.data.reset(new uint8_t[bytes.size()]);
                owned.size = static_cast<uint32_t>(bytes.size());
                std::memcpy(owned.data.get(), bytes.data(), bytes.size());
            }
            block.Attach(std::move(owned));
        }
        FUZZ_CHECK(block.Size() == bytes.size() && block.Bytes().Size() == bytes.size());
        const auto* held = static_cast<const uint8_t*>(block.Bytes().Data());
        FUZZ_CHECK(Bytes(held, held + block.Size()) == bytes);

        const size_t room = in.ConsumeIntegralInRange<size_t>(0, 72);
        Bytes buffer(room, 0xA5);
        const bool fits = room >= bytes.size();
        FUZZ_CHECK(block.CopyTo(CMutableByteSpan(buffer.data(), room)) == fits);
        Bytes expected(room, 0xA5);
        if (fits)
            std::copy(bytes.begin(), bytes.end(), expected.begin());
        FUZZ_CHECK(buffer == expected);

        FUZZ_CHECK(block.IsNamed(name));
        char other[sizeof name];
        std::memcpy(other, name, sizeof name);
        other[in.ConsumeIntegralInRange<size_t>(0, sizeof name - 1)] ^=
            1 + in.ConsumeIntegral<uint8_t>() % 255;
        FUZZ_CHECK(!block.IsNamed(other));
    }
}
