#include "core/model/record_fields.h"

#include "core/model/channel_fields.h"
#include "core/model/image_layout.h"

namespace L = ImageLayout;

namespace {

namespace S = L::Slot;
namespace O = L::SettingBits;

std::int16_t i16(int value)
{
    return static_cast<std::int16_t>(value);
}

}  // namespace

const std::array<IntField<ChannelRecord>, 16>& ChannelSlotFields()
{
    static const std::array<IntField<ChannelRecord>, 16> fields = [] {
        std::array<IntField<ChannelRecord>, 16> slot{};
        for (std::size_t i = 0; i < slot.size(); ++i) {
            const ChannelFieldInfo& f = ChannelFieldOf(ChannelSlotOrder[i]);
            slot[i] = {f.name, f.member, f.stored, f.place};
        }
        return slot;
    }();
    return fields;
}

const DigitPlace& ChannelFreqPlace()
{
    static_assert(S::FreqMid == S::FreqLow + 1 && S::FreqHigh == S::FreqLow + 2, "the pairs follow each other");
    static constexpr DigitPlace place{DigitPlace::Kind::Pairs, S::FreqLow, 3, 1, 1};
    return place;
}

const DigitPlace& DtmfDigitsPlace()
{
    static constexpr DigitPlace place{DigitPlace::Kind::Singles, 0, L::DtmfDigitsMax, 0, 0, "#E*F"};
    return place;
}

ChannelFlagPlaces ChannelFlags(int channelNo)
{
    const L::ChannelPlace place = L::channelPlace(channelNo);
    if (!place.hasBits)
        return {notInImage(), notInImage()};
    return {flagAt(place.presentByte, place.bit), flagAt(place.scanByte, place.bit)};
}

const std::array<IntField<OptFeatRecord>, 21>& OptFeatScalarFields()
{
    using R = OptFeatRecord;
    static const std::array<IntField<R>, 21> fields{{
        {"GridGroup", &R::GridGroup, GridGroupRange, notInImage()},
        {"UseMemChannel", &R::UseMemChannel, ByteRange, lowBitOf(L::UseMemChannel)},
        {"UseVfo", &R::UseVfo, ByteRange, byteAt(L::UseVfo)},
        {"Value1B", &R::Value1B, ByteRange, byteAt(L::Value1B)},
        {"Beep", &R::Beep, ByteRange, byteAt(L::Beep)},
        {"TimeOutTimer", &R::TimeOutTimer, ByteRange, byteAt(L::TimeOutTimer)},
        {"Backlight", &R::Backlight, ByteRange, byteAt(L::Backlight)},
        {"SpeakerVolume", &R::SpeakerVolume, ByteRange, byteAt(L::SpeakerVolume)},
        {"SquelchLevel", &R::SquelchLevel, ByteRange, byteAt(L::SquelchLevel)},
        {"AsqFun", &R::AsqFun, FlagRange, bitsAt(L::Asq, O::AsqFun)},
        {"AsqValue", &R::AsqValue, AsqValueRange, bitsAt(L::Asq, O::AsqValue, O::AsqValueWidth)},
        {"GainControl", &R::GainControl, ByteRange, byteAt(L::GainControl)},
        {"ChannelDisplay", &R::ChannelDisplay, ByteRange, byteAt(L::ChannelDisplay)},
        {"ScanType", &R::ScanType, ByteRange, byteAt(L::ScanType)},
        {"ScanTime", &R::ScanTime, ByteRange, byteAt(L::ScanTime)},
        {"SqlStepBack", &R::SqlStepBack, ByteRange, byteAt(L::SqlStepBack)},
        {"AsqStepBack", &R::AsqStepBack, ByteRange, byteAt(L::AsqStepBack)},
        {"AutoPowerOn", &R::AutoPowerOn, ByteRange, byteAt(L::AutoPowerOn)},
        {"AllowMemEdit", &R::AllowMemEdit, FlagRange, bitsAt(L::SwrFlags, O::AllowMemEdit)},
        {"UseMaxSwr", &R::UseMaxSwr, FlagRange, bitsAt(L::SwrFlags, O::UseMaxSwr)},
        {"MaxSwr", &R::MaxSwr, ByteRange, byteAt(L::MaxSwr)},
    }};
    return fields;
}

const std::array<ArrayField<OptFeatRecord>, 6>& OptFeatGroupFields()
{
    using R = OptFeatRecord;
    constexpr std::size_t Groups = L::GroupCount;
    static const std::array<ArrayField<R>, 6> fields{{
        {"GroupValid", Groups, [](const R& r, std::size_t g) -> int { return r.GroupValid[g]; },
         [](R& r, std::size_t g, int v) { r.GroupValid[g] = i16(v); }, FlagRange, flagAt(L::GroupValidBits, 0), 0},
        {"WorkChannel", Groups, [](const R& r, std::size_t g) -> int { return r.WorkChannel[g]; },
         [](R& r, std::size_t g, int v) { r.WorkChannel[g] = i16(v); }, ByteRange, byteAt(L::WorkChannel), 1},
        {"EmergencyChannel1", Groups, [](const R& r, std::size_t g) -> int { return r.EmergencyChannel[g][0]; },
         [](R& r, std::size_t g, int v) { r.EmergencyChannel[g][0] = i16(v); }, ByteRange, byteAt(L::EmergencyChannel1),
         1},
        {"EmergencyChannel2", Groups, [](const R& r, std::size_t g) -> int { return r.EmergencyChannel[g][1]; },
         [](R& r, std::size_t g, int v) { r.EmergencyChannel[g][1] = i16(v); }, ByteRange, byteAt(L::EmergencyChannel2),
         1},
        {"GroupMode1", Groups, [](const R& r, std::size_t g) -> int { return r.GroupMode[g][0]; },
         [](R& r, std::size_t g, int v) { r.GroupMode[g][0] = static_cast<std::uint8_t>(v); }, ByteRange,
         byteAt(L::GroupMode1), 1},
        {"GroupMode2", Groups, [](const R& r, std::size_t g) -> int { return r.GroupMode[g][1]; },
         [](R& r, std::size_t g, int v) { r.GroupMode[g][1] = static_cast<std::uint8_t>(v); }, ByteRange,
         byteAt(L::GroupMode2), 1},
    }};
    return fields;
}

const std::array<IntField<DtmfSettings>, 6>& DtmfSettingFields()
{
    using D = DtmfSettings;
    static const std::array<IntField<D>, 6> fields{{
        {"DtmfRate", &D::DtmfRate, ByteRange, byteAt(L::DtmfRate)},
        {"FirstDigitTime", &D::FirstDigitTime, ByteRange, byteAt(L::DtmfFirstDigitTime)},
        {"FirstDigitDelay", &D::FirstDigitDelay, ByteRange, byteAt(L::DtmfFirstDigitDelay)},
        {"StarHashTone", &D::StarHashTone, ByteRange, byteAt(L::DtmfStarHashTone)},
        {"DKeySetting", &D::DKeySetting, ByteRange, byteAt(L::DtmfDKeySetting)},
        {"DtmfDisplay", &D::DtmfDisplay, ByteRange, byteAt(L::DtmfDisplay)},
    }};
    return fields;
}

const std::array<IntField<KeySettings>, 1>& KeySettingFields()
{
    static const std::array<IntField<KeySettings>, 1> fields{{
        {"KeyMode", &KeySettings::KeyMode, ByteRange, byteAt(L::KeyMode)},
    }};
    return fields;
}

const std::array<ArrayField<KeySettings>, 1>& KeyCodeFields()
{
    using K = KeySettings;
    static const std::array<ArrayField<K>, 1> fields{{
        {"Keys", L::KeyCount, [](const K& k, std::size_t i) -> int { return k.Keys[i]; },
         [](K& k, std::size_t i, int v) { k.Keys[i] = i16(v); }, ByteRange, byteAt(L::Keys), 1},
    }};
    return fields;
}

const std::array<IntField<ToneTip>, 2>& ToneTipFields()
{
    static const std::array<IntField<ToneTip>, 2> fields{{
        {"LoopCount", &ToneTip::LoopCount, ByteRange, byteAt(L::Tip::LoopCount)},
        {"Interval", &ToneTip::Interval, ByteRange, byteAt(L::Tip::Interval)},
    }};
    return fields;
}

const std::array<ArrayField<ToneTip>, 2>& ToneTipToneFields()
{
    using T = ToneTip;
    static const std::array<ArrayField<T>, 2> fields{{
        {"Freq", L::ToneTipTones, [](const T& t, std::size_t j) -> int { return t.Tones[j].Freq; },
         [](T& t, std::size_t j, int v) { t.Tones[j].Freq = i16(v); }, ByteRange, byteAt(L::Tip::ToneFreqs), 1},
        {"Length", L::ToneTipTones, [](const T& t, std::size_t j) -> int { return t.Tones[j].Length; },
         [](T& t, std::size_t j, int v) { t.Tones[j].Length = i16(v); }, ByteRange, byteAt(L::Tip::ToneLengths), 1},
    }};
    return fields;
}
