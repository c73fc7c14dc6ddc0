// CToolLook: how the annotation tools look at the display's scale and in its
// colour scheme. The images are drawn for 100, 150 or 200 per cent (the
// nearest below the display's scale, never stretched), in buttons of the same
// physical size at every scale. Under a contrast scheme (colour_scheme.h) the
// images take the scheme's colours, and a pressed or hot tool is framed on the
// face where the control would paint a light fill that hides light images.
#pragma once

#include "framework/dpi.h"
#include "framework/tool_bar.h"

class CToolLook {
public:
    // A tool's button at dpi: 23 x 22 pixels at 96 dpi, scaled.
    static SIZE ButtonSize(UINT dpi) {
        return {Scaled(kStandardButton.cx, dpi), Scaled(kStandardButton.cy, dpi)};
    }

    CToolLook() = default;
    CToolLook(const CToolLook&) = delete;
    CToolLook& operator=(const CToolLook&) = delete;
    ~CToolLook();

    // Loads the tools into bar for a window at dpi, coloured for the scheme.
    BOOL Load(CToolBar& bar, UINT dpi);
    // After the system's colours changed (the control has taken them): the
    // images are coloured anew.
    void OnSysColorChange(CToolBar& bar);
    // The bar's NM_CUSTOMDRAW, which its parent receives.
    LRESULT OnCustomDraw(NMTBCUSTOMDRAW& draw) const;

private:
    static constexpr SIZE kStandardButton = {23, 22}; // 16 x 15 images plus 7 each way

    void SetDisabledImages(CToolBar& bar);

    UINT m_dpi = kStandardDpi;
    UINT m_resource = 0; // the tool bar resource loaded
    bool m_contrast = false;
    HIMAGELIST m_disabledImages = nullptr; // the bar's, under a contrast scheme only
};
