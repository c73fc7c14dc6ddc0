// Reads a text file straight into a new "OiAnText" block: one read, no copy.
#pragma once

#include "blocks/byte_span.h"
#include "blocks/owned_bytes.h"

#include <string>

// The whole file as the block's text, with loaded's header words carried.
// Null when there is nothing to give: a name longer than the system's path
// limit, a name that is no disk file that can be opened for reading
// (missing, a directory, a device or pipe, locked), a size that does not fit
// the block, no memory, or a read that failed or came short.
OwnedBytes ReadTextFileBlock(const std::string& fileName, CByteSpan loaded);
