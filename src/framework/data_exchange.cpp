// Dialog data exchange and validation.
#include "framework/data_exchange.h"

#include "framework/framework_strings.h"
#include "framework/message_box.h"
#include "framework/storable_text.h"
#include "framework/wnd.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {
const char* SkipBlanks(const char* p) {
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

// Leading number of text, which must stand alone between blanks.
template <class Parse> bool ParseWhole(const char* text, Parse parse) {
    const char* start = SkipBlanks(text);
    char* end = nullptr;
    errno = 0;
    bool zero = false;
    if (!parse(start, &end, &zero) || end == start || errno == ERANGE)
        return false;
    if (zero && *start != '0')
        return false;
    return *SkipBlanks(end) == '\0';
}

// "日本語" as "日 本 語"; a surrogate pair stays one character.
std::wstring Spaced(const std::wstring& characters) {
    std::wstring spaced;
    for (wchar_t unit : characters) {
        if (!spaced.empty() && !IS_LOW_SURROGATE(unit))
            spaced += L' ';
        spaced += unit;
    }
    return spaced;
}

void ShowValidationMessage(CDataExchange* dx, const std::string& text) {
    HWND owner = GetAncestor(dx->m_pDlgWnd->m_hWnd, GA_ROOT);
    AfxMessageBox(owner, text, MB_OK | MB_ICONEXCLAMATION);
    dx->Fail();
}
} // namespace

bool AfxParseInt(const char* text, int* value) {
    long parsed = 0;
    bool ok = ParseWhole(text, [&](const char* p, char** end, bool* zero) {
        parsed = std::strtol(p, end, 10);
        *zero = parsed == 0;
        return parsed >= INT_MIN && parsed <= INT_MAX;
    });
    if (ok)
        *value = static_cast<int>(parsed);
    return ok;
}

bool AfxParseDWord(const char* text, DWORD* value) {
    unsigned long long parsed = 0;
    bool ok = ParseWhole(text, [&](const char* p, char** end, bool* zero) {
        if (*p == '-')
            return false;
        parsed = std::strtoull(p, end, 10);
        *zero = parsed == 0;
        return parsed <= 0xFFFFFFFFull;
    });
    if (ok)
        *value = static_cast<DWORD>(parsed);
    return ok;
}

HWND CDataExchange::PrepareCtrl(int id) {
    m_hWndLastControl = m_pDlgWnd->GetDlgItem(id);
    m_bEditLastControl = false;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    PrepareCtrl(id);
    m_bEditLastControl = true;
    return m_hWndLastControl;
}

void CDataExchange::Fail() {
    m_bFailed = true;
    if (!m_bSaveAndValidate || !m_hWndLastControl)
        return;
    SetFocus(m_hWndLastControl);
    if (m_bEditLastControl)
        SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& member) {
    if (dx->m_bFailed || member.m_hWnd)
        return;
    HWND control = dx->PrepareCtrl(id);
    if (control && member.Attach(control))
        dx->m_pDlgWnd->BindControl(&member);
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    if (dx->m_bFailed)
        return;
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        int length = GetWindowTextLengthA(control);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(control, &text[0], length + 1)));
        value.swap(text); // long texts are not copied twice
    } else {
        SetWindowTextA(control, value.c_str());
    }
}

void DDX_Text(CDataExchange* dx, int id, char* value, int maxLength) {
    if (dx->m_bFailed || maxLength <= 0)
        return;
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate)
        GetWindowTextA(control, value, maxLength);
    else
        SetWindowTextA(control, value);
}

namespace {
template <class T, class Parse>
void ExchangeNumber(CDataExchange* dx, int id, T& value, const char* format, UINT parseError,
                    Parse parse) {
    if (dx->m_bFailed)
        return;
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        char text[64] = {};
        GetWindowTextA(control, text, sizeof text);
        T parsed{};
        if (!parse(text, &parsed)) {
            ShowValidationMessage(dx, AfxLoadString(parseError));
            return;
        }
        value = parsed;
    } else {
        char text[32];
        std::snprintf(text, sizeof text, format, value);
        SetWindowTextA(control, text);
    }
}

// The range check of the DDV_MinMax functions; the bounds are named in the
// message in the member's own format.
template <class T>
void CheckRange(CDataExchange* dx, T value, T minimum, T maximum, const char* format) {
    if (dx->m_bFailed || !dx->m_bSaveAndValidate || (value >= minimum && value <= maximum))
        return;
    char low[16], high[16];
    std::snprintf(low, sizeof low, format, minimum);
    std::snprintf(high, sizeof high, format, maximum);
    ShowValidationMessage(dx, AfxFormatString(IDS_PARSE_INT_RANGE, low, high));
}

// An int exchanged through a control's get and set messages.
void ExchangeByMessages(CDataExchange* dx, int id, int& value, UINT getMessage, UINT setMessage) {
    if (dx->m_bFailed)
        return;
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(SendMessageA(control, getMessage, 0, 0));
    else
        SendMessageA(control, setMessage, static_cast<WPARAM>(value), 0);
}
} // namespace

void DDX_Text(CDataExchange* dx, int id, int& value) {
    ExchangeNumber(dx, id, value, "%d", IDS_PARSE_INT, AfxParseInt);
}

void DDX_Text(CDataExchange* dx, int id, DWORD& value) {
    ExchangeNumber(dx, id, value, "%lu", IDS_PARSE_UINT, AfxParseDWord);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    ExchangeByMessages(dx, id, value, BM_GETCHECK, BM_SETCHECK);
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
    ExchangeByMessages(dx, id, index, LB_GETCURSEL, LB_SETCURSEL);
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum) {
    CheckRange(dx, value, minimum, maximum, "%d");
}

void DDV_MinMaxDWord(CDataExchange* dx, DWORD value, DWORD minimum, DWORD maximum) {
    CheckRange(dx, value, minimum, maximum, "%lu");
}

void DDV_StorableText(CDataExchange* dx) {
    HWND edit = dx->m_hWndLastControl;
    if (dx->m_bFailed || !dx->m_bSaveAndValidate || !edit)
        return;
    // A password is read into a buffer of its own, wiped after; its edit is
    // limited far below this size.
    const bool secret = (GetWindowLongA(edit, GWL_STYLE) & ES_PASSWORD) != 0;
    wchar_t small[64];
    std::wstring large;
    const int length = GetWindowTextLengthW(edit);
    wchar_t* text = small;
    if (length >= static_cast<int>(std::size(small)) && !secret) {
        large.resize(static_cast<size_t>(length) + 1);
        text = &large[0];
    }
    const int read =
        GetWindowTextW(edit, text, text == small ? static_cast<int>(std::size(small)) : length + 1);
    const UnstorableText found = FindUnstorable(text, read > 0 ? static_cast<size_t>(read) : 0);
    SecureZeroMemory(small, sizeof small);
    if (!found)
        return;
    HWND owner = GetAncestor(dx->m_pDlgWnd->m_hWnd, GA_ROOT);
    AfxMessageBoxW(owner, secret ? IDS_SECRET_NOT_STORABLE : IDS_TEXT_NOT_STORABLE,
                   Spaced(found.characters), MB_OK | MB_ICONEXCLAMATION);
    dx->Fail();
    SendMessageW(edit, EM_SETSEL, found.first, found.end);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}
