// A block built by a layout: bytes from new[] that a CNamedBlock can take over.
#pragma once

#include <cstdint>
#include <memory>

struct OwnedBytes {
    std::unique_ptr<uint8_t[]> data; // null when the block could not be made
    uint32_t size = 0;

    explicit operator bool() const { return data != nullptr; }
};
