// CNamedBlock: a page's copy of one named data block (8-byte name, owned bytes).
// Pure C++: no window or system calls, so it builds and is fuzzed natively.
#pragma once

#include "blocks/byte_span.h"
#include "blocks/owned_bytes.h"

#include <cstdint>

class CNamedBlock {
public:
    static constexpr size_t kNameSize = 8;

    // Copies the 8 name bytes and takes ownership of data (from new[]).
    CNamedBlock(const char* name, uint8_t* data = nullptr, uint32_t size = 0);
    virtual ~CNamedBlock();
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
    // Replaces the bytes with buffer (from new[]) without copying.
    void Attach(uint8_t* buffer, uint32_t size);
    void Attach(OwnedBytes built) { Attach(built.data.release(), built.size); }
    // buffer null: only the size. Otherwise copies the bytes too.
    void Get(void* buffer, uint32_t* sizeOut) const;
    // Copies the bytes into buffer when all of them fit; false (nothing
    // written) when they do not. For host buffers whose size is known.
    bool CopyTo(CMutableByteSpan buffer) const { return buffer.Write(0, m_pData, m_dwSize); }

    // Bounds-checked view of the held bytes for the layout that parses them.
    CByteSpan Bytes() const { return CByteSpan(m_pData, m_dwSize); }
    // The same bytes for a page that edits its copy in place.
    CMutableByteSpan MutableBytes() { return CMutableByteSpan(m_pData, m_dwSize); }
    uint32_t Size() const { return m_dwSize; }

    // For blocks that carry a user's secret: every copy this holder frees or
    // replaces is overwritten with zeros first.
    void WipeOnRelease() { m_bWipe = true; }

private:
    void Release();

    char m_name[kNameSize];
    uint8_t* m_pData = nullptr;
    uint32_t m_dwSize = 0;
    bool m_bWipe = false;
};
