#include "core/channels/group_settings.h"

#include "core/channels/channel_rules.h"
#include "core/freq/channel_groups.h"
#include "core/model/document.h"

#include <algorithm>

namespace {

constexpr int FirstFmOnlyDeValue = 40;  // zero-based: position 41

int emergencyColumn(GroupSetting setting)
{
    return setting == GroupSetting::EmergencyChannel1 || setting == GroupSetting::GroupMode1 ? 0 : 1;
}

// The stored field of a setting (positions zero-based).
std::int16_t* storedField(OptFeatRecord& opt, int group, int bandMode, GroupSetting setting)
{
    if (IsMemGroup(group, bandMode))
        return &opt.Value1B;
    const auto g = static_cast<std::size_t>(group);
    switch (setting) {
    case GroupSetting::WorkChannel:
        return &opt.WorkChannel[g];
    case GroupSetting::EmergencyChannel1:
    case GroupSetting::EmergencyChannel2:
        return &opt.EmergencyChannel[g][static_cast<std::size_t>(emergencyColumn(setting))];
    case GroupSetting::GroupValid:
        return &opt.GroupValid[g];
    default:
        return nullptr;
    }
}

void lockModes(OptFeatRecord& opt, const Document& doc, int group)
{
    for (int column = 0; column < 2; ++column) {
        if (IsGroupModeLocked(doc, group, column))
            opt.GroupMode[static_cast<std::size_t>(group)][static_cast<std::size_t>(column)] = 0;
    }
}

// Stores the valid flag by the rules: a group without channels stays
// invalid, the last valid group stays valid.
Refusal storeGroupValid(Document& doc, int group, int value)
{
    auto& valid = doc.Record.OptFeat.GroupValid[static_cast<std::size_t>(group)];
    if (CountChannelsInGroup(doc, group) < 1) {
        valid = 0;
        EnsureOneGroupValid(doc);
        return value == 1 ? Refusal::EmptyGroup : Refusal::None;
    }
    if (CountValidGroupsExcept(doc, group) > 0) {
        valid = static_cast<std::int16_t>(value);
        return Refusal::None;
    }
    valid = 1;
    return value == 0 ? Refusal::LastValidGroup : Refusal::None;
}

Refusal store(Document& doc, int group, GroupSetting setting, int value)
{
    OptFeatRecord& opt = doc.Record.OptFeat;
    switch (setting) {
    case GroupSetting::WorkChannel:
    case GroupSetting::EmergencyChannel1:
    case GroupSetting::EmergencyChannel2: {
        const std::vector<int> positions = ChannelPositionsInGroup(doc, group);
        if (std::find(positions.begin(), positions.end(), value) == positions.end())
            return Refusal::NoChannel;
        *storedField(opt, group, doc.BandMode, setting) = static_cast<std::int16_t>(value - 1);
        if (setting != GroupSetting::WorkChannel)
            lockModes(opt, doc, group);
        return Refusal::None;
    }
    case GroupSetting::GroupValid:
        if (value != 0 && value != 1)
            return Refusal::OutOfChoices;
        return storeGroupValid(doc, group, value);
    case GroupSetting::GroupMode1:
    case GroupSetting::GroupMode2: {
        if (value != 0 && value != 1)
            return Refusal::OutOfChoices;
        const int column = emergencyColumn(setting);
        if (value == 1 && IsGroupModeLocked(doc, group, column))
            return Refusal::FmLocked;
        opt.GroupMode[static_cast<std::size_t>(group)][static_cast<std::size_t>(column)] = static_cast<std::uint8_t>(
            value);
        return Refusal::None;
    }
    }
    return Refusal::NotOffered;
}

}  // namespace

bool IsGroupSettingOffered(const Document& doc, int group, GroupSetting setting)
{
    const int band = doc.BandMode;
    if (IsMemGroup(group, band))
        return setting == GroupSetting::WorkChannel;
    if (!IsRegularGroup(group, band))
        return false;
    return setting != GroupSetting::GroupValid || band != 0;
}

bool IsGroupModeLocked(const Document& doc, int group, int column)
{
    if (doc.BandMode != 0 || column < 0 || column > 1)
        return false;
    if (group == Groups::CE || group == Groups::UK)
        return true;
    return group == Groups::DE
        && doc.Record.OptFeat.EmergencyChannel[Groups::DE][static_cast<std::size_t>(column)] >= FirstFmOnlyDeValue;
}

int GroupSettingValue(const Document& doc, int group, GroupSetting setting)
{
    if (!IsGroupSettingOffered(doc, group, setting) && !IsRegularGroup(group, doc.BandMode))
        return 0;  // the VFO group, a setting the memory group lacks, or no group at all
    OptFeatRecord opt = doc.Record.OptFeat;
    if (setting == GroupSetting::GroupMode1 || setting == GroupSetting::GroupMode2)
        return opt.GroupMode[static_cast<std::size_t>(group)][static_cast<std::size_t>(emergencyColumn(setting))];
    const std::int16_t value = *storedField(opt, group, doc.BandMode, setting);
    return setting == GroupSetting::GroupValid ? value : value + 1;
}

UpdateResult SetGroupSetting(Document& doc, int group, GroupSetting setting, int value)
{
    if (GetGroupSize(group, doc.BandMode) == 0)
        return {UpdateOutcome::Refused, Refusal::NoSuchGroup};
    if (!IsGroupSettingOffered(doc, group, setting))
        return {UpdateOutcome::Refused, Refusal::NotOffered};
    const OptFeatRecord before = doc.Record.OptFeat;
    const Refusal why = store(doc, group, setting, value);
    const bool changed = !(doc.Record.OptFeat == before);
    if (changed)
        doc.notifyChanged({DocumentChange::Scope::GroupSettings, 0});
    if (why != Refusal::None)
        return {UpdateOutcome::Refused, why};
    return {changed ? UpdateOutcome::Stored : UpdateOutcome::Unchanged, Refusal::None};
}

UpdateResult ApplyGroupModeLock(Document& doc, int group)
{
    if (!IsRegularGroup(group, doc.BandMode))
        return {};
    const OptFeatRecord before = doc.Record.OptFeat;
    lockModes(doc.Record.OptFeat, doc, group);
    if (doc.Record.OptFeat == before)
        return {};
    doc.notifyChanged({DocumentChange::Scope::GroupSettings, 0});
    return {UpdateOutcome::Stored, Refusal::None};
}

UpdateResult SetShownGroup(Document& doc, int group)
{
    if (GetGroupSize(group, doc.BandMode) <= 0)
        return {UpdateOutcome::Refused, Refusal::NoSuchGroup};
    if (doc.Record.OptFeat.GridGroup == group)
        return {};
    doc.Record.OptFeat.GridGroup = static_cast<std::int16_t>(group);
    doc.notifyChanged({DocumentChange::Scope::ShownGroup, 0});
    return {UpdateOutcome::Stored, Refusal::None};
}
