#include "core/model/radio_info.h"

#include "core/model/fixed_text.h"
#include "core/model/image_layout.h"

#include <cstddef>
#include <ctime>

namespace {

namespace I = ImageLayout::Info;

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

const std::array<InfoTextField, 11>& RadioInfoTextFields()
{
    using R = RadioInfoRecord;
    static const std::array<InfoTextField, 11> fields{{
        {&R::BatchNo, I::BatchNo, 8, 8},
        {&R::CustomerCode, I::CustomerCode, 4, 4},
        {&R::SalesArea, I::SalesArea, 4, 0},
        {&R::SerialNo, I::SerialNo, 16, 16},
        {&R::FactoryDate, I::FactoryDate, 16, 16},
        {&R::RepairDate, I::RepairDate, 16, 16},
        {&R::RepairReason, I::RepairReason, 96, 96},
        {&R::DealerCode, I::DealerCode, 16, 16},
        {&R::StockInTime, I::StockInTime, 16, 16},
        {&R::SalesTime, I::SalesTime, 16, 16},
        {&R::Handler, I::Handler, 16, 16},
    }};
    return fields;
}

void StoreRadioInfoText(RadioInfoBlock& block, const InfoTextField& field, const std::string& text)
{
    for (std::size_t i = 0; i < field.length; ++i)
        block.setByte(field.offset + i, i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0xFF);
}

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
    info.InfoBand = block.bits(I::Band, I::BandFirstBit, I::BandWidth);
    for (const InfoTextField& t : RadioInfoTextFields())
        info.*t.member = storedText(areaText(block, t.offset, t.length), t.width);
}

std::string RadioPasswordOf(const RadioInfoBlock& block)
{
    return areaText(block, I::Password, I::PasswordLength);
}
