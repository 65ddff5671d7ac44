#pragma once

#include "gui/app/main_placement.h"

#include <QList>
#include <QMargins>
#include <QRect>

// Brings the main window's stored (or default) placement onto a screen that
// is there now. The placement is in twips; the screens' available areas (the
// desktop without its panels) are in the toolkit's device-independent pixels,
// which at a scale factor of 125 % make a 1366 x 768 screen 1093 x 614.
//
// The rectangle is the window's position with its frame (what move() takes)
// and the size of its inside (what resize() takes), as the placement keys
// store them.
namespace WindowFit {

// Room the window manager's frame takes around the window: a title bar and thin borders.
inline const QMargins DefaultFrame{4, 30, 4, 4};

// The placement in pixels at the given logical dots per inch.
QRect placementInPixels(const MainPlacement& placement, double dpi);

// The window inside the area: a size that does not fit is shrunk to the
// area (frame included); the position is then moved just far enough that the
// whole window lies inside it.
QRect fitIntoArea(const QRect& window, const QRect& area, const QMargins& frame = DefaultFrame);

// The first start's placement: most of the area (FirstStartShare of its
// width and height, frame included), centred in it.
inline constexpr double FirstStartShare = 0.9;
QRect firstStartPlacement(const QRect& area, const QMargins& frame = DefaultFrame);

// The screen a window belongs to: the area holding most of it, else (a
// screen that was removed) the first area, which is the primary screen's.
// With canPlace false (Wayland, where a program cannot place its windows)
// only the size is fitted and the position is left as it was.
QRect fitOntoScreens(const QRect& window, const QList<QRect>& areas, bool canPlace,
                     const QMargins& frame = DefaultFrame);

}  // namespace WindowFit
