#include "link/virtual_radio_memory.h"

#include "link/virtual_radio.h"

#include <array>

namespace {

struct InfoField {
    std::size_t offset;
    std::size_t length;
    std::string RadioInfoFields::*text;
};

constexpr std::array<InfoField, 11> InfoFields{{
    {0x20, 8, &RadioInfoFields::batchNo},
    {0x28, 4, &RadioInfoFields::customerCode},
    {0x2C, 4, &RadioInfoFields::salesArea},
    {0x30, 16, &RadioInfoFields::serialNo},
    {0x40, 16, &RadioInfoFields::factoryDate},
    {0x50, 16, &RadioInfoFields::repairDate},
    {0x60, 96, &RadioInfoFields::repairReason},
    {0xC0, 16, &RadioInfoFields::dealerCode},
    {0xD0, 16, &RadioInfoFields::stockInTime},
    {0xE0, 16, &RadioInfoFields::salesTime},
    {0xF0, 16, &RadioInfoFields::handler},
}};

// The 40 CB channels in kHz; the gaps (27.045, 27.095, ...) and the swapped
// channels 23 to 25 are those of the CB band plan.
constexpr std::array<int, 40> CbChannelsKhz{
    26965, 26975, 26985, 27005, 27015, 27025, 27035, 27055, 27065, 27075,
    27085, 27105, 27115, 27125, 27135, 27155, 27165, 27175, 27185, 27205,
    27215, 27225, 27255, 27235, 27245, 27265, 27275, 27285, 27295, 27305,
    27315, 27325, 27335, 27345, 27355, 27365, 27375, 27385, 27395, 27405};

constexpr std::size_t PresentBitmap = 0x1900;
constexpr std::size_t ScanBitmap = 0x1940;
constexpr std::size_t MemorySlots = 0x1980;
constexpr std::size_t Channel401Slot = 0x1A00;
constexpr std::size_t GroupValidBits = 0x1A1E;
constexpr std::size_t DtmfSlots = 0x1C00;
constexpr std::size_t DtmfSlotsLength = 0x100;

std::uint8_t bcdPair(int twoDigits)
{
    return static_cast<std::uint8_t>(((twoDigits / 10) << 4) | (twoDigits % 10));
}

// Six BCD digits in units of 100 Hz, least significant pair first.
void setSlotFrequency(RadioImage& image, std::size_t slot, int khz)
{
    const int units = khz * 10;
    image.setByte(slot, bcdPair(units % 100));
    image.setByte(slot + 1, bcdPair(units / 100 % 100));
    image.setByte(slot + 2, bcdPair(units / 10000 % 100));
}

void eraseSlotFrequency(RadioImage& image, std::size_t slot)
{
    for (std::size_t i = 0; i < 3; ++i)
        image.setByte(slot + i, 0xFF);
}

}  // namespace

RadioInfoBlock BuildRadioInfo(std::uint8_t band, const RadioInfoFields& fields)
{
    RadioInfoBlock info;
    info.fill(0xFF);
    info.setByte(0, static_cast<std::uint8_t>(band & 0x0F));
    for (const InfoField& f : InfoFields) {
        const std::string& text = fields.*(f.text);
        for (std::size_t i = 0; i < f.length && i < text.size(); ++i)
            info.setByte(f.offset + i, static_cast<std::uint8_t>(text[i]));
    }
    VirtualRadio::setPassword(info, fields.password);
    return info;
}

RadioImage DefaultRadioImage(std::uint8_t band)
{
    RadioImage image;
    // Channels that do not exist carry the erased frequency 0xFF 0xFF 0xFF.
    for (std::size_t n = CbChannelsKhz.size() + 1; n <= 400; ++n)
        eraseSlotFrequency(image, (n - 1) * 16);
    for (std::size_t n = 402; n <= 409; ++n)
        eraseSlotFrequency(image, MemorySlots + (n - 402) * 16);
    for (std::size_t n = 1; n <= CbChannelsKhz.size(); ++n) {
        const int khz = band == 0 ? CbChannelsKhz[n - 1] : 28000 + 10 * static_cast<int>(n - 1);
        setSlotFrequency(image, (n - 1) * 16, khz);
        image.setBit(PresentBitmap + (n - 1) / 8, (n - 1) % 8, true);
        image.setBit(ScanBitmap + (n - 1) / 8, (n - 1) % 8, true);
    }
    setSlotFrequency(image, Channel401Slot, band == 0 ? CbChannelsKhz[0] : 28000);
    image.setBit(GroupValidBits, 0, true);
    for (std::size_t i = 0; i < DtmfSlotsLength; ++i)
        image.setByte(DtmfSlots + i, 0xFF);
    return image;
}
