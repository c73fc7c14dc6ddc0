// CNamedBlock: a page's copy of one named data block (8-byte name, owned bytes).
// Pure C++: no window or system calls, so it builds and is fuzzed natively.
#pragma once

#include "blocks/byte_span.h"
#include "blocks/owned_bytes.h"

#include <cstdint>

class CNamedBlock {
public:
    static constexpr size_t kNameSize = 8;

    // Copies the 8 name bytes; the block starts empty.
    explicit CNamedBlock(const char* name);
    ~CNamedBlock();
    CNamedBlock(const CNamedBlock&) = delete;
    CNamedBlock& operator=(const CNamedBlock&) = delete;

    // True when the 8 raw bytes at name equal this block's name.
    bool IsNamed(const char* name) const;
    // Replaces the bytes with a copy of size bytes at data. 0 when memory
    // ran out: the block is then empty.
    int SetCopy(const void* data, uint32_t size);
    int SetCopy(CByteSpan bytes) {
        return SetCopy(bytes.Data(), static_cast<uint32_t>(bytes.Size()));
    }
    // Replaces the bytes with built ones, without copying.
    void Attach(OwnedBytes built);
    // Copies the bytes into buffer when all of them fit; false (nothing
    // written) when they do not. For host buffers whose size is known.
    bool CopyTo(CMutableByteSpan buffer) const { return buffer.Write(0, Bytes().Data(), Size()); }

    // Bounds-checked view of the held bytes for the layout that parses them.
    CByteSpan Bytes() const { return CByteSpan(m_bytes.data.get(), m_bytes.size); }
    // The same bytes for a page that edits its copy in place.
    CMutableByteSpan MutableBytes() { return CMutableByteSpan(m_bytes.data.get(), m_bytes.size); }
    uint32_t Size() const { return m_bytes.size; }

    // For blocks that carry a user's secret: every copy this holder frees or
    // replaces is overwritten with zeros first.
    void WipeOnRelease() { m_bWipe = true; }

private:
    void Release();

    char m_name[kNameSize];
    OwnedBytes m_bytes;
    bool m_bWipe = false;
};
