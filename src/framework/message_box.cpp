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

namespace {
const char* AppTitle() {
    CWinApp* app = AfxGetApp();
    return (app && app->m_pszAppName) ? app->m_pszAppName : "";
}

std::wstring Wide(const char* text) {
    const int units = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(units > 0 ? static_cast<size_t>(units) : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], units);
    wide.pop_back(); // the terminator
    return wide;
}
} // namespace

int AfxMessageBox(HWND owner, const std::string& text, UINT type) {
    return MessageBoxA(owner, text.c_str(), AppTitle(), type);
}

int AfxMessageBoxW(HWND owner, UINT id, const std::wstring& arg1, UINT type) {
    const wchar_t* pattern = nullptr; // read-only, not terminated
    const int length =
        LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&pattern), 0);
    std::wstring text(pattern ? pattern : L"", length > 0 ? static_cast<size_t>(length) : 0);
    const size_t at = text.find(L"%1");
    if (at != std::wstring::npos)
        text.replace(at, 2, arg1);
    return MessageBoxW(owner, text.c_str(), Wide(AppTitle()).c_str(), type);
}
