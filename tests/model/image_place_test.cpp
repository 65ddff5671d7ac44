#include "core/model/tone_table.h"
#include "core/model/image_place.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One value written to a place over a byte that already holds other bits,
// then read back: what lands in the image and what comes back.
struct PlaceCase {
    const char* what;
    ImagePlace place;
    FieldRange range;
    std::uint8_t before;  // the byte at the place before the write
    int value;
    std::vector<std::uint8_t> bytes;  // the bytes at the place afterwards
    int readBack;
};

class PlaceWrite : public ::testing::TestWithParam<PlaceCase> {};

constexpr std::size_t Base = 0x100;

TEST_P(PlaceWrite, StoresTheValueAndReadsItBack)
{
    const PlaceCase& c = GetParam();
    RadioImage image;
    image.setByte(Base + c.place.address, c.before);
    WritePlace(image, Base, c.place, c.value, c.range);
    for (std::size_t i = 0; i < c.bytes.size(); ++i)
        EXPECT_EQ(image.byte(Base + c.place.address + i), c.bytes[i]) << c.what << ", byte " << i;
    EXPECT_EQ(ReadPlace(image, Base, c.place, c.range), c.readBack) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Places, PlaceWrite,
    ::testing::Values(PlaceCase{"byte", byteAt(3), ByteRange, 0xAA, 200, {200}, 200},
                      PlaceCase{"byte above its range", byteAt(3), ByteRange, 0, 256, {255}, 255},
                      PlaceCase{"byte below its range", byteAt(3), ByteRange, 0, -1, {0}, 0},
                      PlaceCase{"bits keep their neighbours", bitsAt(2, 4, 2), TwoBitRange, 0xFF, 1, {0xDF}, 1},
                      PlaceCase{"bits above their range", bitsAt(2, 5, 2), TwoBitRange, 0x00, 9, {0x60}, 3},
                      PlaceCase{"a one-bit field", bitsAt(0, 7), FlagRange, 0x01, 1, {0x81}, 1},
                      PlaceCase{"a one-bit field above its range", bitsAt(0, 7), FlagRange, 0x01, 2, {0x81}, 1},
                      PlaceCase{"a flag", flagAt(0, 3), FlagRange, 0x01, 1, {0x09}, 1},
                      PlaceCase{"a flag is on for 1 only", flagAt(0, 3), FlagRange, 0xFF, 2, {0xF7}, 0},
                      PlaceCase{"16 bits, low byte first", le16At(3), OffsetRange, 0, 0x1234, {0x34, 0x12}, 0x1234},
                      PlaceCase{"16 bits above a signed field", le16At(3), OffsetRange, 0, 40000, {0xFF, 0x7F}, 32767},
                      PlaceCase{"low bit: read from bit 0, written whole", lowBitOf(1), ByteRange, 0, 6, {6}, 0},
                      PlaceCase{"low bit set", lowBitOf(1), ByteRange, 0, 3, {3}, 1},
                      PlaceCase{"not in the image", notInImage(), GridGroupRange, 0x5A, 7, {0x5A}, 0}));

TEST(ImagePlace, ATonePlacesBothIndexesAndItsKindInTheSlotsFlagByte)
{
    for (const int code : {0, 1, 38, 39, 142}) {
        RadioImage image;
        image.setByte(Base + 10, 0x0F);  // the flag byte's other bits
        const ImagePlace place = toneAt(7, 6);
        WritePlace(image, Base, place, code, AnyRange);
        const ToneImage tone = ToneCodeToImage(code);
        EXPECT_EQ(image.byte(Base + 7), tone.CtcssIndex) << code;
        EXPECT_EQ(image.byte(Base + 8), tone.DcsIndex) << code;
        EXPECT_EQ(image.byte(Base + 10), 0x0F | (tone.Type << 6)) << code;
        EXPECT_EQ(ReadPlace(image, Base, place, AnyRange), code);
    }
}

TEST(ImagePlace, ElementsOfABitRunContinueIntoTheNextByte)
{
    const ImagePlace first = bitsAt(0x1E, 0);
    EXPECT_EQ(first.element(7, 0).address, 0x1Eu);
    EXPECT_EQ(first.element(7, 0).firstBit, 7u);
    EXPECT_EQ(first.element(9, 0).address, 0x1Fu);
    EXPECT_EQ(first.element(9, 0).firstBit, 1u);
    EXPECT_EQ(byteAt(0x20).element(9, 1).address, 0x29u);
    EXPECT_EQ(byteAt(0x20).element(2, 16).address, 0x40u);
}

// A digit text written to its place and read back: the bytes the image keeps
// and the text that comes back.
struct DigitCase {
    const char* what;
    DigitPlace place;
    const char* written;
    std::vector<std::uint8_t> bytes;
    const char* readBack;
};

TEST(ImagePlace, DigitTextsKeepTheirBytesAndReadBack)
{
    const DigitPlace pairs{DigitPlace::Kind::Pairs, 2, 3, 1, 1};
    const DigitPlace singles{DigitPlace::Kind::Singles, 0, 4, 0, 0, "#E*F"};
    const DigitCase cases[] = {
        {"pairs, lowest pair first, lead and tail unkept", pairs, "92696579", {0x57, 0x96, 0x26}, "02696570"},
        {"pairs, missing digits as 0", pairs, "0123", {0x00, 0x30, 0x12}, "01230000"},
        {"singles, swapped digits, rest erased", singles, "1#*", {0x01, 0x0E, 0x0F, 0xFF}, "1#*"},
        {"singles, a byte above 0x0F ends the text", singles, "", {0xFF, 0xFF, 0xFF, 0xFF}, ""},
    };
    for (const DigitCase& c : cases) {
        RadioImage image;
        WriteDigits(image, Base, c.place, c.written);
        for (std::size_t i = 0; i < c.bytes.size(); ++i)
            EXPECT_EQ(image.byte(Base + c.place.address + i), c.bytes[i]) << c.what << ", byte " << i;
        EXPECT_EQ(ReadDigits(image, Base, c.place), c.readBack) << c.what;
    }
}

}  // namespace
