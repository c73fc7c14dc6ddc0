// What the library owns for a while and gives back when its owner goes: GDI
// objects, device contexts, objects selected into one, and text that holds a
// user's secret (wiped first). Nothing is handed back by hand.
#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>

// A font, bitmap, brush or pen, deleted with its owner; moved, never copied.
template <class Handle> class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(Handle handle) : m_handle(handle) {}
    ~CGdiObject() { Reset(); }
    CGdiObject(CGdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept {
        Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }

    // Deletes the object held, then holds handle.
    void Reset(Handle handle = nullptr) {
        if (m_handle)
            DeleteObject(m_handle);
        m_handle = handle;
    }
    operator Handle() const { return m_handle; }

private:
    Handle m_handle = nullptr;
};

using COwnedFont = CGdiObject<HFONT>;
using COwnedBitmap = CGdiObject<HBITMAP>;
using COwnedBrush = CGdiObject<HBRUSH>;
using COwnedPen = CGdiObject<HPEN>;

// A window's client-area device context for one scope; a null window gives
// the screen's.
class CClientDC {
public:
    explicit CClientDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~CClientDC() {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

class CScreenDC : public CClientDC {
public:
    CScreenDC() : CClientDC(nullptr) {}
};

// The device context of one WM_PAINT, between BeginPaint and EndPaint.
class CPaintDC {
public:
    explicit CPaintDC(HWND window) : m_window(window), m_dc(BeginPaint(window, &m_paint)) {}
    ~CPaintDC() { EndPaint(m_window, &m_paint); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint;
    HDC m_dc;
};

// Objects of one kind selected into a device context for one scope; at its
// end the object the context had before the first is selected back. Declare
// owned objects before it, so that none is deleted while selected.
class CSelection {
public:
    CSelection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~CSelection() {
        if (m_previous)
            SelectObject(m_dc, m_previous);
    }
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

    void Select(HGDIOBJ object) const { SelectObject(m_dc, object); }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A fixed buffer for text that holds a user's secret: never on the heap, and
// overwritten with zeros when it goes.
template <std::size_t N> class CSecretText {
public:
    CSecretText() = default;
    ~CSecretText() { Wipe(); }
    CSecretText(const CSecretText&) = delete;
    CSecretText& operator=(const CSecretText&) = delete;

    char* Data() { return m_text; }
    const char* Data() const { return m_text; }
    static constexpr std::size_t Size() { return N; }
    void Wipe() { SecureZeroMemory(m_text, N); }

private:
    char m_text[N] = {};
};
