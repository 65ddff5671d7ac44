#include "gui/base/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 0.0;
    return dpi > 0.0 ? dpi : 96.0;
}

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips * logicalDpi() / TwipsPerInch));
}

int pixelsToTwips(int pixels)
{
    return static_cast<int>(std::lround(pixels * TwipsPerInch / logicalDpi()));
}
