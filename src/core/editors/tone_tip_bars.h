#pragma once

#include "core/model/records.h"

#include <vector>

// The bar picture of a tone tip: one bar per tone with a length, side by side
// from the left margin, each as wide as its share of the tip's whole length
// and as high as its frequency value against 256. Bars stand on a baseline a
// margin above the bottom; odd tones are red, even tones blue.
struct ToneTipBar {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool red = false;  // tone 1, 3, ...; blue for 2, 4, ...

    bool operator==(const ToneTipBar&) const = default;
};

// The bars in a picture of the given size with the given margin on every side.
std::vector<ToneTipBar> ToneTipBars(const ToneTip& tip, int width, int height, int margin);
