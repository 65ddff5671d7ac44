#include "core/model/field_ranges.h"

#include "core/model/tone_table.h"
#include "core/model/document.h"
#include "core/model/fixed_text.h"

#include <algorithm>
#include <bitset>

namespace {

constexpr std::size_t FreqCodeWidth = 8;

std::string describe(const std::string& where, int value)
{
    return where + " = " + std::to_string(value);
}

bool isUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

template <typename Record, std::size_t N>
std::optional<std::string> scalarProblem(const std::string& prefix, const std::array<IntField<Record>, N>& fields,
                                         const Record& record)
{
    for (const auto& f : fields) {
        if (!f.range.contains(record.*f.member))
            return describe(prefix + f.name, record.*f.member);
    }
    return std::nullopt;
}

template <typename Record>
std::optional<std::string> arrayProblem(const std::string& prefix, const ArrayField<Record>& field,
                                        const Record& record)
{
    for (std::size_t i = 0; i < field.count; ++i) {
        if (!field.range.contains(field.get(record, i)))
            return describe(prefix + field.name + "[" + std::to_string(i) + "]", field.get(record, i));
    }
    return std::nullopt;
}

std::optional<std::string> optFeatProblem(const OptFeatRecord& opt)
{
    if (auto p = scalarProblem("OptFeatRecord.", OptFeatScalarFields(), opt))
        return p;
    // GroupValid and WorkChannel; the emergency channels are named by group and column.
    for (std::size_t k = 0; k < 2; ++k) {
        if (auto p = arrayProblem("OptFeatRecord.", OptFeatGroupFields()[k], opt))
            return p;
    }
    for (std::size_t g = 0; g < opt.EmergencyChannel.size(); ++g) {
        for (std::size_t c = 0; c < 2; ++c) {
            if (!ByteRange.contains(opt.EmergencyChannel[g][c]))
                return describe("OptFeatRecord.EmergencyChannel[" + std::to_string(g) + "][" + std::to_string(c) + "]",
                                opt.EmergencyChannel[g][c]);
        }
    }
    return std::nullopt;  // GroupMode is a byte array: it always fits
}

std::optional<std::string> keysProblem(const KeySettings& keys)
{
    if (auto p = scalarProblem("KeySettings.", KeySettingFields(), keys))
        return p;
    return arrayProblem("KeySettings.", KeyCodeFields()[0], keys);
}

std::optional<std::string> dtmfProblem(const DtmfSettings& dtmf)
{
    if (auto p = scalarProblem("DtmfSettings.", DtmfSettingFields(), dtmf))
        return p;
    for (std::size_t s = 0; s < dtmf.Codes.size(); ++s) {
        const DtmfCode& code = dtmf.Codes[s];
        const std::string where = "DtmfSettings.Codes[" + std::to_string(s + 1) + "]";
        if (!DtmfLengthRange.contains(code.Length))
            return describe(where + ".Length", code.Length);
        if (!IsEncodableDtmfCode(code))
            return where + ".Digits = \"" + CutAndTrimFixed(code.Digits) + "\"";
    }
    return std::nullopt;
}

std::optional<std::string> tipsProblem(const ToneTips& tips)
{
    for (std::size_t t = 0; t < tips.size(); ++t) {
        const std::string where = "ToneTips[" + std::to_string(t + 1) + "]";
        if (!ByteRange.contains(tips[t].LoopCount))
            return describe(where + ".LoopCount", tips[t].LoopCount);
        if (!ByteRange.contains(tips[t].Interval))
            return describe(where + ".Interval", tips[t].Interval);
        for (std::size_t k = 0; k < tips[t].Tones.size(); ++k) {
            const ToneTipTone& tone = tips[t].Tones[k];
            const std::string at = where + ".Tones[" + std::to_string(k + 1) + "]";
            if (!ByteRange.contains(tone.Freq))
                return describe(at + ".Freq", tone.Freq);
            if (!ByteRange.contains(tone.Length))
                return describe(at + ".Length", tone.Length);
        }
    }
    return std::nullopt;
}

int usedCount(const DocumentRecord& record)
{
    return std::clamp<int>(record.ChannelCount, 0, MaxChannels);
}

}  // namespace

bool IsEncodableToneCode(int code)
{
    return ImageToToneCode(ToneCodeToImage(code)) == code;
}

bool IsEncodableFreqCode(const std::string& code)
{
    const std::string text = CutAndTrimFixed(code);
    return text.size() <= FreqCodeWidth && std::all_of(text.begin(), text.end(), isUpperHex);
}

bool IsEncodableDtmfCode(const DtmfCode& code)
{
    if (code.Length <= 0 || code.Length > 16)
        return true;  // written as an unused slot whatever the digits hold
    const std::string digits = CutAndTrimFixed(code.Digits);
    const std::size_t used = std::min(digits.size(), static_cast<std::size_t>(code.Length));
    return std::all_of(digits.begin(), digits.begin() + static_cast<std::ptrdiff_t>(used),
                       [](char c) { return isUpperHex(c) || c == '*' || c == '#'; });
}

std::optional<std::string> ChannelFieldProblem(const ChannelRecord& channel, bool withFrequency)
{
    if (withFrequency && !IsEncodableFreqCode(channel.RxFreq))
        return "RxFreq = \"" + CutAndTrimFixed(channel.RxFreq) + "\"";
    for (const auto& f : ChannelSlotFields()) {
        const int value = channel.*f.member;
        const bool tone = f.member == &ChannelRecord::RDCT || f.member == &ChannelRecord::TDCT;
        if (tone ? !IsEncodableToneCode(value) : !f.range.contains(value))
            return describe(f.name, value);
    }
    return std::nullopt;
}

std::optional<std::string> FindStructureProblem(const DocumentRecord& record,
                                                const std::array<ChannelRecord, MaxChannels>& channels)
{
    if (!ChannelCountRange.contains(record.ChannelCount))
        return describe("ChannelCount", record.ChannelCount);
    std::bitset<MaxChannels + 1> seen;
    for (int i = 0; i < record.ChannelCount; ++i) {
        const int no = channels[static_cast<std::size_t>(i)].ChannelNo;
        const std::string where = "ChannelList[" + std::to_string(i) + "].ChannelNo";
        if (!ChannelNoRange.contains(no))
            return describe(where, no);
        if (seen.test(static_cast<std::size_t>(no)))
            return describe(where, no) + " (repeated)";
        seen.set(static_cast<std::size_t>(no));
    }
    return std::nullopt;
}

std::optional<std::string> FindContentProblem(const DocumentRecord& record,
                                              const std::array<ChannelRecord, MaxChannels>& channels)
{
    for (int i = 0; i < usedCount(record); ++i) {
        const ChannelRecord& channel = channels[static_cast<std::size_t>(i)];
        const std::string where = "ChannelList[" + std::to_string(i) + "].";
        if (!FlagRange.contains(channel.IsEmpty))
            return describe(where + "IsEmpty", channel.IsEmpty);
        if (!FlagRange.contains(channel.Scan))
            return describe(where + "Scan", channel.Scan);
        if (auto p = ChannelFieldProblem(channel, true))
            return where + *p;
    }
    if (auto p = optFeatProblem(record.OptFeat))
        return p;
    if (auto p = ChannelFieldProblem(record.PublicChannel, false))
        return "PublicChannel." + *p;
    if (auto p = keysProblem(record.Keys))
        return p;
    if (auto p = dtmfProblem(record.Dtmf))
        return p;
    return tipsProblem(record.Tips);
}

std::optional<std::string> FindFieldProblem(const DocumentRecord& record,
                                            const std::array<ChannelRecord, MaxChannels>& channels)
{
    if (auto p = FindStructureProblem(record, channels))
        return p;
    if (!BandRange.contains(record.Model.Band))
        return describe("ModelRecord.Band", record.Model.Band);
    return FindContentProblem(record, channels);
}
