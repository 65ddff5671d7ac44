#include "core/editors/tone_tip_bars.h"

#include "core/base/numeric_text.h"

namespace {

constexpr double FrequencyScale = 256.0;

int rounded(double value)
{
    return static_cast<int>(RoundHalfEven(value));
}

}  // namespace

std::vector<ToneTipBar> ToneTipBars(const ToneTip& tip, int width, int height, int margin)
{
    const int w = width - 2 * margin;
    const int h = height - 2 * margin;
    int total = 0;
    for (const ToneTipTone& t : tip.Tones)
        total += t.Length > 0 ? t.Length : 0;
    std::vector<ToneTipBar> bars;
    if (total < 1)
        return bars;
    const int baseline = height - margin;
    int x = margin;
    for (std::size_t k = 0; k < tip.Tones.size(); ++k) {
        const ToneTipTone& t = tip.Tones[k];
        if (t.Length <= 0)
            continue;
        const int barWidth = rounded(static_cast<double>(t.Length) * w / total);
        const int barHeight = rounded(t.Freq * h / FrequencyScale);
        bars.push_back({x, baseline - barHeight, barWidth, barHeight, k % 2 == 0});
        x += barWidth;
    }
    return bars;
}
