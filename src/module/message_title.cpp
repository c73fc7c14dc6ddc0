// The message title exports: the caption of the library's message boxes.
#include "kelgui.h"

#include "module/export_frame.h"
#include "module/gui_app.h"

#include <cstdlib>
#include <cstring>
#include <mbstring.h>

extern "C" BOOL WINAPI KEL_GUI_message_title_set(LPCSTR title) {
    KELGUI_EXPORT_FRAME();
    CKELGuiApp& app = KelGuiApp();
    std::free(app.m_pszAppName);
    app.m_pszAppName = nullptr;
    if (title) {
        app.m_pszAppName = _strdup(title);
    } else {
        app.m_pszAppName = AfxMakeDefaultAppName(&app); // the module name here
    }
    return 1;
}

extern "C" UINT WINAPI KEL_GUI_message_title_get(LPSTR buffer, UINT size) {
    KELGUI_EXPORT_FRAME();
    const char* title = KelGuiApp().m_pszAppName;
    if (!title)
        return 0;
    if (!buffer)
        return static_cast<UINT>(std::strlen(title));
    // Multibyte-aware bounded copy: zero-fills after a shorter title and
    // leaves a title of size bytes or more unterminated.
    _mbsnbcpy(reinterpret_cast<unsigned char*>(buffer),
              reinterpret_cast<const unsigned char*>(title), size);
    return size;
}
