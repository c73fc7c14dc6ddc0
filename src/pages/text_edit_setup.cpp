// Text handed to the edits of the text pages.
#include "pages/text_edit_setup.h"

#include "framework/owned.h"

TabStops TextTabStops(HWND edit) {
    TEXTMETRICA metrics = {};
    if (const CClientDC dc(edit); dc)
        ::GetTextMetricsA(dc, &metrics);
    const int baseUnit = LOWORD(::GetDialogBaseUnits());
    const int interval = baseUnit ? metrics.tmAveCharWidth * 12 / baseUnit : 0;
    TabStops stops;
    for (size_t i = 0; i < stops.size(); ++i)
        stops[i] = static_cast<int>(i) * interval;
    return stops;
}

void PrepareTextEdit(HWND edit, const TabStops* stops, int limit) {
    if (stops)
        ::SendMessageA(edit, EM_SETTABSTOPS, stops->size(),
                       reinterpret_cast<LPARAM>(stops->data()));
    ::SendMessageA(edit, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
}

void DropTabStops(HWND edit) {
    ::SendMessageA(edit, EM_SETTABSTOPS, 0, 0);
}

void FocusForEditing(const CEdit& edit) {
    edit.SetFocus();
    edit.SetSel(-1, 0);
    edit.ScrollCaret();
}

void ShowTextForEditing(const CEdit& edit, const char* text, const TabStops* stops, int limit) {
    PrepareTextEdit(edit.m_hWnd, stops, limit);
    edit.SetWindowText(text);
    FocusForEditing(edit);
}
