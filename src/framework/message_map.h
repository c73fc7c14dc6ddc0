// Message tables: a class that handles messages derives from
// CMessageMap<Class, Base> and lists its rows in Class::Messages(), made with
// ForCommand, ForNotify, ForDrawItem and the like; its rows are tried first,
// then Base's. Its constructor hands Base's arguments to CMessageMap(...). Each row names one
// message (WM_COMMAND by notification code and control ids, WM_NOTIFY by code and sender ids) and a
// handler that takes that message's own arguments.
#pragma once

#include "framework/wnd.h"

#include <commctrl.h>
#include <windowsx.h>
#undef SubclassWindow // windowsx.h's macro would hide CWnd::SubclassWindow

#include <cstddef>
#include <type_traits>

template <class T> struct MessageEntry {
    UINT message;
    UINT code;
    UINT idFirst;
    UINT idLast;
    // Runs the handler; false lets the message go on to the next rows, the
    // base class's and the default handling.
    bool (*call)(T& self, const MessageArgs& m, LRESULT* result);
};

template <class T> class MessageTable {
public:
    template <std::size_t N>
    constexpr MessageTable(const MessageEntry<T> (&rows)[N]) : m_rows(rows), m_count(N) {}
    const MessageEntry<T>* begin() const { return m_rows; }
    const MessageEntry<T>* end() const { return m_rows + m_count; }

private:
    const MessageEntry<T>* m_rows;
    std::size_t m_count;
};

// Notifications from a window's controls are ignored while its UpdateData runs.
template <class T>
bool RouteMessage(T& self, MessageTable<T> table, const MessageArgs& m, LRESULT* result) {
    UINT code = 0;
    UINT id = 0;
    const bool isNotification = m.message == WM_COMMAND || m.message == WM_NOTIFY;
    if (m.message == WM_COMMAND) {
        code = HIWORD(m.wParam);
        id = LOWORD(m.wParam);
    } else if (m.message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(m.lParam);
        code = header->code;
        id = static_cast<UINT>(header->idFrom);
    }
    for (const MessageEntry<T>& entry : table) {
        if (entry.message != m.message)
            continue;
        if (isNotification && (entry.code != code || id < entry.idFirst || id > entry.idLast))
            continue;
        if (isNotification && AfxIsNotifyLockedOut(self.m_hWnd)) {
            *result = 0;
            return true;
        }
        if (entry.call(self, m, result))
            return true;
    }
    return false;
}

template <class T, class Base> class CMessageMap : public Base {
public:
    using Base::Base;

    bool OnWndMsg(const MessageArgs& m, LRESULT* result) override {
        return RouteMessage(static_cast<T&>(*this), T::Messages(), m, result) ||
               Base::OnWndMsg(m, result);
    }

protected:
    using Entry = MessageEntry<T>;

    // A notification code from the control id (or ids first to last):
    // handler() or handler(UINT id).
    template <auto Handler>
    static constexpr Entry ForCommand(UINT code, UINT first, UINT last = 0) {
        return {WM_COMMAND, code, first, last ? last : first,
                [](T& self, const MessageArgs& m, LRESULT* result) {
                    if constexpr (std::is_invocable_v<decltype(Handler), T&, UINT>)
                        (self.*Handler)(LOWORD(m.wParam));
                    else
                        (self.*Handler)();
                    *result = 0;
                    return true;
                }};
    }

    // WM_NOTIFY with code from a sender id in first to last: LRESULT
    // handler(Header&), Header the notification's own structure.
    template <auto Handler> static constexpr Entry ForNotify(UINT code, UINT first, UINT last) {
        return {WM_NOTIFY, code, first, last, [](T& self, const MessageArgs& m, LRESULT* result) {
                    *result = (self.*Handler)(*HeaderOf<decltype(Handler)>(m.lParam));
                    return true;
                }};
    }

    // BOOL handler(const DRAWITEMSTRUCT&): TRUE when it drew the item.
    template <auto Handler> static constexpr Entry ForDrawItem() {
        return {WM_DRAWITEM, 0, 0, 0, [](T& self, const MessageArgs& m, LRESULT* result) {
                    *result = (self.*Handler)(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam));
                    return true;
                }};
    }

    // BOOL handler(MEASUREITEMSTRUCT&): TRUE when it measured the item.
    template <auto Handler> static constexpr Entry ForMeasureItem() {
        return {WM_MEASUREITEM, 0, 0, 0, [](T& self, const MessageArgs& m, LRESULT* result) {
                    *result = (self.*Handler)(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam));
                    return true;
                }};
    }

    // WM_PAINT and WM_CLOSE: handler().
    template <auto Handler> static constexpr Entry ForPaint() { return Plain<Handler>(WM_PAINT); }
    template <auto Handler> static constexpr Entry ForClose() { return Plain<Handler>(WM_CLOSE); }

    // handler() runs, then the message goes on to the default handling.
    template <auto Handler> static constexpr Entry ForDestroy() {
        return {WM_DESTROY, 0, 0, 0, [](T& self, const MessageArgs&, LRESULT*) {
                    (self.*Handler)();
                    return false;
                }};
    }

    // LRESULT handler(POINT screen): the hit-test code.
    template <auto Handler> static constexpr Entry ForNcHitTest() {
        return {
            WM_NCHITTEST, 0, 0, 0, [](T& self, const MessageArgs& m, LRESULT* result) {
                *result = (self.*Handler)(POINT{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)});
                return true;
            }};
    }

    // Any other message: bool handler(const MessageArgs&, LRESULT* result);
    // false lets it go on to the base class's rows and the default handling.
    template <auto Handler> static constexpr Entry ForMessage(UINT message) {
        return {message, 0, 0, 0, [](T& self, const MessageArgs& m, LRESULT* result) {
                    return (self.*Handler)(m, result);
                }};
    }

private:
    template <auto Handler> static constexpr Entry Plain(UINT message) {
        return {message, 0, 0, 0, [](T& self, const MessageArgs&, LRESULT* result) {
                    (self.*Handler)();
                    *result = 0;
                    return true;
                }};
    }

    // The structure a notification handler takes, at lParam.
    template <class Handler> struct HeaderType;
    template <class C, class R, class Header> struct HeaderType<R (C::*)(Header&)> {
        using type = Header;
    };
    template <class Handler> static auto* HeaderOf(LPARAM lParam) {
        return reinterpret_cast<typename HeaderType<Handler>::type*>(lParam);
    }
};
