#include "core/model/image_codec.h"

#include "core/model/band_range.h"
#include "core/model/document.h"
#include "core/model/field_ranges.h"
#include "core/model/fixed_text.h"
#include "core/model/image_layout.h"
#include "core/model/record_fields.h"

#include <algorithm>

namespace L = ImageLayout;

namespace {

constexpr int CbBand = 0;
constexpr auto DtmfSlots = static_cast<std::size_t>(DtmfSlotCount);

bool decodesChannel(int channelNo, int radioBand)
{
    return radioBand != CbBand || channelNo < FirstCbGapChannel || channelNo > LastCbGapChannel;
}

bool presentInImage(const RadioImage& image, int channelNo)
{
    const ImagePlace present = ChannelFlags(channelNo).present;
    return present.kind == ImagePlace::Kind::None || ReadPlace(image, 0, present, FlagRange) == 1;
}

ChannelRecord decodeChannel(const RadioImage& image, int channelNo)
{
    const std::size_t slot = L::channelPlace(channelNo).slot;
    ChannelRecord channel;
    channel.ChannelNo = static_cast<std::int16_t>(channelNo);
    channel.Scan = static_cast<std::int16_t>(ReadPlace(image, 0, ChannelFlags(channelNo).scan, FlagRange));
    channel.RxFreq = ReadDigits(image, slot, ChannelFreqPlace());
    DecodeChannelSlot(image, slot, channel);
    return channel;
}

void decodeChannels(Document& doc, int radioBand)
{
    int count = 0;
    for (int n = 1; n <= MaxChannels; ++n) {
        if (!decodesChannel(n, radioBand) || !presentInImage(doc.Image, n))
            continue;
        doc.ChannelList[static_cast<std::size_t>(count++)] = decodeChannel(doc.Image, n);
    }
    doc.ChannelCount = static_cast<std::int16_t>(count);
}

void decodeOptions(Document& doc)
{
    OptFeatRecord& o = doc.Record.OptFeat;
    ReadFields(doc.Image, 0, OptFeatScalarFields(), o);
    ReadFields(doc.Image, 0, OptFeatGroupFields(), o);
    DecodeChannelSlot(doc.Image, L::PublicSlot, doc.Record.PublicChannel);
}

// The used flag of DTMF slot 1..DtmfSlotCount.
ImagePlace dtmfUsedBit(std::size_t slot)
{
    return bitsAt(L::DtmfUsedBitmap, 0).element(slot - 1, 0);
}

bool dtmfSlotUsed(const RadioImage& image, std::size_t slot)
{
    return ReadPlace(image, 0, dtmfUsedBit(slot), FlagRange) != 0;
}

void decodeDtmf(const RadioImage& image, DtmfSettings& d)
{
    ReadFields(image, 0, DtmfSettingFields(), d);
    for (std::size_t s = 1; s <= DtmfSlots; ++s) {
        DtmfCode& code = d.Codes[s - 1];
        if (!dtmfSlotUsed(image, s)) {
            code.Length = 0;
            continue;
        }
        const std::string digits = ReadDigits(image, L::dtmfSlotAddress(static_cast<int>(s)), DtmfDigitsPlace());
        code.Length = static_cast<std::int16_t>(digits.size());
        code.Digits = PadFixed(digits, L::DtmfDigitsMax);
    }
}

void decodeKeys(const RadioImage& image, KeySettings& keys)
{
    ReadFields(image, 0, KeySettingFields(), keys);
    ReadFields(image, 0, KeyCodeFields(), keys);
}

void decodeTips(const RadioImage& image, ToneTips& tips)
{
    for (int t = 1; t <= static_cast<int>(tips.size()); ++t) {
        const std::size_t at = L::toneTipAddress(t);
        ToneTip& tip = tips[static_cast<std::size_t>(t - 1)];
        ReadFields(image, at, ToneTipFields(), tip);
        ReadFields(image, at, ToneTipToneFields(), tip);
    }
}

void encodeChannel(RadioImage& image, ChannelRecord& channel)
{
    if (!ChannelNoRange.contains(channel.ChannelNo))
        return;  // no slot exists for it; the data-file check refuses such entries
    const std::size_t slot = L::channelPlace(channel.ChannelNo).slot;
    channel.RxFreq = CutAndTrimFixed(channel.RxFreq);
    channel.IsEmpty = channel.RxFreq.empty() || channel.RxFreq == "FFFFFFFF" ? 1 : 0;
    // The channel area starts cleared; the flags of a used channel are set,
    // never cleared, so that a later entry of the same number cannot undo them.
    if (channel.IsEmpty == 0) {
        const ChannelFlagPlaces flags = ChannelFlags(channel.ChannelNo);
        WritePlace(image, 0, flags.present, 1, FlagRange);
        if (channel.Scan == 1)
            WritePlace(image, 0, flags.scan, 1, FlagRange);
    }
    WriteFreqCode(image, slot, channel.RxFreq);
    EncodeChannelSlot(image, slot, channel);
}

void encodeOptions(RadioImage& image, const OptFeatRecord& o, const ChannelRecord& publicChannel)
{
    ClearBitBytes(image, 0, OptFeatScalarFields());
    ClearBitBytes(image, 0, OptFeatGroupFields());
    WriteFields(image, 0, OptFeatScalarFields(), o);
    WriteFields(image, 0, OptFeatGroupFields(), o);
    EncodeChannelSlot(image, L::PublicSlot, publicChannel);
}

void encodeDtmfSlot(RadioImage& image, std::size_t slot, const DtmfCode& code)
{
    if (code.Length > 0)
        WritePlace(image, 0, dtmfUsedBit(slot), 1, FlagRange);
    const std::size_t length = code.Length > 0 && code.Length <= DtmfCodeMaxDigits
        ? static_cast<std::size_t>(code.Length)
        : 0;
    // Length digits are stored: missing ones as "0", further ones not at all.
    std::string digits = CutAndTrimFixed(code.Digits);
    digits.resize(length, '0');
    WriteDigits(image, L::dtmfSlotAddress(static_cast<int>(slot)), DtmfDigitsPlace(), digits);
}

void encodeDtmf(RadioImage& image, const DtmfSettings& d)
{
    WriteFields(image, 0, DtmfSettingFields(), d);
    for (std::size_t s = 1; s <= DtmfSlots; ++s)
        image.setByte(dtmfUsedBit(s).address, 0);
    for (std::size_t s = 1; s <= DtmfSlots; ++s)
        encodeDtmfSlot(image, s, d.Codes[s - 1]);
}

void encodeKeys(RadioImage& image, const KeySettings& keys)
{
    WriteFields(image, 0, KeySettingFields(), keys);
    WriteFields(image, 0, KeyCodeFields(), keys);
}

void encodeTips(RadioImage& image, const ToneTips& tips)
{
    for (int t = 1; t <= static_cast<int>(tips.size()); ++t) {
        const std::size_t at = L::toneTipAddress(t);
        const ToneTip& tip = tips[static_cast<std::size_t>(t - 1)];
        WriteFields(image, at, ToneTipFields(), tip);
        WriteFields(image, at, ToneTipToneFields(), tip);
    }
}

}  // namespace

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

void WriteFreqCode(RadioImage& image, std::size_t slot, std::string_view code)
{
    const DigitPlace& place = ChannelFreqPlace();
    WriteDigits(image, slot, place, NormalizeFreqDigits(code, place.unkeptLead + place.keptDigits()));
}

void DecodeChannelSlot(const RadioImage& image, std::size_t address, ChannelRecord& record)
{
    // OffSetFre is signed: an offset byte 4 of 0x80 or more cannot be held, so
    // it reads as the largest offset the field can hold.
    ReadFields(image, address, ChannelSlotFields(), record);
}

void EncodeChannelSlot(RadioImage& image, std::size_t address, const ChannelRecord& record)
{
    image.setByte(address + L::Slot::Spare, 0);
    ClearBitBytes(image, address, ChannelSlotFields());
    WriteFields(image, address, ChannelSlotFields(), record);
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
