#include "core/channels/mem_freq_choice.h"

#include "core/channels/channel_update.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/model/document.h"

namespace {

constexpr int CbBand = 0;
constexpr int CountryGroupCount = 8;

int countryGroup(int groupIndex)
{
    return groupIndex - 1;
}

bool isCountryIndex(int groupIndex)
{
    return groupIndex >= 1 && groupIndex <= CountryGroupCount;
}

}  // namespace

std::vector<std::string> MemFreqGroupItems()
{
    std::vector<std::string> items{"Off"};
    for (int g = 0; g < CountryGroupCount; ++g)
        items.push_back(GetGroupName(g, CbBand));
    return items;
}

std::vector<std::string> MemFreqPositionItems(int groupIndex)
{
    std::vector<std::string> items;
    if (!isCountryIndex(groupIndex))
        return items;
    const int size = GetGroupSize(countryGroup(groupIndex), CbBand);
    for (int p = 1; p <= size; ++p)
        items.push_back(std::to_string(p));
    return items;
}

MemFreqChoice MemFreqInitialChoice(const Document& doc, std::string_view freqText)
{
    const auto typed = ParseTypedFreq(freqText);
    if (!typed)
        return {};
    const NearestChannel nearest = NearestChannelFreq(*typed, doc);
    if (!nearest.Found || !isCountryIndex(nearest.Group + 1))
        return {};
    return MemFreqGroupChosen(nearest.Group + 1, nearest.Position);
}

MemFreqChoice MemFreqGroupChosen(int groupIndex, int previousPositionIndex)
{
    if (!isCountryIndex(groupIndex))
        return {};
    const int size = GetGroupSize(countryGroup(groupIndex), CbBand);
    const bool fits = previousPositionIndex >= 0 && previousPositionIndex < size;
    return {groupIndex, fits ? previousPositionIndex : 0};
}

std::optional<std::string> MemFreqChannelText(const Document& doc, const MemFreqChoice& choice)
{
    if (!isCountryIndex(choice.groupIndex))
        return std::string();
    const int group = countryGroup(choice.groupIndex);
    const int channelNo = GetGroupStart(group, CbBand) + choice.positionIndex + 1;
    const int index = FindChannelIndex(doc, channelNo);
    if (choice.positionIndex < 0 || index < 0)
        return std::nullopt;
    return FreqCodeToShowText(doc.ChannelList[static_cast<std::size_t>(index)].RxFreq, group, CbBand, doc);
}
