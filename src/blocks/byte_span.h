// Bounds-checked access to bytes that belong to the host (its buffers and
// records) or to a named block. Every such read and write goes through here,
// so a short block or buffer is never read or written outside its size.
#pragma once

#include <cstddef>
#include <cstdint>

class CByteSpan {
public:
    CByteSpan(const void* data, size_t size)
        : m_data(static_cast<const uint8_t*>(data)), m_size(data ? size : 0) {}

    size_t Size() const { return m_size; }
    const void* Data() const { return m_data; }
    bool Contains(size_t offset, size_t count) const {
        return offset <= m_size && count <= m_size - offset;
    }
    // Copies count bytes at offset into out. Outside the span, out is
    // zero-filled and the result is false.
    bool Read(size_t offset, void* out, size_t count) const;
    template <class T> T ReadValue(size_t offset, T fallback = T()) const {
        T value;
        return Read(offset, &value, sizeof value) ? value : fallback;
    }
    // The count bytes at offset as a span of their own; empty when they do
    // not all lie inside this one.
    CByteSpan Slice(size_t offset, size_t count) const {
        return Contains(offset, count) ? CByteSpan(m_data + offset, count) : CByteSpan(nullptr, 0);
    }

protected:
    const uint8_t* m_data;
    size_t m_size;
};

class CMutableByteSpan : public CByteSpan {
public:
    CMutableByteSpan(void* data, size_t size) : CByteSpan(data, size) {}

    // For a system call that fills the span in place, at most Size() bytes.
    void* MutableData() const { return const_cast<uint8_t*>(m_data); }

    // Copies count bytes from in to offset; nothing is written unless all of
    // them fit.
    bool Write(size_t offset, const void* in, size_t count);
    template <class T> bool WriteValue(size_t offset, const T& value) {
        return Write(offset, &value, sizeof value);
    }
    // Zero-fills count bytes at offset under the same rule.
    bool Fill(size_t offset, size_t count, uint8_t value = 0);
    CMutableByteSpan Slice(size_t offset, size_t count) const {
        return Contains(offset, count)
                   ? CMutableByteSpan(const_cast<uint8_t*>(m_data) + offset, count)
                   : CMutableByteSpan(nullptr, 0);
    }
};
