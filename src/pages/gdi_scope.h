// Scoped GDI objects for drawing code: a pen or brush is deleted when its
// scope ends, and a selection puts the device context's previous pen back
// first, so that nothing is deleted while it is selected.
#pragma once

#include <windows.h>

// A solid pen or brush owned for one drawing. Declare it before the
// CPenSelection that selects it: scopes end in reverse order.
template <class Handle> class CGdiOwned {
public:
    explicit CGdiOwned(Handle handle) : m_handle(handle) {}
    ~CGdiOwned() {
        if (m_handle)
            DeleteObject(m_handle);
    }
    CGdiOwned(const CGdiOwned&) = delete;
    CGdiOwned& operator=(const CGdiOwned&) = delete;
    operator Handle() const { return m_handle; }

private:
    Handle m_handle;
};

using COwnedPen = CGdiOwned<HPEN>;
using COwnedBrush = CGdiOwned<HBRUSH>;

inline HPEN MakeSolidPen(COLORREF color) {
    return CreatePen(PS_SOLID, 1, color);
}

// Selects pens into a device context and, at the end of the scope, selects
// back the pen the context had before the first one.
class CPenSelection {
public:
    explicit CPenSelection(HDC dc) : m_dc(dc) {}
    ~CPenSelection() {
        if (m_previous)
            SelectObject(m_dc, m_previous);
    }
    CPenSelection(const CPenSelection&) = delete;
    CPenSelection& operator=(const CPenSelection&) = delete;

    void Select(HPEN pen) {
        HGDIOBJ previous = SelectObject(m_dc, pen);
        if (!m_previous)
            m_previous = previous;
    }

private:
    HDC m_dc;
    HGDIOBJ m_previous = nullptr;
};
