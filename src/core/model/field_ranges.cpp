#include "model/field_ranges.h"

#include "freq/tone_table.h"
#include "model/document.h"
#include "model/fixed_text.h"

#include <algorithm>
#include <bitset>

namespace {

constexpr FieldRange AnyRange{-32768, 32767};  // tone codes: checked on their own
constexpr std::size_t FreqCodeWidth = 8;

std::string describe(const std::string& where, int value)
{
    return where + " = " + std::to_string(value);
}

bool isUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

std::optional<std::string> arrayProblem(const std::string& name, const std::array<std::int16_t, 10>& values,
                                        FieldRange range)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!range.contains(values[i]))
            return describe(name + "[" + std::to_string(i) + "]", values[i]);
    }
    return std::nullopt;
}

std::optional<std::string> optFeatProblem(const OptFeatRecord& opt)
{
    for (const auto& f : OptFeatScalarFields()) {
        if (!f.range.contains(opt.*f.member))
            return describe(std::string("OptFeatRecord.") + f.name, opt.*f.member);
    }
    if (auto p = arrayProblem("OptFeatRecord.GroupValid", opt.GroupValid, FlagRange))
        return p;
    if (auto p = arrayProblem("OptFeatRecord.WorkChannel", opt.WorkChannel, ByteRange))
        return p;
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
    if (!ByteRange.contains(keys.KeyMode))
        return describe("KeySettings.KeyMode", keys.KeyMode);
    for (std::size_t k = 0; k < keys.Keys.size(); ++k) {
        if (!ByteRange.contains(keys.Keys[k]))
            return describe("KeySettings.Keys[" + std::to_string(k) + "]", keys.Keys[k]);
    }
    return std::nullopt;
}

std::optional<std::string> dtmfProblem(const DtmfSettings& dtmf)
{
    for (const auto& f : DtmfSettingFields()) {
        if (!f.range.contains(dtmf.*f.member))
            return describe(std::string("DtmfSettings.") + f.name, dtmf.*f.member);
    }
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

const std::array<IntField<ChannelRecord>, 16>& ChannelSlotFields()
{
    using C = ChannelRecord;
    static const std::array<IntField<C>, 16> fields{{
        {"OffSetFre", &C::OffSetFre, OffsetRange},
        {"RDCT", &C::RDCT, AnyRange},
        {"TDCT", &C::TDCT, AnyRange},
        {"DUP", &C::DUP, TwoBitRange},
        {"HI_CUT", &C::HI_CUT, FlagRange},
        {"BUSY", &C::BUSY, FlagRange},
        {"NB", &C::NB, FlagRange},
        {"Add_Sub_5K", &C::Add_Sub_5K, FlagRange},
        {"AM_FM", &C::AM_FM, FlagRange},
        {"Tx_Power", &C::Tx_Power, TwoBitRange},
        {"Public", &C::Public, FlagRange},
        {"RBTone", &C::RBTone, ByteRange},
        {"DTMF_BOT", &C::DTMF_BOT, ByteRange},
        {"DTMF_EOT", &C::DTMF_EOT, ByteRange},
        {"DTMF_Call", &C::DTMF_Call, ByteRange},
        {"TSQ", &C::TSQ, FlagRange},
    }};
    return fields;
}

const std::array<IntField<OptFeatRecord>, 21>& OptFeatScalarFields()
{
    using O = OptFeatRecord;
    static const std::array<IntField<O>, 21> fields{{
        {"GridGroup", &O::GridGroup, GridGroupRange},
        {"UseMemChannel", &O::UseMemChannel, ByteRange},
        {"UseVfo", &O::UseVfo, ByteRange},
        {"Value1B", &O::Value1B, ByteRange},
        {"Beep", &O::Beep, ByteRange},
        {"TimeOutTimer", &O::TimeOutTimer, ByteRange},
        {"Backlight", &O::Backlight, ByteRange},
        {"SpeakerVolume", &O::SpeakerVolume, ByteRange},
        {"SquelchLevel", &O::SquelchLevel, ByteRange},
        {"AsqFun", &O::AsqFun, FlagRange},
        {"AsqValue", &O::AsqValue, AsqValueRange},
        {"GainControl", &O::GainControl, ByteRange},
        {"ChannelDisplay", &O::ChannelDisplay, ByteRange},
        {"ScanType", &O::ScanType, ByteRange},
        {"ScanTime", &O::ScanTime, ByteRange},
        {"SqlStepBack", &O::SqlStepBack, ByteRange},
        {"AsqStepBack", &O::AsqStepBack, ByteRange},
        {"AutoPowerOn", &O::AutoPowerOn, ByteRange},
        {"AllowMemEdit", &O::AllowMemEdit, FlagRange},
        {"UseMaxSwr", &O::UseMaxSwr, FlagRange},
        {"MaxSwr", &O::MaxSwr, ByteRange},
    }};
    return fields;
}

const std::array<IntField<DtmfSettings>, 6>& DtmfSettingFields()
{
    using D = DtmfSettings;
    static const std::array<IntField<D>, 6> fields{{
        {"DtmfRate", &D::DtmfRate, ByteRange},
        {"FirstDigitTime", &D::FirstDigitTime, ByteRange},
        {"FirstDigitDelay", &D::FirstDigitDelay, ByteRange},
        {"StarHashTone", &D::StarHashTone, ByteRange},
        {"DKeySetting", &D::DKeySetting, ByteRange},
        {"DtmfDisplay", &D::DtmfDisplay, ByteRange},
    }};
    return fields;
}

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
