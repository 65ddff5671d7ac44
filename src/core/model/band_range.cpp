#include "core/model/band_range.h"

#include "core/base/numeric_text.h"
#include "core/model/document.h"

std::optional<std::string> GetBandRangeText(int bandMode)
{
    switch (bandMode) {
    case 0:
        return std::string(DefaultBandRangeText);
    case 1:
        return std::string("25.615 - 30.105 MHz");
    case 2:
        return std::string("28.000 - 29.700 MHz");
    default:
        return std::nullopt;
    }
}

std::string BandModeName(int bandMode)
{
    switch (bandMode) {
    case 0:
        return "CB";
    case 1:
        return "HF";
    case 2:
        return "HAM";
    default:
        return "Unknown";
    }
}

BandLimits ParseBandRangeText(std::string_view rangeText)
{
    constexpr std::string_view separator = " - ";
    constexpr std::string_view unit = " MHz";
    BandLimits limits;
    const auto separatorAt = rangeText.find(separator);
    if (separatorAt == std::string_view::npos)
        return limits;
    if (const auto low = ParseNumericText(rangeText.substr(0, separatorAt)))
        limits.FreqMin = *low;
    const auto highStart = separatorAt + separator.size();
    const auto unitAt = rangeText.find(unit, highStart);
    const auto highLength = unitAt == std::string_view::npos ? std::string_view::npos : unitAt - highStart;
    if (const auto high = ParseNumericText(rangeText.substr(highStart, highLength)))
        limits.FreqMax = *high;
    return limits;
}

void ParseBandRange(Document& doc)
{
    const BandLimits limits = ParseBandRangeText(doc.BandRangeText);
    doc.FreqMin = limits.FreqMin;
    doc.FreqMax = limits.FreqMax;
}

bool ApplyBandMode(Document& doc, int bandMode)
{
    auto rangeText = GetBandRangeText(bandMode);
    if (!rangeText)
        return false;
    doc.BandMode = static_cast<std::int16_t>(bandMode);
    doc.BandRangeText = std::move(*rangeText);
    ParseBandRange(doc);
    return true;
}
