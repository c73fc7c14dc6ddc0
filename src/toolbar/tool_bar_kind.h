// Tells whether a window object is the toolbar's tool bar, the only window
// whose messages the library's message hook pre-translates.
#pragma once

class CWnd;

bool IsKelToolBar(const CWnd* wnd);
