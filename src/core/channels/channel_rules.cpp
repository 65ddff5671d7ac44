#include "core/channels/channel_rules.h"

#include "core/channels/channel_update.h"
#include "core/freq/channel_groups.h"
#include "core/model/document.h"

#include <algorithm>

namespace {

constexpr int FirstFmOnlyDePosition = 41;

}  // namespace

bool IsHiddenInBand(ChannelField field, int bandMode)
{
    const ChannelBands bands = ChannelFieldOf(field).bands;
    return bands == ChannelBands::None || (bands == ChannelBands::NotCb && bandMode == 0);
}

bool IsFixFM(int position, int group, int bandMode)
{
    if (bandMode != 0)
        return false;
    return group == Groups::CE || group == Groups::UK || (group == Groups::DE && position >= FirstFmOnlyDePosition);
}

bool IsVfoGroup(int group, int bandMode)
{
    return (bandMode == 1 || bandMode == 2) && group == Groups::Vfo;
}

Refusal ChannelFieldLock(const Document& doc, int group, int position, ChannelField field)
{
    const int band = doc.BandMode;
    if (position < 1 || position > GetGroupSize(group, band))
        return Refusal::NoSuchGroup;
    if (field == ChannelField::RxFreq && band == 0 && !IsMemGroup(group, band))
        return Refusal::CountryFrequency;
    if (field == ChannelField::Scan && IsVfoGroup(group, band))
        return Refusal::VfoScan;
    if (IsHiddenInBand(field, band))
        return Refusal::HiddenInBand;
    const ChannelRecord* channel = ChannelAt(doc, group, position);
    if (channel && channel->Public == 1 && ChannelFieldOf(field).followsPublic)
        return Refusal::PublicGoverned;
    return Refusal::None;
}

Refusal ChannelReferenceRefusal(const Document& doc, ChannelField field, int value)
{
    if (value <= 0)
        return Refusal::None;
    // A number past the last tip or slot is stored as the last one, so that
    // is the reference to check.
    if (field == ChannelField::RBTone) {
        const int tip = std::min(value, static_cast<int>(doc.Record.Tips.size()));
        return CheckToneTipRef(doc, tip) != tip ? Refusal::UndefinedToneTip : Refusal::None;
    }
    if (field != ChannelField::DTMF_BOT && field != ChannelField::DTMF_EOT && field != ChannelField::DTMF_Call)
        return Refusal::None;
    const auto& codes = doc.Record.Dtmf.Codes;
    const int slot = std::min(value, static_cast<int>(codes.size()));
    return codes[static_cast<std::size_t>(slot - 1)].Length > 0 ? Refusal::None : Refusal::EmptyDtmfCode;
}

std::vector<int> ChannelPositionsInGroup(const Document& doc, int group)
{
    std::vector<int> positions;
    const int start = GetGroupStart(group, doc.BandMode);
    const int size = GetGroupSize(group, doc.BandMode);
    const int count = std::clamp<int>(doc.ChannelCount, 0, MaxChannels);
    for (int i = 0; i < count; ++i) {
        const int p = doc.ChannelList[static_cast<std::size_t>(i)].ChannelNo - start;
        if (p >= 1 && p <= size)
            positions.push_back(p);
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}
