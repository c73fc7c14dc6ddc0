// The "OiFilNam" layout: the name read lies inside the block and ends at its first zero or the
// block's end; a built block is the name and one zero and reads back as the name up to its first
// zero. Which names are internet names: blocks_test.
#include "blocks/file_name_block.h"
#include "fuzz_check.h"

#include <algorithm>

static Bytes NameOf(const Bytes& block) {
    return ReadFrom(block, 0, file_name_block::ReadName(View(block)));
}

FUZZ_TARGET {
    while (in.remaining_bytes()) {
        const Bytes name = ConsumeBlock(in);
        NameOf(name);
        const OwnedBytes built = file_name_block::Build(View(name));
        FUZZ_CHECK(built && built.size == name.size() + 1 && built.data[name.size()] == 0);
        const Bytes block(built.data.get(), built.data.get() + built.size);
        FUZZ_CHECK(NameOf(block) == Bytes(name.begin(), std::find(name.begin(), name.end(), 0)));
        file_name_block::IsInternetName(View(name));
    }
}
