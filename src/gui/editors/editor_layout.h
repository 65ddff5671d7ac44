#pragma once

#include <QRect>

// A rectangle given in twips (the editor windows' design sizes), in pixels.
QRect TwipsRect(int left, int top, int width, int height);
