#include "virtual_radio/virtual_radio_memory.h"

#include "virtual_radio/virtual_radio.h"
#include "core/model/image_codec.h"
#include "core/model/image_layout.h"
#include "core/model/radio_info.h"
#include "core/model/record_fields.h"

#include <array>
#include <cstdio>

namespace L = ImageLayout;

namespace {

// Which text of the information record each given text is.
struct InfoText {
    std::string RadioInfoFields::*text;
    std::string RadioInfoRecord::*member;
};

constexpr std::array<InfoText, 11> InfoTexts{{
    {&RadioInfoFields::batchNo, &RadioInfoRecord::BatchNo},
    {&RadioInfoFields::customerCode, &RadioInfoRecord::CustomerCode},
    {&RadioInfoFields::salesArea, &RadioInfoRecord::SalesArea},
    {&RadioInfoFields::serialNo, &RadioInfoRecord::SerialNo},
    {&RadioInfoFields::factoryDate, &RadioInfoRecord::FactoryDate},
    {&RadioInfoFields::repairDate, &RadioInfoRecord::RepairDate},
    {&RadioInfoFields::repairReason, &RadioInfoRecord::RepairReason},
    {&RadioInfoFields::dealerCode, &RadioInfoRecord::DealerCode},
    {&RadioInfoFields::stockInTime, &RadioInfoRecord::StockInTime},
    {&RadioInfoFields::salesTime, &RadioInfoRecord::SalesTime},
    {&RadioInfoFields::handler, &RadioInfoRecord::Handler},
}};

// The 40 CB channels in kHz; the gaps (27.045, 27.095, ...) and the swapped
// channels 23 to 25 are those of the CB band plan.
constexpr const char* NoFrequency = "FFFFFFFF";

constexpr std::array<int, 40> CbChannelsKhz{26965, 26975, 26985, 27005, 27015, 27025, 27035, 27055, 27065, 27075,
                                            27085, 27105, 27115, 27125, 27135, 27155, 27165, 27175, 27185, 27205,
                                            27215, 27225, 27255, 27235, 27245, 27265, 27275, 27285, 27295, 27305,
                                            27315, 27325, 27335, 27345, 27355, 27365, 27375, 27385, 27395, 27405};

// The frequency code of a whole number of kHz (26965 -> "02696500"), stored
// as the codec stores it.
void setSlotFrequency(RadioImage& image, std::size_t slot, int khz)
{
    char code[16];
    std::snprintf(code, sizeof code, "%08d", khz * 100);
    WriteFreqCode(image, slot, code);
}

void eraseSlotFrequency(RadioImage& image, std::size_t slot)
{
    WriteFreqCode(image, slot, NoFrequency);
}

void setBit(RadioImage& image, const ImagePlace& place)
{
    WritePlace(image, 0, place, 1, FlagRange);
}

}  // namespace

RadioInfoBlock BuildRadioInfo(std::uint8_t band, const RadioInfoFields& fields)
{
    RadioInfoBlock info;
    info.fill(0xFF);
    info.setByte(L::Info::Band, static_cast<std::uint8_t>(band & ((1u << L::Info::BandWidth) - 1)));
    for (const InfoTextField& field : RadioInfoTextFields()) {
        for (const InfoText& t : InfoTexts) {
            if (t.member == field.member)
                StoreRadioInfoText(info, field, fields.*(t.text));
        }
    }
    VirtualRadio::setPassword(info, fields.password);
    return info;
}

RadioImage DefaultRadioImage(std::uint8_t band)
{
    RadioImage image;
    // Channels that do not exist carry the erased frequency 0xFF 0xFF 0xFF.
    const int defined = static_cast<int>(CbChannelsKhz.size());
    for (int n = defined + 1; n <= MaxChannels; ++n) {
        if (n != VfoChannelNo)
            eraseSlotFrequency(image, L::channelPlace(n).slot);
    }
    for (int n = 1; n <= defined; ++n) {
        const int khz = band == 0 ? CbChannelsKhz[static_cast<std::size_t>(n - 1)] : 28000 + 10 * (n - 1);
        const L::ChannelPlace place = L::channelPlace(n);
        setSlotFrequency(image, place.slot, khz);
        const ChannelFlagPlaces flags = ChannelFlags(n);
        setBit(image, flags.present);
        setBit(image, flags.scan);
    }
    setSlotFrequency(image, L::VfoSlot, band == 0 ? CbChannelsKhz[0] : 28000);
    setBit(image, OptFeatGroupFields()[0].at(0));  // group 1 offered
    for (int s = 1; s <= DtmfSlotCount; ++s) {
        for (std::size_t i = 0; i < L::SlotSize; ++i)
            image.setByte(L::dtmfSlotAddress(s) + i, 0xFF);
    }
    return image;
}
