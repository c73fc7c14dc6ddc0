// Reads a window as a screen reader does: its client object through oleacc
// (AccessibleObjectFromWindow), the window itself (item 0) or one of its items.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>

namespace kelgui_test {

struct Announcement {
    std::string name; // in the ANSI code page, as the library's strings load
    long role = -1;
    long state = -1;
    bool operator==(const Announcement& o) const {
        return name == o.name && role == o.role && state == o.state;
    }
};
inline std::ostream& operator<<(std::ostream& out, const Announcement& a) {
    return out << '"' << a.name << "\" role " << a.role << " state 0x" << std::hex << a.state
               << std::dec;
}
Announcement ReadAloud(HWND window, long item = 0);
// Items of the window's client object (0 when oleacc gives it none).
long ItemCount(HWND window);

} // namespace kelgui_test
