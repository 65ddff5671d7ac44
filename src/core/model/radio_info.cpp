#include "model/radio_info.h"

#include "model/fixed_text.h"

#include <cstddef>
#include <ctime>

namespace {

// Where the radio keeps each text of its information area, and how wide the
// record's field is.
struct InfoText {
    std::size_t offset;
    std::size_t length;
    std::string RadioInfoRecord::*field;
    std::size_t width;
};

constexpr std::size_t BandOffset = 0x00;
constexpr std::size_t PasswordOffset = 0x1C;
constexpr std::size_t PasswordLength = 4;

const InfoText InfoTexts[] = {
    {0x20, 8, &RadioInfoRecord::BatchNo, 8},
    {0x28, 4, &RadioInfoRecord::CustomerCode, 4},
    {0x2C, 4, &RadioInfoRecord::SalesArea, 0},  // a plain text, not padded
    {0x30, 16, &RadioInfoRecord::SerialNo, 16},
    {0x40, 16, &RadioInfoRecord::FactoryDate, 16},
    {0x50, 16, &RadioInfoRecord::RepairDate, 16},
    {0x60, 96, &RadioInfoRecord::RepairReason, 96},
    {0xC0, 16, &RadioInfoRecord::DealerCode, 16},
    {0xD0, 16, &RadioInfoRecord::StockInTime, 16},
    {0xE0, 16, &RadioInfoRecord::SalesTime, 16},
    {0xF0, 16, &RadioInfoRecord::Handler, 16},
};

// The bytes of an area up to its first 0x00 or 0xFF, trailing blanks removed.
std::string areaText(const RadioInfoBlock& block, std::size_t offset, std::size_t length)
{
    std::string text;
    for (std::size_t i = offset; i < offset + length; ++i) {
        const std::uint8_t b = block.byte(i);
        if (b == 0x00 || b == 0xFF)
            break;
        text.push_back(static_cast<char>(b));
    }
    return CutAndTrimFixed(text);
}

// A record text: the text, then a NUL, padded with spaces to the field width.
std::string storedText(const std::string& text, std::size_t width)
{
    const std::string withNul = text + '\0';
    return width == 0 ? withNul : PadFixed(withNul, width);
}

std::tm localToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return parts;
}

// Today in the system's short date form.
std::string shortDate(const std::tm& today)
{
    char buffer[64] = {};
    const std::size_t n = std::strftime(buffer, sizeof buffer, "%x", &today);
    return std::string(buffer, n);
}

std::string twoDigits(int n)
{
    return std::string(n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

void SetRadioInfoDefaults(RadioInfoRecord& info, int band, const std::string& modelName)
{
    const std::tm today = localToday();
    const std::string date = shortDate(today);
    info.InfoBand = static_cast<std::int16_t>(band);
    info.InfoModel = modelName;
    info.VersionText = "V1.00";
    info.SalesArea.clear();
    info.BatchNo = PadFixed(twoDigits(today.tm_mon + 1) + "-1-E-1", 8);
    info.CustomerCode = PadFixed("001A", 4);
    info.FactoryDate = storedText(date, 16);
    info.RepairDate = storedText(date, 16);
    info.StockInTime = storedText(date, 16);
    info.SalesTime = storedText(date, 16);
    info.InfoReserved = storedText({}, 16);
    info.SerialNo = storedText({}, 16);
    info.RepairReason = storedText({}, 96);
    info.DealerCode = storedText({}, 16);
    info.Handler = storedText({}, 16);
}

void DecodeRadioInfoBlock(const RadioInfoBlock& block, RadioInfoRecord& info)
{
    info.InfoBand = block.bits(BandOffset, 0, 4);
    for (const InfoText& t : InfoTexts)
        info.*t.field = storedText(areaText(block, t.offset, t.length), t.width);
}

std::string RadioPasswordOf(const RadioInfoBlock& block)
{
    return areaText(block, PasswordOffset, PasswordLength);
}
