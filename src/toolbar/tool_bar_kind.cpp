// The message hook's test for the annotation tool bar.
#include "toolbar/tool_bar_kind.h"

#include "toolbar/kel_tool_bar.h"

bool IsKelToolBar(const CWnd* wnd) {
    return dynamic_cast<const CKELToolBar*>(wnd) != nullptr;
}
