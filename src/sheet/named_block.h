// CNamedBlock: a page's copy of one named data block (8-byte name, owned bytes).
#pragma once

#include "sheet/byte_span.h"

#include <windows.h>

class CNamedBlock {
public:
    static constexpr size_t kNameSize = 8;

    // Copies the 8 name bytes and takes ownership of data (from new[]).
    CNamedBlock(const char* name, BYTE* data = nullptr, DWORD size = 0);
    virtual ~CNamedBlock();
    CNamedBlock(const CNamedBlock&) = delete;
    CNamedBlock& operator=(const CNamedBlock&) = delete;

    // True when the 8 raw bytes at name equal this block's name.
    bool IsNamed(const char* name) const;
    // Replaces the bytes with a copy of size bytes at data. 0 when memory
    // ran out: the block is then empty.
    int SetCopy(const void* data, DWORD size);
    int SetCopy(CByteSpan bytes) { return SetCopy(bytes.Data(), static_cast<DWORD>(bytes.Size())); }
    // Replaces the bytes with buffer (from new[]) without copying.
    void Attach(BYTE* buffer, DWORD size);
    // buffer null: only the size. Otherwise copies the bytes too.
    void Get(void* buffer, DWORD* sizeOut) const;
    // Copies the bytes into buffer when all of them fit; false (nothing
    // written) when they do not. For host buffers whose size is known.
    bool CopyTo(CMutableByteSpan buffer) const { return buffer.Write(0, m_pData, m_dwSize); }

    // Bounds-checked view of the held bytes for the page that parses them.
    CByteSpan Bytes() const { return CByteSpan(m_pData, m_dwSize); }
    DWORD Size() const { return m_dwSize; }

private:
    void Release();

    char m_name[kNameSize];
    BYTE* m_pData = nullptr;
    DWORD m_dwSize = 0;
};
