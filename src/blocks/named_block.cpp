// CNamedBlock: the holder of one named block's bytes.
#include "blocks/named_block.h"

#include "blocks/secure_wipe.h"

#include <cstring>
#include <new>

CNamedBlock::CNamedBlock(const char* name, uint8_t* data, uint32_t size)
    : m_pData(data), m_dwSize(data ? size : 0) {
    std::memcpy(m_name, name, kNameSize);
}

CNamedBlock::~CNamedBlock() {
    Release();
}

void CNamedBlock::Release() {
    if (m_bWipe && m_pData)
        SecureWipe(m_pData, m_dwSize);
    delete[] m_pData;
    m_pData = nullptr;
    m_dwSize = 0;
}

bool CNamedBlock::IsNamed(const char* name) const {
    return name && std::memcmp(m_name, name, kNameSize) == 0;
}

int CNamedBlock::SetCopy(const void* data, uint32_t size) {
    Release();
    uint8_t* copy = new (std::nothrow) uint8_t[size ? size : 1];
    if (!copy)
        return 0;
    // A null source with a size copies nothing: the block is then empty.
    if (!CByteSpan(data, size).Read(0, copy, size)) {
        delete[] copy;
        return 1;
    }
    m_pData = copy;
    m_dwSize = size;
    return 1;
}

void CNamedBlock::Attach(uint8_t* buffer, uint32_t size) {
    Release();
    m_pData = buffer;
    m_dwSize = buffer ? size : 0;
}

void CNamedBlock::Get(void* buffer, uint32_t* sizeOut) const {
    if (buffer)
        CMutableByteSpan(buffer, m_dwSize).Write(0, m_pData, m_dwSize);
    *sizeOut = m_dwSize;
}
