// The "OiFilNam" block: a file name in the system's ANSI code page and one
// zero byte, name length + 1 bytes. Also the test that tells a name which is
// not read from disk (an internet name) from a file name.
#pragma once

#include "blocks/byte_span.h"
#include "blocks/owned_bytes.h"

#include <cstddef>

namespace file_name_block {

// The system's path limit without the zero byte. Longer names are kept as
// typed, but no file is opened under them.
constexpr size_t kMaxPathLength = 259;

// The name in a block: up to the first zero byte or the block's end.
CByteSpan ReadName(CByteSpan block);

// name and one zero byte. Null data when memory ran out.
OwnedBytes Build(CByteSpan name);

// True when the name starts with "HTTP://", "FTP://" or "GOPHER://" in any
// mix of cases. Only the very start counts; nothing is trimmed.
bool IsInternetName(CByteSpan name);

} // namespace file_name_block
