// Reading windows through oleacc, as screen readers do.
#include "screen_reader.h"

#include <oleacc.h>

namespace kelgui_test {

namespace {
// __uuidof, not IID_IAccessible: MinGW's oleacc import library turns that
// name into a thunk, not the GUID.
IAccessible* ClientObject(HWND window) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                               reinterpret_cast<void**>(&object));
    return object;
}

std::string Ansi(BSTR text) {
    if (!text)
        return "";
    char bytes[512] = "";
    WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    SysFreeString(text);
    return bytes;
}
} // namespace

Announcement ReadAloud(HWND window, long item) {
    Announcement heard;
    IAccessible* object = ClientObject(window);
    if (!object)
        return heard;
    VARIANT id, value;
    id.vt = VT_I4;
    id.lVal = item;
    BSTR name = nullptr;
    object->get_accName(id, &name);
    heard.name = Ansi(name);
    VariantInit(&value);
    if (SUCCEEDED(object->get_accRole(id, &value)) && value.vt == VT_I4)
        heard.role = value.lVal;
    VariantClear(&value);
    if (SUCCEEDED(object->get_accState(id, &value)) && value.vt == VT_I4)
        heard.state = value.lVal;
    VariantClear(&value);
    object->Release();
    return heard;
}

long ItemCount(HWND window) {
    long count = 0;
    if (IAccessible* object = ClientObject(window)) {
        object->get_accChildCount(&count);
        object->Release();
    }
    return count;
}

} // namespace kelgui_test
