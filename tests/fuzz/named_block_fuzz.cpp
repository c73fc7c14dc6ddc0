// The block holder: after any run of copies (of a buffer the caller then changes) and attaches
// it reports the size it holds, hands back exactly those bytes, writes nothing into a buffer too
// small for them, nothing past them into a larger one, and keeps its name (never a null one).
#include "blocks/named_block.h"
#include "fuzz_check.h"

#include <algorithm>
#include <array>
#include <memory>

FUZZ_TARGET {
    std::array<char, CNamedBlock::kNameSize> name = {};
    in.ConsumeData(name.data(), name.size());
    CNamedBlock block(name.data());
    while (in.remaining_bytes()) {
        const Bytes bytes = ConsumeBlock(in);
        if (in.ConsumeBool()) {
            Bytes source = bytes;
            FUZZ_CHECK(block.SetCopy(source.data(), static_cast<uint32_t>(source.size())) == 1);
            source.assign(source.size(), 0xEE);
        } else {
            // Built bytes; an empty block has none, as when a layout could not build one.
            OwnedBytes owned{
                std::unique_ptr<uint8_t[]>(bytes.empty() ? nullptr : new uint8_t[bytes.size()]),
                static_cast<uint32_t>(bytes.size())};
            std::copy(bytes.begin(), bytes.end(), owned.data.get());
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

        FUZZ_CHECK(block.IsNamed(name.data()) && !block.IsNamed(nullptr));
        auto other = name;
        other[in.ConsumeIntegralInRange<size_t>(0, name.size() - 1)] ^=
            1 + in.ConsumeIntegral<uint8_t>() % 255;
        FUZZ_CHECK(!block.IsNamed(other.data()));
    }
}
