// A dark colour scheme set with SetSysColors (Wine cannot turn high contrast on) and
// put back as it was when the object goes. Under Wine it holds for the session: the
// programs started meanwhile under the same server get it too.
#pragma once

#include <windows.h>

#include <iterator>

namespace kelgui_test {

class DarkScheme {
public:
    DarkScheme() {
        for (size_t i = 0; i < std::size(kElements); ++i)
            m_saved[i] = GetSysColor(kElements[i]);
        SetSysColors(int(std::size(kElements)), kElements, kDark);
    }
    ~DarkScheme() { SetSysColors(int(std::size(kElements)), kElements, m_saved); }
    DarkScheme(const DarkScheme&) = delete;
    DarkScheme& operator=(const DarkScheme&) = delete;

private:
    // A window frame as dark as the face: drawing must not count on it.
    static constexpr INT kElements[] = {COLOR_WINDOW,       COLOR_WINDOWTEXT,    COLOR_WINDOWFRAME,
                                        COLOR_BTNFACE,      COLOR_BTNTEXT,       COLOR_BTNSHADOW,
                                        COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW,    COLOR_3DLIGHT,
                                        COLOR_HIGHLIGHT,    COLOR_HIGHLIGHTTEXT, COLOR_GRAYTEXT};
    static constexpr COLORREF kDark[] = {0x181818, 0xF0F0F0, 0,        0x303030,
                                         0xFFFFFF, 0x101010, 0x707070, 0,
                                         0x505050, 0xAA5A00, 0xFFFFFF, 0x969696};
    COLORREF m_saved[std::size(kElements)] = {};
};

} // namespace kelgui_test
