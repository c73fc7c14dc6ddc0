// Bounds-checked byte access.
#include "blocks/byte_span.h"

#include <cstring>

bool CByteSpan::Read(size_t offset, void* out, size_t count) const {
    if (!Contains(offset, count)) {
        if (count) // out may be null when nothing is asked for
            std::memset(out, 0, count);
        return false;
    }
    if (count)
        std::memcpy(out, m_data + offset, count);
    return true;
}

bool CMutableByteSpan::Write(size_t offset, const void* in, size_t count) {
    if (!Contains(offset, count))
        return false;
    if (count)
        std::memcpy(const_cast<uint8_t*>(m_data) + offset, in, count);
    return true;
}

bool CMutableByteSpan::Fill(size_t offset, size_t count, uint8_t value) {
    if (!Contains(offset, count))
        return false;
    if (count)
        std::memset(const_cast<uint8_t*>(m_data) + offset, value, count);
    return true;
}
