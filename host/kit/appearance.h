// Showing, hiding, placing and colouring controls: what a script changes on
// a form after making it.
#pragma once
#include <cstdint>

namespace host::kit {

class TKitControl;

// Makes the window, shows it, brings it to the front and gives it the focus.
void ShowAndActivate(TKitControl& control);
void HideControl(TKitControl& control);
// The window exists and is visible.
bool IsControlVisible(const TKitControl& control);
void PostClose(TKitControl& control);

// Layered transparency, alpha 1 (almost clear) to 255 (opaque); kept for a
// window made later. Raises for values outside that range.
void SetAlphaBlend(TKitControl& control, int alpha);
// Gives a new window its stored alpha.
void ApplyAlpha(TKitControl& control);
void SetTopMost(TKitControl& control, bool topMost);

// Centres the control on its parent's client area, a top-level one on the
// screen, making the window first.
void CenterControl(TKitControl& control);
// Outer size; 0 keeps the current width or height.
void SetControlSize(TKitControl& control, int width, int height);
// An explicit position in parent coordinates (a top-level window's on screen).
void SetControlPosition(TKitControl& control, int left, int top);
void SetAlign(TKitControl& control, int align);
// Places the children that fill the client area.
void LayoutChildren(TKitControl& control);
// Takes the bounds from the window as it is.
void ReadBounds(TKitControl& control);

// Colours as the kit keeps them (kSystemColorBit for a system colour).
void SetTextColor(TKitControl& control, uint32_t color);
void SetBackgroundColor(TKitControl& control, uint32_t color);

}  // namespace host::kit
