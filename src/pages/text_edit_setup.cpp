// Text handed to the edits of the text pages.
#include "pages/text_edit_setup.h"

TabStops TextTabStops(const CEdit& edit) {
    TEXTMETRICA metrics = {};
    if (HDC dc = ::GetDC(edit.m_hWnd)) {
        ::GetTextMetricsA(dc, &metrics);
        ::ReleaseDC(edit.m_hWnd, dc);
    }
    const int baseUnit = LOWORD(::GetDialogBaseUnits());
    const int interval = baseUnit ? metrics.tmAveCharWidth * 12 / baseUnit : 0;
    TabStops stops;
    for (size_t i = 0; i < stops.size(); ++i)
        stops[i] = static_cast<int>(i) * interval;
    return stops;
}

void ShowTextForEditing(const CEdit& edit, const char* text, const TabStops* stops, int limit) {
    if (stops)
        edit.SetTabStops(static_cast<int>(stops->size()), stops->data());
    edit.LimitText(limit);
    edit.SetWindowText(text);
    edit.SetFocus();
    edit.SetSel(-1, 0);
    edit.ScrollCaret();
}
