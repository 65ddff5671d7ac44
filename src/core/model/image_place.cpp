#include "core/model/image_place.h"

#include "core/model/tone_table.h"
#include "core/model/image_layout.h"

namespace {

// The tone kind of a slot's receive or transmit tone lives in its flag byte.
std::size_t toneKindByte(std::size_t base)
{
    return base + ImageLayout::Slot::Flags;
}

}  // namespace

int ReadPlace(const RadioImage& image, std::size_t base, const ImagePlace& place, FieldRange range)
{
    const std::size_t at = base + place.address;
    switch (place.kind) {
    case ImagePlace::Kind::None:
        return 0;
    case ImagePlace::Kind::Byte:
        return range.fit(image.byte(at));
    case ImagePlace::Kind::Bits:
    case ImagePlace::Kind::Flag:
        return range.fit(image.bits(at, place.firstBit, place.bitCount));
    case ImagePlace::Kind::Le16:
        return range.fit(image.le16(at));
    case ImagePlace::Kind::LowBit:
        return range.fit(image.bits(at, 0, 1));
    case ImagePlace::Kind::Tone:
        return ImageToToneCode(image.bits(toneKindByte(base), place.firstBit, place.bitCount), image.byte(at),
                               image.byte(at + 1));
    }
    return 0;
}

void WritePlace(RadioImage& image, std::size_t base, const ImagePlace& place, int value, FieldRange range)
{
    const std::size_t at = base + place.address;
    switch (place.kind) {
    case ImagePlace::Kind::None:
        return;
    case ImagePlace::Kind::Byte:
    case ImagePlace::Kind::LowBit:
        image.setByte(at, static_cast<std::uint8_t>(range.fit(value)));
        return;
    case ImagePlace::Kind::Bits:
        image.setBits(at, place.firstBit, place.bitCount, static_cast<unsigned>(range.fit(value)));
        return;
    case ImagePlace::Kind::Flag:
        image.setBit(at, place.firstBit, value == 1);
        return;
    case ImagePlace::Kind::Le16:
        image.setLe16(at, static_cast<std::uint16_t>(range.fit(value)));
        return;
    case ImagePlace::Kind::Tone: {
        const ToneImage tone = ToneCodeToImage(value);
        image.setByte(at, tone.CtcssIndex);
        image.setByte(at + 1, tone.DcsIndex);
        image.setBits(toneKindByte(base), place.firstBit, place.bitCount, tone.Type);
        return;
    }
    }
}
