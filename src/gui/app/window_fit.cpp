#include "gui/app/window_fit.h"

#include "gui/base/twips.h"

#include <algorithm>
#include <cmath>

namespace {

int toPixels(int twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / TwipsPerInch));
}

// The window with its frame around it.
QRect outerRect(const QRect& window, const QMargins& frame)
{
    return QRect(window.topLeft(), window.size().grownBy(frame));
}

long long overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

}  // namespace

namespace WindowFit {

QRect placementInPixels(const MainPlacement& placement, double dpi)
{
    return QRect(toPixels(placement.left, dpi), toPixels(placement.top, dpi), toPixels(placement.width, dpi),
                 toPixels(placement.height, dpi));
}

QRect fitIntoArea(const QRect& window, const QRect& area, const QMargins& frame)
{
    const QSize room = area.size().shrunkBy(frame);
    const QSize size(std::clamp(window.width(), 1, std::max(1, room.width())),
                     std::clamp(window.height(), 1, std::max(1, room.height())));
    const QSize outer = size.grownBy(frame);
    const int maxX = std::max(area.left(), area.left() + area.width() - outer.width());
    const int maxY = std::max(area.top(), area.top() + area.height() - outer.height());
    const int x = std::clamp(window.x(), area.left(), maxX);
    const int y = std::clamp(window.y(), area.top(), maxY);
    return QRect(QPoint(x, y), size);
}

QRect firstStartPlacement(const QRect& area, const QMargins& frame)
{
    const QSize outer(static_cast<int>(area.width() * FirstStartShare),
                      static_cast<int>(area.height() * FirstStartShare));
    const QPoint topLeft(area.left() + (area.width() - outer.width()) / 2,
                         area.top() + (area.height() - outer.height()) / 2);
    return QRect(topLeft, outer.shrunkBy(frame));
}

QRect fitOntoScreens(const QRect& window, const QList<QRect>& areas, bool canPlace, const QMargins& frame)
{
    if (areas.isEmpty())
        return window;
    const QRect outer = outerRect(window, frame);
    const QRect* best = &areas.front();
    for (const QRect& area : areas) {
        if (overlap(outer, area) > overlap(outer, *best))
            best = &area;
    }
    if (canPlace)
        return fitIntoArea(window, *best, frame);
    // Only the size can be had; the window manager places the window.
    const QRect fitted = fitIntoArea(QRect(best->topLeft(), window.size()), *best, frame);
    return QRect(window.topLeft(), fitted.size());
}

}  // namespace WindowFit
