#include "country_plans.h"

#include "core/app/data_file.h"
#include "core/model/default_channel.h"
#include "core/freq/channel_groups.h"
#include "core/model/document.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>

namespace {

constexpr int Band = 0;  // country modes exist in the CB band only

// The common 40-channel CB list in kHz. The 5 kHz "gaps" 26.995, 27.045,
// 27.095, 27.145 and 27.195 are the radio-control frequencies, and channels
// 23 to 25 are out of order: 23 is 27.255, 24 and 25 fill the gap below it.
constexpr int CommonListKhz[40] = {
    26965, 26975, 26985, 27005, 27015, 27025, 27035, 27055, 27065, 27075,  //  1..10
    27085, 27105, 27115, 27125, 27135, 27155, 27165, 27175, 27185, 27205,  // 11..20
    27215, 27225, 27255, 27235, 27245, 27265, 27275, 27285, 27295, 27305,  // 21..30
    27315, 27325, 27335, 27345, 27355, 27365, 27375, 27385, 27395, 27405,  // 31..40
};

constexpr int UnitsPerKhz = 100;

std::vector<int> commonList(int shiftKhz = 0)
{
    std::vector<int> list;
    for (const int khz : CommonListKhz)
        list.push_back((khz + shiftKhz) * UnitsPerKhz);
    return list;
}

// A run of channels on a 10 kHz raster from a first frequency in 10 Hz units.
std::vector<int> raster(int first, int count)
{
    std::vector<int> list;
    for (int n = 0; n < count; ++n)
        list.push_back(first + n * 10 * UnitsPerKhz);
    return list;
}

std::vector<int> joined(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

int groupNamed(const char* name)
{
    for (int g = 0; !GetGroupName(g, Band).empty(); ++g) {
        if (GetGroupName(g, Band) == name)
            return g;
    }
    throw std::logic_error(std::string("no CB group ") + name);
}

std::string frequencyCode(int frequency)
{
    char code[16] = {};
    std::snprintf(code, sizeof code, "%08d", frequency);
    return code;
}

}  // namespace

std::vector<CountryPlan> CountryPlans()
{
    const std::vector<int> common = commonList();
    // The UK raster ends in 125 Hz (27.60125 MHz); the radio keeps 100 Hz, so
    // the code ends in 20 and the display puts the 125 back.
    const std::vector<int> uk = raster(2760120, 40);
    const std::vector<int> mem(common.begin(), common.begin() + 8);
    return {
        {groupNamed("EU"), common},
        {groupNamed("CE"), common},  // FM only: the windows keep it so
        {groupNamed("U"), common},
        {groupNamed("UK"), uk},
        {groupNamed("PL"), commonList(-5)},
        {groupNamed("DE"), joined(common, raster(2656500, 40))},
        // "I2" and "IN" have no plan here.
        {groupNamed("MEM"), mem},  // a memory channel must sit on a country channel
    };
}

void AddCountryPlans(Document& doc)
{
    std::map<int, ChannelRecord> channels;
    for (int i = 0; i < doc.ChannelCount; ++i)
        channels[doc.ChannelList[i].ChannelNo] = doc.ChannelList[i];
    for (const CountryPlan& plan : CountryPlans()) {
        const int start = GetGroupStart(plan.group, Band);
        for (std::size_t p = 0; p < plan.frequencies.size(); ++p) {
            const int channelNo = start + static_cast<int>(p) + 1;
            channels[channelNo] = DefaultChannel(channelNo, frequencyCode(plan.frequencies[p]));
        }
    }
    int count = 0;
    for (const auto& [number, channel] : channels)
        doc.ChannelList[count++] = channel;
    doc.ChannelCount = static_cast<std::int16_t>(count);
}
