#include "core/freq/channel_groups.h"

#include <array>
#include <optional>

namespace {

struct GroupInfo {
    const char* name;
    int start;
    int size;
};

constexpr std::array<GroupInfo, 9> CbGroups{{
    {"EU", 0, 40},
    {"CE", 40, 40},
    {"U", 80, 40},
    {"UK", 120, 40},
    {"PL", 160, 40},
    {"I2", 200, 40},
    {"DE", 240, 80},
    {"IN", 320, 40},
    {"MEM", VfoChannelNo, MemChannelCount},
}};

constexpr int VfoGroup = 10;
constexpr int BankMemGroup = 11;
constexpr int CbMemGroup = 8;

bool isBankBand(int bandMode)
{
    return bandMode == 1 || bandMode == 2;
}

std::optional<GroupInfo> groupInfo(int group, int bandMode)
{
    if (group < 0)
        return std::nullopt;
    if (bandMode == 0) {
        if (group < static_cast<int>(CbGroups.size()))
            return CbGroups[static_cast<std::size_t>(group)];
        return std::nullopt;
    }
    if (!isBankBand(bandMode))
        return std::nullopt;
    if (group < BankCount)
        return GroupInfo{nullptr, group * BankSize, BankSize};
    if (group == VfoGroup)
        return GroupInfo{"VFO", LastBankChannel, 1};
    if (group == BankMemGroup)
        return GroupInfo{"MEM", VfoChannelNo, MemChannelCount};
    return std::nullopt;
}

}  // namespace

int GetGroupOfChannel(int channelNo, int bandMode)
{
    if (bandMode == 0) {
        // The country groups are contiguous from channel 1 up to 360.
        for (int g = 0; g < CbMemGroup; ++g) {
            const GroupInfo& info = CbGroups[static_cast<std::size_t>(g)];
            if (channelNo <= info.start + info.size)
                return g;
        }
        return CbMemGroup;
    }
    if (isBankBand(bandMode))
        return (channelNo - 1) / BankSize;
    return -1;
}

int GetGroupStart(int group, int bandMode)
{
    const auto info = groupInfo(group, bandMode);
    return info ? info->start : 0;
}

int GetGroupSize(int group, int bandMode)
{
    const auto info = groupInfo(group, bandMode);
    return info ? info->size : 0;
}

std::string GetGroupName(int group, int bandMode)
{
    const auto info = groupInfo(group, bandMode);
    if (!info)
        return {};
    if (info->name == nullptr)
        return std::string(1, static_cast<char>('A' + group));
    return info->name;
}

int LastRegularGroup(int bandMode)
{
    return bandMode == 0 ? 7 : 9;
}

bool IsRegularGroup(int group, int bandMode)
{
    return group >= 0 && group <= LastRegularGroup(bandMode) && GetGroupSize(group, bandMode) > 0;
}

bool IsMemGroup(int group, int bandMode)
{
    return (bandMode == 0 && group == CbMemGroup) || (isBankBand(bandMode) && group == BankMemGroup);
}

std::vector<std::string> GroupComboItems(int bandMode, std::string_view excludedName)
{
    std::vector<std::string> items;
    for (int g = 0; g <= BankMemGroup; ++g) {
        std::string name = GetGroupName(g, bandMode);
        if (!name.empty() && name != excludedName)
            items.push_back(std::move(name));
    }
    return items;
}

GroupSelector GroupSelectorOfBand(int bandMode)
{
    if (bandMode == 0)
        return GroupSelector::CountryBox;
    if (isBankBand(bandMode))
        return GroupSelector::GroupBox;
    return GroupSelector::Unchanged;
}
