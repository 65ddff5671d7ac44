#include "core/channels/channel_update.h"

#include "core/channels/channel_rules.h"
#include "core/channels/group_settings.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/base/numeric_text.h"
#include "core/model/document.h"

#include <algorithm>
#include <string>

namespace {

using Scope = DocumentChange::Scope;

int usedCount(const Document& doc)
{
    return std::clamp<int>(doc.ChannelCount, 0, MaxChannels);
}

int positionInGroup(const ChannelRecord& channel, int group, int bandMode)
{
    return channel.ChannelNo - GetGroupStart(group, bandMode);
}

bool liesInGroup(const ChannelRecord& channel, int group, int bandMode)
{
    const int p = positionInGroup(channel, group, bandMode);
    return p >= 1 && p <= GetGroupSize(group, bandMode);
}

int countChannelsUpTo(const Document& doc, int lastNo)
{
    const int count = usedCount(doc);
    return static_cast<int>(std::count_if(doc.ChannelList.begin(), doc.ChannelList.begin() + count,
                                          [lastNo](const ChannelRecord& c) { return c.ChannelNo <= lastNo; }));
}

// What a value must pass before anything is touched: the field's own list,
// FM-only positions, the power of an AM channel, the memory channels' need of
// a country channel.
Refusal valueRefusal(const Document& doc, int group, int position, ChannelField field, std::string_view value)
{
    if (const auto choices = ChannelFieldChoices(field)) {
        const auto number = NumericTextToInteger(value);
        if (!number || !choices->contains(static_cast<int>(std::clamp<std::int64_t>(*number, -1, 1 << 20))))
            return Refusal::OutOfChoices;
        const ChannelRecord* channel = ChannelAt(doc, group, position);
        if (field == ChannelField::AM_FM && *number == 1 && IsFixFM(position, group, doc.BandMode))
            return Refusal::FixedFm;
        if (field == ChannelField::Tx_Power && *number >= HighPower && channel && channel->AM_FM == 1)
            return Refusal::HighPowerOnAm;
    }
    if (field == ChannelField::RxFreq && !value.empty() && !ParseTypedFreq(value))
        return Refusal::NotAFrequency;
    if (field == ChannelField::RxFreq && !value.empty() && doc.BandMode == 0 && IsMemGroup(group, 0)
        && !NearestChannelFreq(0.0, doc).Found)
        return Refusal::NoCountryChannel;
    return Refusal::None;
}

UpdateResult refused(Refusal why)
{
    return {UpdateOutcome::Refused, why};
}

// Applies a change to every listed channel and to the public channel, then
// tells the observers which of the two it changed.
template <typename Change>
void changeEveryChannel(Document& doc, Change change)
{
    bool channels = false;
    const int count = usedCount(doc);
    for (int i = 0; i < count; ++i)
        channels = change(doc.ChannelList[static_cast<std::size_t>(i)]) || channels;
    const bool publicChannel = change(doc.Record.PublicChannel);
    if (channels)
        doc.notifyChanged({Scope::Channels, 0});
    if (publicChannel)
        doc.notifyChanged({Scope::PublicChannel, 0});
}

}  // namespace

const char* RefusalText(Refusal refusal)
{
    switch (refusal) {
    case Refusal::None:
        return "";
    case Refusal::NoChannel:
        return "the position holds no channel";
    case Refusal::KeepVfoChannel:
        return "channel 401 cannot be deleted";
    case Refusal::KeepLastMemoryChannel:
        return "the last memory channel cannot be deleted";
    case Refusal::KeepLastChannel:
        return "the last channel cannot be deleted";
    case Refusal::FixedFm:
        return "this channel is FM only";
    case Refusal::HighPowerOnAm:
        return "high power is for FM channels only";
    case Refusal::OutOfChoices:
        return "the field cannot hold this value";
    case Refusal::NotAFrequency:
        return "the frequency is not a number";
    case Refusal::CountryFrequency:
        return "a country channel's frequency follows its channel plan";
    case Refusal::VfoScan:
        return "the VFO channel is not scanned";
    case Refusal::PublicGoverned:
        return "the public channel's settings apply while Public is on";
    case Refusal::HiddenInBand:
        return "the radio has no such setting in this band";
    case Refusal::NoSuchGroup:
        return "no such group or position in this band";
    case Refusal::NotOffered:
        return "this group has no such setting";
    case Refusal::FmLocked:
        return "this emergency channel is FM only";
    case Refusal::LastValidGroup:
        return "the last valid group cannot be disabled";
    case Refusal::EmptyGroup:
        return "a group without channels cannot be valid";
    case Refusal::NoCountryChannel:
        return "no country channel exists to take the frequency from";
    case Refusal::UndefinedToneTip:
        return "this tone tip is not defined";
    case Refusal::EmptyDtmfCode:
        return "this DTMF code is empty";
    }
    return "";
}

int FindChannelIndex(const Document& doc, int channelNo)
{
    const int count = usedCount(doc);
    for (int i = 0; i < count; ++i) {
        if (doc.ChannelList[static_cast<std::size_t>(i)].ChannelNo == channelNo)
            return i;
    }
    return -1;
}

const ChannelRecord* ChannelAt(const Document& doc, int group, int position)
{
    if (position < 1 || position > GetGroupSize(group, doc.BandMode))
        return nullptr;
    const int index = FindChannelIndex(doc, GetGroupStart(group, doc.BandMode) + position);
    return index < 0 ? nullptr : &doc.ChannelList[static_cast<std::size_t>(index)];
}

void AddChannel(Document& doc, int channelNo, std::string_view freqText)
{
    const int count = usedCount(doc);
    if (count >= MaxChannels)
        return;
    ChannelRecord channel;
    channel.ChannelNo = static_cast<std::int16_t>(channelNo);
    channel.RxFreq = FreqTextToCode(freqText, doc);
    channel.IsEmpty = 0;
    channel.Scan = channelNo == VfoChannelNo ? 0 : 1;  // the radio keeps no scan flag for the VFO
    channel.OffSetFre = 100;
    channel.Public = 1;
    channel.NB = 1;
    doc.ChannelList[static_cast<std::size_t>(count)] = channel;
    doc.ChannelCount = static_cast<std::int16_t>(count + 1);
}

void RemoveChannelAt(Document& doc, int listIndex)
{
    const int count = usedCount(doc);
    if (listIndex < 0 || listIndex >= count)
        return;
    std::move(doc.ChannelList.begin() + listIndex + 1, doc.ChannelList.begin() + count,
              doc.ChannelList.begin() + listIndex);
    doc.ChannelList[static_cast<std::size_t>(count - 1)] = ChannelRecord{};
    doc.ChannelCount = static_cast<std::int16_t>(count - 1);
}

Refusal DeletionRefusal(const Document& doc, int group, int position)
{
    const ChannelRecord* channel = ChannelAt(doc, group, position);
    if (!channel)
        return Refusal::None;
    if (channel->ChannelNo == VfoChannelNo)
        return Refusal::KeepVfoChannel;
    if (channel->ChannelNo > VfoChannelNo)
        return CountChannelsInGroup(doc, group) > 1 ? Refusal::None : Refusal::KeepLastMemoryChannel;
    return countChannelsUpTo(doc, LastBankChannel) > 1 ? Refusal::None : Refusal::KeepLastChannel;
}

UpdateResult SetChannelData(Document& doc, int group, int position, ChannelField field, std::string_view value,
                            Notifier& notifier)
{
    const int band = doc.BandMode;
    if (position < 1 || position > GetGroupSize(group, band))
        return refused(Refusal::NoSuchGroup);
    if (const Refusal why = valueRefusal(doc, group, position, field, value); why != Refusal::None) {
        if (why == Refusal::NotAFrequency)
            ReportNotAFrequency(value, notifier);
        return refused(why);
    }

    std::string text(value);
    const bool isFreq = field == ChannelField::RxFreq;
    if (isFreq && !text.empty())
        text = NormalizeFreqText(text, group, band, doc, notifier);

    const int channelNo = GetGroupStart(group, band) + position;
    const int index = FindChannelIndex(doc, channelNo);
    const OptFeatRecord settingsBefore = doc.Record.OptFeat;
    bool channelChanged = false;

    if (index >= 0) {
        ChannelRecord& channel = doc.ChannelList[static_cast<std::size_t>(index)];
        if (isFreq && text.empty()) {
            if (const Refusal why = DeletionRefusal(doc, group, position); why != Refusal::None)
                return refused(why);
            RemoveChannelAt(doc, index);
            channelChanged = true;
        } else if (!(isFreq && text == FreqCodeToText(channel.RxFreq, doc))) {
            ChannelRecord updated = channel;
            SetChannelField(updated, field, text, doc);
            channelChanged = !(updated == channel);
            channel = updated;
        }
    } else if (isFreq && !text.empty()) {
        AddChannel(doc, channelNo, text);
        channelChanged = true;
    } else if (!isFreq) {
        return refused(Refusal::NoChannel);
    } else {
        // Clearing a position that holds no channel deletes nothing, so the
        // group settings have nothing to follow: a working channel that
        // points at an empty position, or an empty group that is enabled,
        // stays as the user left it.
        return {};
    }
    if (isFreq)
        RefreshGroupAfterChange(doc, group);

    const bool settingsChanged = !(doc.Record.OptFeat == settingsBefore);
    if (channelChanged)
        doc.notifyChanged({Scope::Channel, channelNo});
    if (settingsChanged)
        doc.notifyChanged({Scope::GroupSettings, 0});
    return {channelChanged || settingsChanged ? UpdateOutcome::Stored : UpdateOutcome::Unchanged, Refusal::None};
}

UpdateResult SetChannelData(Document& doc, int group, int position, ChannelField field, int value, Notifier& notifier)
{
    return SetChannelData(doc, group, position, field, std::to_string(value), notifier);
}

int CountChannelsInGroup(const Document& doc, int group)
{
    const int count = usedCount(doc);
    return static_cast<int>(std::count_if(doc.ChannelList.begin(), doc.ChannelList.begin() + count,
                                          [&](const ChannelRecord& c) { return liesInGroup(c, group, doc.BandMode); }));
}

int CountChannelsOutsideGroup(const Document& doc, int group)
{
    const int count = usedCount(doc);
    return static_cast<int>(
        std::count_if(doc.ChannelList.begin(), doc.ChannelList.begin() + count, [&](const ChannelRecord& c) {
            return !liesInGroup(c, group, doc.BandMode) && c.ChannelNo <= LastBankChannel;
        }));
}

int CountValidGroupsExcept(const Document& doc, int group)
{
    int valid = 0;
    for (int j = 0; j <= LastRegularGroup(doc.BandMode); ++j) {
        if (j != group && doc.Record.OptFeat.GroupValid[static_cast<std::size_t>(j)] > 0)
            ++valid;
    }
    return valid;
}

void EnsureOneGroupValid(Document& doc)
{
    auto& valid = doc.Record.OptFeat.GroupValid;
    const int last = LastRegularGroup(doc.BandMode);
    if (std::any_of(valid.begin(), valid.begin() + last + 1, [](std::int16_t v) { return v > 0; }))
        return;
    const int count = usedCount(doc);
    for (int i = 0; i < count; ++i) {
        const int group = GetGroupOfChannel(doc.ChannelList[static_cast<std::size_t>(i)].ChannelNo, doc.BandMode);
        if (IsRegularGroup(group, doc.BandMode)) {
            valid[static_cast<std::size_t>(group)] = 1;
            return;
        }
    }
}

int CheckChannelOffset(const Document& doc, int group, int storedValue)
{
    const std::vector<int> positions = ChannelPositionsInGroup(doc, group);
    if (positions.empty())
        return 0;
    if (std::find(positions.begin(), positions.end(), storedValue + 1) != positions.end())
        return storedValue;
    return positions.front() - 1;
}

void RefreshGroupAfterChange(Document& doc, int group)
{
    const int band = doc.BandMode;
    if (IsVfoGroup(group, band))
        return;
    OptFeatRecord& opt = doc.Record.OptFeat;
    const bool hasChannels = CountChannelsInGroup(doc, group) > 0;
    auto recheck = [&](std::int16_t& stored) {
        stored = static_cast<std::int16_t>(hasChannels ? CheckChannelOffset(doc, group, stored) : 0);
    };
    if (IsMemGroup(group, band)) {
        recheck(opt.Value1B);
        return;
    }
    if (!IsRegularGroup(group, band))
        return;
    const auto g = static_cast<std::size_t>(group);
    recheck(opt.WorkChannel[g]);
    recheck(opt.EmergencyChannel[g][0]);
    recheck(opt.EmergencyChannel[g][1]);
    if (!hasChannels)
        opt.GroupValid[g] = 0;
    EnsureOneGroupValid(doc);
    // An emergency channel that moved onto an FM-only position is FM.
    for (int column = 0; column < 2; ++column) {
        if (IsGroupModeLocked(doc, group, column))
            opt.GroupMode[g][static_cast<std::size_t>(column)] = 0;
    }
}

void ClearDtmfCodeRefs(Document& doc, int slot)
{
    if (slot < 1)
        return;
    changeEveryChannel(doc, [slot](ChannelRecord& c) {
        bool changed = false;
        for (std::int16_t* ref : {&c.DTMF_BOT, &c.DTMF_EOT, &c.DTMF_Call}) {
            if (*ref == slot) {
                *ref = 0;
                changed = true;
            }
        }
        return changed;
    });
}

int CheckToneTipRef(const Document& doc, int tip)
{
    if (tip < 1 || tip > ToneTipCount)
        return 0;
    const ToneTip& t = doc.Record.Tips[static_cast<std::size_t>(tip - 1)];
    const bool sounds = std::any_of(t.Tones.begin(), t.Tones.end(),
                                    [](const ToneTipTone& tone) { return tone.Length > 0; });
    return t.LoopCount >= 1 && sounds ? tip : 0;
}

void RecheckToneTipRefs(Document& doc)
{
    changeEveryChannel(doc, [&doc](ChannelRecord& c) {
        const auto checked = static_cast<std::int16_t>(CheckToneTipRef(doc, c.RBTone));
        const bool changed = checked != c.RBTone;
        c.RBTone = checked;
        return changed;
    });
}
