#include "core/freq/freq_code.h"

#include "core/base/lang_texts.h"
#include "core/base/notifier.h"
#include "core/base/text_fill.h"
#include "core/freq/channel_groups.h"
#include "core/base/numeric_text.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

constexpr std::size_t CodeLength = 8;
constexpr std::size_t WholeMhzDigits = 3;
constexpr double UnitsPerMhz = 100000.0;   // the code counts 10 Hz units
constexpr std::int64_t RasterUnits = 500;  // 5 kHz
constexpr double CbTopMhz = 27.405;        // above it the CB band holds UK channels only
constexpr int CbBand = 0;
constexpr int UkGroup = 3;
constexpr int CbMemGroup = 8;

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The "#0.00000" text of a well-formed code; nothing for a corrupt one.
std::optional<std::string> codeToText(std::string_view code)
{
    code = trimBlanks(code);
    if (!allDigits(code))
        return std::nullopt;
    const std::size_t cut = std::min(code.size(), WholeMhzDigits);
    const std::string withPoint = std::string(code.substr(0, cut)) + "." + std::string(code.substr(cut));
    return FormatFreqText(ParseNumericText(withPoint).value_or(0.0));
}

// The UK raster ends in 125 where the code can only hold 100 or 200.
std::string withUkEnding(const std::string& text)
{
    return text.substr(0, text.size() - 3) + "125";
}

bool showsUkEnding(const std::string& text, int group, int bandMode)
{
    if (bandMode != CbBand)
        return false;
    return group == UkGroup || (group == CbMemGroup && ParseNumericText(text).value_or(0.0) > CbTopMhz);
}

void warnBadFreq(Notifier& notifier)
{
    notifier.message(GetLangText(BadFreqTextNumber), NoticeIcon::Warning);
}

// An unsigned decimal text below 1000 MHz as a code; nothing otherwise.
std::optional<std::string> decimalTextToCode(std::string_view text)
{
    text = trimBlanks(text);
    const auto point = text.find('.');
    std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (!IsNumericText(text) || text.front() == '+' || text.front() == '-')
        return std::nullopt;
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    if (whole.size() > WholeMhzDigits)
        return std::nullopt;
    std::string code = std::string(WholeMhzDigits - whole.size(), '0') + std::string(whole) + std::string(fraction);
    code.resize(CodeLength, '0');  // cuts further decimals, pads with zeros
    return code;
}

}  // namespace

bool IsNoFrequencyCode(std::string_view code)
{
    return code.empty() || code == NoFrequencyCode;
}

bool IsCorruptFreqCode(std::string_view code)
{
    return !IsNoFrequencyCode(code) && !codeToText(code);
}

void ReportCorruptFreqCode(Notifier& notifier)
{
    notifier.message(NotNumericText, NoticeIcon::None);
}

std::string FreqCodeToText(std::string_view code, const Document& doc)
{
    if (IsNoFrequencyCode(code))
        return {};
    if (auto text = codeToText(code))
        return *text;
    return PlainNumberText(doc.FreqMin);
}

std::string FreqCodeToShowText(std::string_view code, int group, int bandMode, const Document& doc)
{
    if (IsNoFrequencyCode(code))
        return {};
    const auto text = codeToText(code);
    if (!text)
        return FreqCodeToText(code, doc);
    return showsUkEnding(*text, group, bandMode) ? withUkEnding(*text) : *text;
}

std::string FreqTextToCode(std::string_view text, const Document& doc)
{
    if (text.empty())
        return {};
    if (auto code = decimalTextToCode(text))
        return *code;
    return decimalTextToCode(PlainNumberText(doc.FreqMin)).value_or("00000000");
}

double SnapFreqToStep(double mhz, double freqMin)
{
    if (!std::isfinite(mhz) || !std::isfinite(freqMin))
        return mhz;
    const auto base = static_cast<std::int64_t>(RoundHalfEven(freqMin * UnitsPerMhz));
    const auto value = static_cast<std::int64_t>(RoundHalfEven(mhz * UnitsPerMhz));
    const std::int64_t off = (value - base) % RasterUnits;  // sign of the dividend
    return static_cast<double>(value - off) / UnitsPerMhz;
}

double SnapFreqToStep(double mhz, const Document& doc)
{
    return SnapFreqToStep(mhz, doc.FreqMin);
}

double LimitFreq(double mhz, const Document& doc, Notifier& notifier)
{
    if (mhz < doc.FreqMin) {
        warnBadFreq(notifier);
        return doc.FreqMin;
    }
    if (mhz <= doc.FreqMax)
        return SnapFreqToStep(mhz, doc);
    warnBadFreq(notifier);
    return doc.FreqMax;
}

double BadFreqWarning(const Document& doc, Notifier& notifier)
{
    warnBadFreq(notifier);
    return doc.FreqMin;
}

NearestChannel NearestChannelFreq(double typedMhz, const Document& doc)
{
    NearestChannel nearest;
    nearest.Freq = typedMhz;
    double bestDistance = std::numeric_limits<double>::infinity();
    const int count = std::clamp<int>(doc.ChannelCount, 0, MaxChannels);
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& channel = doc.ChannelList[static_cast<std::size_t>(i)];
        if (channel.ChannelNo < 1 || channel.ChannelNo > LastCountryChannel || IsNoFrequencyCode(channel.RxFreq))
            continue;
        const auto stored = codeToText(channel.RxFreq);
        if (!stored)
            continue;
        const int group = GetGroupOfChannel(channel.ChannelNo, CbBand);
        const std::string shown = showsUkEnding(*stored, group, CbBand) ? withUkEnding(*stored) : *stored;
        const double distance = std::fabs(ParseNumericText(shown).value_or(0.0) - typedMhz);
        if (distance < bestDistance) {
            bestDistance = distance;
            nearest = {ParseNumericText(*stored).value_or(0.0), group,
                       channel.ChannelNo - GetGroupStart(group, CbBand) - 1, true};
        }
    }
    return nearest;
}

std::optional<double> ParseTypedFreq(std::string_view typed)
{
    std::string text(trimBlanks(typed));
    std::replace(text.begin(), text.end(), ',', '.');
    if (text.empty() || text.front() == '+' || text.front() == '-')
        return std::nullopt;
    return ParseNumericText(text);
}

void ReportNotAFrequency(std::string_view typed, Notifier& notifier)
{
    notifier.message(FillText(GetLangText(Txt::FreqNotANumber), {std::string(typed)}), NoticeIcon::Warning);
}

std::string NormalizeFreqText(std::string_view typed, int group, int bandMode, const Document& doc, Notifier& notifier)
{
    const auto value = ParseTypedFreq(typed);
    double mhz = 0.0;
    if (!value)
        mhz = BadFreqWarning(doc, notifier);
    else if (group != CbMemGroup || bandMode != CbBand)
        mhz = LimitFreq(*value, doc, notifier);
    else
        mhz = NearestChannelFreq(*value, doc).Freq;
    return FormatFreqText(mhz);
}
