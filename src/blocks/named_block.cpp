// CNamedBlock: the holder of one named block's bytes.
#include "blocks/named_block.h"

#include "blocks/secure_wipe.h"

#include <cstring>
#include <new>

CNamedBlock::CNamedBlock(const char* name) {
    std::memcpy(m_name, name, kNameSize);
}

CNamedBlock::~CNamedBlock() {
    Release();
}

void CNamedBlock::Release() {
    if (m_bWipe && m_bytes)
        SecureWipe(m_bytes.data.get(), m_bytes.size);
    m_bytes = OwnedBytes();
}

bool CNamedBlock::IsNamed(const char* name) const {
    return name && std::memcmp(m_name, name, kNameSize) == 0;
}

int CNamedBlock::SetCopy(const void* data, uint32_t size) {
    Release();
    OwnedBytes copy{std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[size ? size : 1]), size};
    if (!copy)
        return 0;
    // A null source with a size copies nothing: the block is then empty.
    if (CByteSpan(data, size).Read(0, copy.data.get(), size))
        m_bytes = std::move(copy);
    return 1;
}

void CNamedBlock::Attach(OwnedBytes built) {
    Release();
    m_bytes = std::move(built);
    if (!m_bytes)
        m_bytes.size = 0;
}
