#pragma once

// Window sizes and positions of this program are kept in twips, 1440 to the
// inch, so that stored placements mean the same on screens of any density.
// Conversion uses the logical DPI of the primary screen (96 when there is none).
constexpr int TwipsPerInch = 1440;

double logicalDpi();
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
