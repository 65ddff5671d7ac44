#include "core/model/tone_table.h"

#include <array>

namespace {

// CTCSS tones in tenths of a hertz, k = 1..38.
constexpr std::array<int, CtcssCount> CtcssTenthsHz{
    670,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035, 1072, 1109, 1148, 1188, 1230, 1273,
    1318, 1365, 1413, 1462, 1514, 1567, 1622, 1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503,
};

// DCS codes (octal digits as written), j = 1..104.
constexpr std::array<const char*, DcsCount> DcsCodes{
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754",
};

constexpr int MaxIndexByte = 255;
constexpr int LastForeignDcsCode = MaxIndexByte + FirstDcsCode;            // 294
constexpr int LastForeignCtcssCode = ForeignCtcssCodeBase + MaxIndexByte;  // 1256

std::string threeDigits(int n)
{
    std::string text = std::to_string(n);
    return std::string(text.size() < 3 ? 3 - text.size() : 0, '0') + text;
}

std::vector<std::string> buildToneList()
{
    std::vector<std::string> list;
    list.reserve(ToneCount);
    list.emplace_back("Off");
    for (int k = 1; k <= CtcssCount; ++k) {
        const int tenths = CtcssTenthsHz[static_cast<std::size_t>(k - 1)];
        list.push_back("C_" + threeDigits(k) + "(" + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10)
                       + "Hz)");
    }
    for (int j = 1; j <= DcsCount; ++j)
        list.push_back("D_" + threeDigits(j) + "(" + DcsCodes[static_cast<std::size_t>(j - 1)] + "N)");
    return list;
}

}  // namespace

const std::vector<std::string>& ToneList()
{
    static const std::vector<std::string> list = buildToneList();
    return list;
}

std::string ToneListText(int code)
{
    if (code >= 0 && code < ToneCount)
        return ToneList()[static_cast<std::size_t>(code)];
    return "?(" + std::to_string(code) + ")";
}

ToneImage ToneCodeToImage(int code)
{
    if (code >= 1 && code <= CtcssCount)
        return {1, static_cast<std::uint8_t>(code - 1), 0};
    if (code >= FirstDcsCode && code <= LastForeignDcsCode)
        return {2, 0, static_cast<std::uint8_t>(code - FirstDcsCode)};
    if (code >= ForeignCtcssCodeBase + CtcssCount && code <= LastForeignCtcssCode)
        return {1, static_cast<std::uint8_t>(code - ForeignCtcssCodeBase), 0};
    return {};
}

int ImageToToneCode(std::uint8_t type, std::uint8_t ctcssIndex, std::uint8_t dcsIndex)
{
    switch (type) {
    case 1:
        return ctcssIndex < CtcssCount ? ctcssIndex + 1 : ForeignCtcssCodeBase + ctcssIndex;
    case 2:
        return dcsIndex + FirstDcsCode;
    default:
        return 0;
    }
}

int ImageToToneCode(const ToneImage& image)
{
    return ImageToToneCode(image.Type, image.CtcssIndex, image.DcsIndex);
}
