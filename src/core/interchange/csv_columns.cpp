#include "core/interchange/csv_columns.h"

#include "core/base/numeric_text.h"
#include "core/base/text_helpers.h"
#include "core/model/tone_table.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr std::array<const char*, 3> PowerNames{"Low", "Medium", "High"};

// The text between the brackets of a tone list entry: "88.5Hz" or "023N".
std::string listValue(int code)
{
    const std::string& text = ToneList()[static_cast<std::size_t>(code)];
    const auto open = text.find('(');
    return text.substr(open + 1, text.size() - open - 2);
}

std::string ctcssText(int code)
{
    const std::string value = listValue(code);
    return value.substr(0, value.size() - 2);  // without "Hz"
}

std::string dcsText(int code)
{
    const std::string value = listValue(code);
    return value.substr(0, value.size() - 1);  // without "N"
}

bool isCtcss(int code)
{
    return code >= 1 && code <= CtcssCount;
}

bool isDcs(int code)
{
    return code >= FirstDcsCode && code < ToneCount;
}

// The code of a CTCSS frequency in hertz ("88.5", "88.50"); nothing when the radio has no such tone.
std::optional<int> ctcssCode(std::string_view text)
{
    const auto hz = ParseNumericText(text);
    if (!hz)
        return std::nullopt;
    for (int code = 1; code <= CtcssCount; ++code) {
        if (std::lround(*hz * 10) == std::lround(*ParseNumericText(ctcssText(code)) * 10))
            return code;
    }
    return std::nullopt;
}

// The code of a DCS code ("023", "23"); nothing when the radio has no such code.
std::optional<int> dcsCode(std::string_view text)
{
    const auto number = NumericTextToInteger(text);
    if (!number)
        return std::nullopt;
    for (int code = FirstDcsCode; code < ToneCount; ++code) {
        if (*NumericTextToInteger(dcsText(code)) == *number)
            return code;
    }
    return std::nullopt;
}

// The "Cross" mode's half of one direction: "Tone", "DTCS" or "".
std::string crossHalf(int code)
{
    return isCtcss(code) ? "Tone" : isDcs(code) ? "DTCS" : "";
}

class ToneReader {
public:
    explicit ToneReader(const CsvTones& t) : m_t(t) {}

    ToneCodes read()
    {
        const std::string& tone = m_t.Tone;
        if (SameWordIgnoringCase(tone, "Tone")) {
            m_codes.TDCT = ctcss(m_t.rToneFreq);
        } else if (SameWordIgnoringCase(tone, "TSQL")) {
            m_codes.TDCT = m_codes.RDCT = ctcss(m_t.cToneFreq);
        } else if (SameWordIgnoringCase(tone, "DTCS")) {
            m_codes.TDCT = m_codes.RDCT = dcs(m_t.DtcsCode);
        } else if (SameWordIgnoringCase(tone, "Cross")) {
            readCross();
        } else if (!tone.empty()) {
            m_codes.unavailable = true;
        }
        return m_codes;
    }

private:
    void readCross()
    {
        const std::string& mode = m_t.CrossMode;
        const auto arrow = mode.find("->");
        if (arrow == std::string::npos) {
            m_codes.unavailable = true;
            return;
        }
        const std::string tx = mode.substr(0, arrow);
        const std::string rx = mode.substr(arrow + 2);
        m_codes.TDCT = half(tx, m_t.rToneFreq, m_t.DtcsCode);
        m_codes.RDCT = half(rx, m_t.cToneFreq, m_t.RxDtcsCode);
    }

    int half(const std::string& kind, const std::string& toneFreq, const std::string& dtcs)
    {
        if (SameWordIgnoringCase(kind, "Tone"))
            return ctcss(toneFreq);
        if (SameWordIgnoringCase(kind, "DTCS"))
            return dcs(dtcs);
        if (!kind.empty())
            m_codes.unavailable = true;
        return 0;
    }

    int ctcss(const std::string& text) { return orOff(ctcssCode(text)); }
    int dcs(const std::string& text) { return orOff(dcsCode(text)); }
    int orOff(std::optional<int> code)
    {
        m_codes.unavailable = m_codes.unavailable || !code;
        return code.value_or(0);
    }

    const CsvTones& m_t;
    ToneCodes m_codes;
};

}  // namespace

const std::vector<std::string>& OwnCsvColumns()
{
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> names{"Group", "Position"};
        for (const ChannelField field : OwnCsvFields)
            names.emplace_back(ChannelFieldOf(field).csvColumn);
        return names;
    }();
    return columns;
}

std::string OffsetToMhzText(int offsetKhz)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", offsetKhz / 1000.0);
    return text;
}

std::optional<int> OffsetFromMhzText(std::string_view mhz)
{
    const auto value = ParseNumericText(mhz);
    if (!value || *value < 0 || *value > 1000)
        return std::nullopt;
    return static_cast<int>(std::lround(*value * 1000));
}

std::string PowerName(int level)
{
    return level >= 0 && level < static_cast<int>(PowerNames.size()) ? PowerNames[static_cast<std::size_t>(level)] : "";
}

std::optional<int> PowerByName(std::string_view name)
{
    for (std::size_t i = 0; i < PowerNames.size(); ++i) {
        if (SameWordIgnoringCase(PowerNames[i], name))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

CsvTones TonesToCsv(int rdct, int tdct)
{
    CsvTones t;
    const int rx = isCtcss(rdct) || isDcs(rdct) ? rdct : 0;
    const int tx = isCtcss(tdct) || isDcs(tdct) ? tdct : 0;
    if (rx == 0 && tx == 0)
        return t;
    if (rx == 0 && isCtcss(tx)) {
        t.Tone = "Tone";
        t.rToneFreq = ctcssText(tx);
    } else if (rx == tx && isCtcss(tx)) {
        t.Tone = "TSQL";
        t.rToneFreq = t.cToneFreq = ctcssText(tx);
    } else if (rx == tx) {
        t.Tone = "DTCS";
        t.DtcsCode = t.RxDtcsCode = dcsText(tx);
    } else {
        t.Tone = "Cross";
        t.CrossMode = crossHalf(tx) + "->" + crossHalf(rx);
        if (isCtcss(tx))
            t.rToneFreq = ctcssText(tx);
        if (isDcs(tx))
            t.DtcsCode = dcsText(tx);
        if (isCtcss(rx))
            t.cToneFreq = ctcssText(rx);
        if (isDcs(rx))
            t.RxDtcsCode = dcsText(rx);
    }
    return t;
}

ToneCodes TonesFromCsv(const CsvTones& tones)
{
    return ToneReader(tones).read();
}

std::string FlagText(int value)
{
    return value ? "On" : "Off";
}

std::optional<int> FlagFromText(std::string_view text)
{
    for (const char* on : {"on", "1", "yes", "true"}) {
        if (SameWordIgnoringCase(text, on))
            return 1;
    }
    for (const char* off : {"off", "0", "no", "false", ""}) {
        if (SameWordIgnoringCase(text, off))
            return 0;
    }
    return std::nullopt;
}
