// The message title exports: the caption of the library's message boxes.
#include "kelgui.h"

#include "framework/host_call.h"
#include "module/gui_app.h"

#include "blocks/byte_span.h"

#include <cstdlib>
#include <cstring>

namespace {
// Bytes of title that fit in size without splitting a double-byte character:
// a lead byte whose trail byte would not fit is left out (and zero-filled).
size_t WholeCharacterBytes(const char* title, size_t length, size_t size) {
    size_t n = 0;
    while (n < length && n < size) {
        size_t step = IsDBCSLeadByte(static_cast<BYTE>(title[n])) && n + 1 < length ? 2 : 1;
        if (n + step > size)
            break;
        n += step;
    }
    return n;
}
} // namespace

extern "C" BOOL WINAPI KEL_GUI_message_title_set(LPCSTR title) {
    return CallFromHost([title]() -> HostAnswer {
        CKELGuiApp& app = KelGuiApp();
        std::free(app.m_pszAppName);
        app.m_pszAppName = nullptr;
        if (title)
            app.m_pszAppName = _strdup(title);
        else
            app.m_pszAppName = AfxMakeDefaultAppName(&app); // the module name here
        return 1;
    });
}

extern "C" UINT WINAPI KEL_GUI_message_title_get(LPSTR buffer, UINT size) {
    return CallFromHost<UINT>([buffer, size]() -> HostAnswer {
        const char* title = KelGuiApp().m_pszAppName;
        if (!title)
            return Refused(ERROR_NOT_ENOUGH_MEMORY); // the last copy of a title failed
        if (!buffer)
            return static_cast<UINT>(std::strlen(title));
        // Multibyte-aware bounded copy of at most size bytes: zero-fills after
        // a shorter title and leaves a title of size bytes or more unterminated.
        const size_t length = std::strlen(title);
        const size_t copied = WholeCharacterBytes(title, length, size);
        CMutableByteSpan out(buffer, size);
        out.Write(0, title, copied);
        out.Fill(copied, size - copied);
        return size;
    });
}
