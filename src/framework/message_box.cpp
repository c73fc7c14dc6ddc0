// Message boxes of the library and string loading.
#include "framework/message_box.h"

#include "framework/afx_state.h"
#include "framework/win_app.h"

std::string AfxLoadString(UINT id) {
    // LoadStringA with a zero size gives a read-only pointer to the UTF-16
    // resource, not the ANSI length, so grow a buffer until the text fits.
    std::string text(256, '\0');
    for (;;) {
        int length =
            LoadStringA(AfxGetResourceHandle(), id, &text[0], static_cast<int>(text.size()));
        if (length < static_cast<int>(text.size()) - 1) {
            text.resize(static_cast<size_t>(length > 0 ? length : 0));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

std::string AfxFormatString(UINT id, const char* arg1, const char* arg2) {
    std::string pattern = AfxLoadString(id);
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            const char* arg = pattern[i + 1] == '1' ? arg1 : arg2;
            out += arg ? arg : "";
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

int AfxMessageBox(HWND owner, const std::string& text, UINT type) {
    CWinApp* app = AfxGetApp();
    const char* caption = (app && app->m_pszAppName) ? app->m_pszAppName : "";
    return MessageBoxA(owner, text.c_str(), caption, type);
}
