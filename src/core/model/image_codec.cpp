#include "model/image_codec.h"

#include "freq/band_range.h"
#include "freq/tone_table.h"
#include "model/document.h"
#include "model/field_ranges.h"
#include "model/fixed_text.h"
#include "model/image_layout.h"

#include <algorithm>

namespace L = ImageLayout;

namespace {

constexpr int CbBand = 0;
constexpr int FirstCbGap = 361;  // channels 361..401 do not exist in the CB band
constexpr int VfoChannel = 401;
constexpr std::size_t CodeWidth = 8;
constexpr std::size_t DtmfSlots = 16;
constexpr std::uint8_t Erased = 0xFF;
constexpr std::uint8_t LastDigitValue = 0x0F;
constexpr unsigned UseMemBit = 0;
constexpr unsigned AsqFunBit = 7, AsqValueWidth = 7;
constexpr unsigned AllowMemEditBit = 0, UseMaxSwrBit = 1;
constexpr int ToneTipTones = 14;

// A record value into its image byte, never wrapped: the encoder relies on
// the data-file and editor checks, and this keeps a slip from turning 256
// into 0 or -1 into 255 on the air.
std::uint8_t fitByte(int value, FieldRange range = ByteRange)
{
    return static_cast<std::uint8_t>(range.fit(value));
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

std::uint8_t hexPair(char high, char low)
{
    return static_cast<std::uint8_t>(hexValue(high) * 16 + hexValue(low));
}

bool decodesChannel(int channelNo, int radioBand)
{
    return radioBand != CbBand || channelNo < FirstCbGap || channelNo > VfoChannel;
}

bool presentInImage(const RadioImage& image, int channelNo, const L::ChannelPlace& place)
{
    return channelNo == VfoChannel || image.bit(place.presentByte, place.bit);
}

ChannelRecord decodeChannel(const RadioImage& image, int channelNo)
{
    const L::ChannelPlace place = L::channelPlace(channelNo);
    ChannelRecord channel;
    channel.ChannelNo = static_cast<std::int16_t>(channelNo);
    channel.Scan = place.hasBits && image.bit(place.scanByte, place.bit) ? 1 : 0;
    channel.RxFreq = "0" + ByteToHex(image.byte(place.slot + L::Slot::FreqHigh), 2)
        + ByteToHex(image.byte(place.slot + L::Slot::FreqMid), 2) + ByteToHex(image.byte(place.slot + L::Slot::FreqLow), 2)
        + "0";
    DecodeChannelSlot(image, place.slot, channel);
    return channel;
}

void decodeChannels(Document& doc, int radioBand)
{
    int count = 0;
    for (int n = 1; n <= MaxChannels; ++n) {
        if (!decodesChannel(n, radioBand) || !presentInImage(doc.Image, n, L::channelPlace(n)))
            continue;
        doc.ChannelList[static_cast<std::size_t>(count++)] = decodeChannel(doc.Image, n);
    }
    doc.ChannelCount = static_cast<std::int16_t>(count);
}

void decodeGroupTables(const RadioImage& image, OptFeatRecord& o)
{
    for (std::size_t g = 0; g < L::GroupCount; ++g) {
        o.GroupValid[g] = image.bit(L::GroupValidBits + g / 8, static_cast<unsigned>(g % 8)) ? 1 : 0;
        o.WorkChannel[g] = image.byte(L::WorkChannel + g);
        o.EmergencyChannel[g][0] = image.byte(L::EmergencyChannel1 + g);
        o.EmergencyChannel[g][1] = image.byte(L::EmergencyChannel2 + g);
        o.GroupMode[g][0] = image.byte(L::GroupMode1 + g);
        o.GroupMode[g][1] = image.byte(L::GroupMode2 + g);
    }
}

void decodeOptions(Document& doc)
{
    const RadioImage& image = doc.Image;
    OptFeatRecord& o = doc.Record.OptFeat;
    o.UseVfo = image.byte(L::UseVfo);
    o.UseMemChannel = image.bit(L::UseMemChannel, UseMemBit) ? 1 : 0;
    o.Value1B = image.byte(L::Value1B);
    decodeGroupTables(image, o);
    DecodeChannelSlot(image, L::PublicSlot, doc.Record.PublicChannel);
    o.Beep = image.byte(L::Beep);
    o.TimeOutTimer = image.byte(L::TimeOutTimer);
    o.Backlight = image.byte(L::Backlight);
    o.SpeakerVolume = image.byte(L::SpeakerVolume);
    o.SquelchLevel = image.byte(L::SquelchLevel);
    o.AsqFun = image.bit(L::Asq, AsqFunBit) ? 1 : 0;
    o.AsqValue = image.bits(L::Asq, 0, AsqValueWidth);
    o.GainControl = image.byte(L::GainControl);
    o.ChannelDisplay = image.byte(L::ChannelDisplay);
    o.ScanType = image.byte(L::ScanType);
    o.ScanTime = image.byte(L::ScanTime);
    o.SqlStepBack = image.byte(L::SqlStepBack);
    o.AsqStepBack = image.byte(L::AsqStepBack);
    o.AutoPowerOn = image.byte(L::AutoPowerOn);
    o.MaxSwr = image.byte(L::MaxSwr);
    o.AllowMemEdit = image.bit(L::SwrFlags, AllowMemEditBit) ? 1 : 0;
    o.UseMaxSwr = image.bit(L::SwrFlags, UseMaxSwrBit) ? 1 : 0;
}

bool dtmfSlotUsed(const RadioImage& image, std::size_t slot)
{
    return image.bit(L::DtmfUsedBitmap + (slot - 1) / 8, static_cast<unsigned>((slot - 1) % 8));
}

void decodeDtmf(const RadioImage& image, DtmfSettings& d)
{
    d.DtmfRate = image.byte(L::DtmfRate);
    d.FirstDigitTime = image.byte(L::DtmfFirstDigitTime);
    d.FirstDigitDelay = image.byte(L::DtmfFirstDigitDelay);
    d.StarHashTone = image.byte(L::DtmfStarHashTone);
    d.DKeySetting = image.byte(L::DtmfDKeySetting);
    d.DtmfDisplay = image.byte(L::DtmfDisplay);
    for (std::size_t s = 1; s <= DtmfSlots; ++s) {
        DtmfCode& code = d.Codes[s - 1];
        if (!dtmfSlotUsed(image, s)) {
            code.Length = 0;
            continue;
        }
        std::string digits;
        const std::size_t at = L::dtmfSlotAddress(static_cast<int>(s));
        for (std::size_t i = 0; i < L::DtmfDigitsMax && image.byte(at + i) <= LastDigitValue; ++i)
            digits += ByteToHex(image.byte(at + i), 1);
        std::replace(digits.begin(), digits.end(), 'E', '#');
        std::replace(digits.begin(), digits.end(), 'F', '*');
        code.Length = static_cast<std::int16_t>(digits.size());
        code.Digits = PadFixed(digits, L::DtmfDigitsMax);
    }
}

void decodeKeys(const RadioImage& image, KeySettings& keys)
{
    keys.KeyMode = image.byte(L::KeyMode);
    for (std::size_t k = 0; k < L::KeyCount; ++k)
        keys.Keys[k] = image.byte(L::Keys + k);
}

void decodeTips(const RadioImage& image, ToneTips& tips)
{
    for (int t = 1; t <= static_cast<int>(tips.size()); ++t) {
        const std::size_t at = L::toneTipAddress(t);
        ToneTip& tip = tips[static_cast<std::size_t>(t - 1)];
        tip.LoopCount = image.byte(at);
        tip.Interval = image.byte(at + 1);
        for (int j = 1; j <= ToneTipTones; ++j) {
            tip.Tones[static_cast<std::size_t>(j - 1)].Freq = image.byte(at + 1 + static_cast<std::size_t>(j));
            tip.Tones[static_cast<std::size_t>(j - 1)].Length = image.byte(at + 15 + static_cast<std::size_t>(j));
        }
    }
}

void encodeFrequency(RadioImage& image, std::size_t slot, const std::string& code)
{
    const std::string digits = NormalizeFreqDigits(code, 7).substr(1);
    image.setByte(slot + L::Slot::FreqHigh, hexPair(digits[0], digits[1]));
    image.setByte(slot + L::Slot::FreqMid, hexPair(digits[2], digits[3]));
    image.setByte(slot + L::Slot::FreqLow, hexPair(digits[4], digits[5]));
}

void encodeChannel(RadioImage& image, ChannelRecord& channel)
{
    if (!ChannelNoRange.contains(channel.ChannelNo))
        return;  // no slot exists for it; the data-file check refuses such entries
    const L::ChannelPlace place = L::channelPlace(channel.ChannelNo);
    channel.RxFreq = CutAndTrimFixed(channel.RxFreq);
    channel.IsEmpty = channel.RxFreq.empty() || channel.RxFreq == "FFFFFFFF" ? 1 : 0;
    if (place.hasBits && channel.IsEmpty == 0) {
        image.setBit(place.presentByte, place.bit, true);
        if (channel.Scan == 1)
            image.setBit(place.scanByte, place.bit, true);
    }
    encodeFrequency(image, place.slot, channel.RxFreq);
    EncodeChannelSlot(image, place.slot, channel);
}

void encodeOptions(RadioImage& image, const OptFeatRecord& o, const ChannelRecord& publicChannel)
{
    image.setByte(L::UseVfo, fitByte(o.UseVfo));
    image.setByte(L::UseMemChannel, fitByte(o.UseMemChannel));
    image.setByte(L::Value1B, fitByte(o.Value1B));
    image.setByte(L::GroupValidBits, 0);
    image.setByte(L::GroupValidBits + 1, 0);
    for (std::size_t g = 0; g < L::GroupCount; ++g) {
        if (o.GroupValid[g] == 1)
            image.setBit(L::GroupValidBits + g / 8, static_cast<unsigned>(g % 8), true);
        image.setByte(L::EmergencyChannel1 + g, fitByte(o.EmergencyChannel[g][0]));
        image.setByte(L::EmergencyChannel2 + g, fitByte(o.EmergencyChannel[g][1]));
        image.setByte(L::GroupMode1 + g, o.GroupMode[g][0]);
        image.setByte(L::GroupMode2 + g, o.GroupMode[g][1]);
        image.setByte(L::WorkChannel + g, fitByte(o.WorkChannel[g]));
    }
    EncodeChannelSlot(image, L::PublicSlot, publicChannel);
    image.setByte(L::Beep, fitByte(o.Beep));
    image.setByte(L::TimeOutTimer, fitByte(o.TimeOutTimer));
    image.setByte(L::Backlight, fitByte(o.Backlight));
    image.setByte(L::SpeakerVolume, fitByte(o.SpeakerVolume));
    image.setByte(L::SquelchLevel, fitByte(o.SquelchLevel));
    image.setByte(L::Asq, static_cast<std::uint8_t>(fitByte(o.AsqFun, FlagRange) * 128 + fitByte(o.AsqValue, AsqValueRange)));
    image.setByte(L::GainControl, fitByte(o.GainControl));
    image.setByte(L::ChannelDisplay, fitByte(o.ChannelDisplay));
    image.setByte(L::ScanType, fitByte(o.ScanType));
    image.setByte(L::ScanTime, fitByte(o.ScanTime));
    image.setByte(L::SqlStepBack, fitByte(o.SqlStepBack));
    image.setByte(L::AsqStepBack, fitByte(o.AsqStepBack));
    image.setByte(L::AutoPowerOn, fitByte(o.AutoPowerOn));
    image.setByte(L::MaxSwr, fitByte(o.MaxSwr));
    image.setByte(L::SwrFlags,
                  static_cast<std::uint8_t>(fitByte(o.UseMaxSwr, FlagRange) * 2 + fitByte(o.AllowMemEdit, FlagRange)));
}

void encodeDtmfSlot(RadioImage& image, std::size_t slot, const DtmfCode& code)
{
    const std::size_t at = L::dtmfSlotAddress(static_cast<int>(slot));
    if (code.Length > 0)
        image.setBit(L::DtmfUsedBitmap + (slot - 1) / 8, static_cast<unsigned>((slot - 1) % 8), true);
    const std::size_t length = code.Length > 0 && code.Length <= 16 ? static_cast<std::size_t>(code.Length) : 0;
    std::string digits = CutAndTrimFixed(code.Digits);
    std::replace(digits.begin(), digits.end(), '*', 'F');
    std::replace(digits.begin(), digits.end(), '#', 'E');
    if (digits.size() < length)
        digits.append(length - digits.size(), '0');
    for (std::size_t i = 0; i < L::DtmfDigitsMax; ++i)
        image.setByte(at + i, i < length ? static_cast<std::uint8_t>(hexValue(digits[i])) : Erased);
}

void encodeDtmf(RadioImage& image, const DtmfSettings& d)
{
    image.setByte(L::DtmfRate, fitByte(d.DtmfRate));
    image.setByte(L::DtmfFirstDigitTime, fitByte(d.FirstDigitTime));
    image.setByte(L::DtmfFirstDigitDelay, fitByte(d.FirstDigitDelay));
    image.setByte(L::DtmfStarHashTone, fitByte(d.StarHashTone));
    image.setByte(L::DtmfDKeySetting, fitByte(d.DKeySetting));
    image.setByte(L::DtmfDisplay, fitByte(d.DtmfDisplay));
    image.setByte(L::DtmfUsedBitmap, 0);
    image.setByte(L::DtmfUsedBitmap + 1, 0);
    for (std::size_t s = 1; s <= DtmfSlots; ++s)
        encodeDtmfSlot(image, s, d.Codes[s - 1]);
}

void encodeKeys(RadioImage& image, const KeySettings& keys)
{
    image.setByte(L::KeyMode, fitByte(keys.KeyMode));
    for (std::size_t k = 0; k < L::KeyCount; ++k)
        image.setByte(L::Keys + k, fitByte(keys.Keys[k]));
}

void encodeTips(RadioImage& image, const ToneTips& tips)
{
    for (int t = 1; t <= static_cast<int>(tips.size()); ++t) {
        const std::size_t at = L::toneTipAddress(t);
        const ToneTip& tip = tips[static_cast<std::size_t>(t - 1)];
        image.setByte(at, fitByte(tip.LoopCount));
        image.setByte(at + 1, fitByte(tip.Interval));
        for (int j = 1; j <= ToneTipTones; ++j) {
            image.setByte(at + 1 + static_cast<std::size_t>(j), fitByte(tip.Tones[static_cast<std::size_t>(j - 1)].Freq));
            image.setByte(at + 15 + static_cast<std::size_t>(j),
                          fitByte(tip.Tones[static_cast<std::size_t>(j - 1)].Length));
        }
    }
}

void encodeTone(RadioImage& image, std::size_t address, std::size_t ctcssByte, std::size_t dcsByte, unsigned kindBit,
                int code)
{
    const ToneImage tone = ToneCodeToImage(code);
    image.setByte(address + ctcssByte, tone.CtcssIndex);
    image.setByte(address + dcsByte, tone.DcsIndex);
    image.setBits(address + L::Slot::Flags, kindBit, L::SlotBits::KindWidth, tone.Type);
}

}  // namespace

std::string ByteToHex(unsigned value, std::size_t width)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text.substr(0, width);
}

std::string NormalizeFreqDigits(std::string_view text, std::size_t width)
{
    if (text.empty() || text == "FFFFFFFF")
        return "FFFFFFFF";
    const auto last = text.find_last_not_of(' ');
    std::string digits(last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1));
    if (digits.size() % 2 != 0)
        digits += '0';
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return digits.substr(0, width);
}

void DecodeChannelSlot(const RadioImage& image, std::size_t address, ChannelRecord& record)
{
    namespace S = L::Slot;
    namespace B = L::SlotBits;
    // The field is signed: an offset byte 4 of 0x80 or more cannot be held, so
    // it reads as the largest offset the field can hold.
    const int offset = image.le16(address + S::Offset);
    record.OffSetFre = static_cast<std::int16_t>(OffsetRange.fit(offset));
    const std::size_t flags = address + S::Flags;
    record.RDCT = static_cast<std::int16_t>(ImageToToneCode(image.bits(flags, B::RxKind, B::KindWidth),
                                                            image.byte(address + S::RxCtcss), image.byte(address + S::RxDcs)));
    record.TDCT = static_cast<std::int16_t>(ImageToToneCode(image.bits(flags, B::TxKind, B::KindWidth),
                                                            image.byte(address + S::TxCtcss), image.byte(address + S::TxDcs)));
    record.DUP = image.bits(flags, B::Dup, B::DupWidth);
    record.TSQ = image.bit(flags, B::Tsq) ? 1 : 0;
    const std::size_t options = address + S::Options;
    record.BUSY = image.bit(options, B::Busy) ? 1 : 0;
    record.HI_CUT = image.bit(options, B::HiCut) ? 1 : 0;
    record.NB = image.bit(options, B::Nb) ? 1 : 0;
    record.Add_Sub_5K = image.bit(options, B::AddSub5K) ? 1 : 0;
    record.AM_FM = image.bit(options, B::AmFm) ? 1 : 0;
    record.Tx_Power = image.bits(options, B::TxPower, B::TxPowerWidth);
    record.Public = image.bit(options, B::Public) ? 1 : 0;
    record.RBTone = image.byte(address + S::RBTone);
    record.DTMF_BOT = image.byte(address + S::DtmfBot);
    record.DTMF_EOT = image.byte(address + S::DtmfEot);
    record.DTMF_Call = image.byte(address + S::DtmfCall);
}

void EncodeChannelSlot(RadioImage& image, std::size_t address, const ChannelRecord& record)
{
    namespace S = L::Slot;
    namespace B = L::SlotBits;
    const int offset = OffsetRange.fit(record.OffSetFre);
    image.setLe16(address + S::Offset, static_cast<std::uint16_t>(offset));
    image.setByte(address + S::Flags, 0);
    image.setByte(address + 9, 0);
    encodeTone(image, address, S::RxCtcss, S::RxDcs, B::RxKind, record.RDCT);
    encodeTone(image, address, S::TxCtcss, S::TxDcs, B::TxKind, record.TDCT);
    const std::size_t flags = address + S::Flags;
    image.setBits(flags, B::Dup, B::DupWidth, fitByte(record.DUP, TwoBitRange));
    image.setBit(flags, B::Tsq, record.TSQ == 1);
    const std::size_t options = address + S::Options;
    image.setByte(options, 0);
    image.setBit(options, B::Busy, record.BUSY == 1);
    image.setBit(options, B::HiCut, record.HI_CUT == 1);
    image.setBit(options, B::Nb, record.NB == 1);
    image.setBit(options, B::AddSub5K, record.Add_Sub_5K == 1);
    image.setBit(options, B::AmFm, record.AM_FM == 1);
    image.setBits(options, B::TxPower, B::TxPowerWidth, fitByte(record.Tx_Power, TwoBitRange));
    image.setBit(options, B::Public, record.Public == 1);
    image.setByte(address + S::RBTone, fitByte(record.RBTone));
    image.setByte(address + S::DtmfBot, fitByte(record.DTMF_BOT));
    image.setByte(address + S::DtmfEot, fitByte(record.DTMF_EOT));
    image.setByte(address + S::DtmfCall, fitByte(record.DTMF_Call));
}

bool DecodeImage(Document& doc)
{
    const int band = doc.Radio.RadioBand;
    if (!GetBandRangeText(band))
        return false;
    decodeChannels(doc, band);
    doc.Record.Model.Band = static_cast<std::int16_t>(band);
    doc.ModelName = CutAndTrimFixed(doc.Record.Model.Model);
    ApplyBandMode(doc, band);
    decodeOptions(doc);
    decodeDtmf(doc.Image, doc.Record.Dtmf);
    decodeKeys(doc.Image, doc.Record.Keys);
    decodeTips(doc.Image, doc.Record.Tips);
    return true;
}

void EncodeImage(Document& doc)
{
    RadioImage& image = doc.Image;
    for (std::size_t a = 0; a < L::ChannelAreaEnd; ++a)
        image.setByte(a, 0);
    const int count = std::clamp<int>(doc.ChannelCount, 0, MaxChannels);
    for (int i = 0; i < count; ++i)
        encodeChannel(image, doc.ChannelList[static_cast<std::size_t>(i)]);
    encodeOptions(image, doc.Record.OptFeat, doc.Record.PublicChannel);
    encodeDtmf(image, doc.Record.Dtmf);
    encodeKeys(image, doc.Record.Keys);
    encodeTips(image, doc.Record.Tips);
}
