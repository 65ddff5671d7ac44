#pragma once

#include <QRect>

// The sizes every editor window shares, in twips (the unit the windows are
// designed in; see twips.h).
namespace EditorSize {
inline constexpr int Margin = 120;         // from the window's edges, and between buttons
inline constexpr int ControlHeight = 315;  // every list, box and check box
inline constexpr int ButtonWidth = 1215;
inline constexpr int ButtonHeight = 375;
inline constexpr int LabelGap = 100;  // a label's right edge stands this far left of its control
}  // namespace EditorSize

// A rectangle given in twips (the editor windows' design sizes), in pixels.
QRect TwipsRect(int left, int top, int width, int height);
