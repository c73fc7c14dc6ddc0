// A dark colour scheme set with SetSysColors (Wine cannot turn high contrast on) and
// put back as it was when the object goes. Under Wine it holds for the session: the
// programs started meanwhile under the same server get it too.
#pragma once

#include <windows.h>

#include <vector>

namespace kelgui_test {

class DarkScheme {
public:
    DarkScheme() : DarkScheme(kElements, kDark) {}
    // A scheme of the caller's: these elements in these colours.
    template <size_t N>
    DarkScheme(const INT (&elements)[N], const COLORREF (&colours)[N])
        : m_elements(elements, elements + N) {
        for (INT element : elements)
            m_saved.push_back(GetSysColor(element));
        m_set = SetSysColors(int(N), elements, colours);
    }
    ~DarkScheme() { SetSysColors(int(m_elements.size()), m_elements.data(), m_saved.data()); }
    DarkScheme(const DarkScheme&) = delete;
    DarkScheme& operator=(const DarkScheme&) = delete;
    bool Set() const { return m_set; }

private:
    // A window frame as dark as the face: drawing must not count on it.
    static constexpr INT kElements[] = {COLOR_WINDOW,       COLOR_WINDOWTEXT,    COLOR_WINDOWFRAME,
                                        COLOR_BTNFACE,      COLOR_BTNTEXT,       COLOR_BTNSHADOW,
                                        COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW,    COLOR_3DLIGHT,
                                        COLOR_HIGHLIGHT,    COLOR_HIGHLIGHTTEXT, COLOR_GRAYTEXT};
    static constexpr COLORREF kDark[] = {0x181818, 0xF0F0F0, 0,        0x303030,
                                         0xFFFFFF, 0x101010, 0x707070, 0,
                                         0x505050, 0xAA5A00, 0xFFFFFF, 0x969696};
    std::vector<INT> m_elements;
    std::vector<COLORREF> m_saved; // their colours before
    bool m_set = false;
};

} // namespace kelgui_test
