#include "core/channels/channel_rearrange.h"

#include "core/base/notifier.h"
#include "core/model/undo_group.h"
#include "core/channels/channel_update.h"
#include "core/freq/channel_groups.h"
#include "core/model/document.h"

#include <algorithm>
#include <functional>

namespace {

using PositionMap = std::function<int(int)>;

// The group's stored references to its positions (zero-based: position - 1).
std::vector<std::int16_t*> positionRefs(Document& doc, int group)
{
    OptFeatRecord& opt = doc.Record.OptFeat;
    if (IsMemGroup(group, doc.BandMode))
        return {&opt.Value1B};
    if (!IsRegularGroup(group, doc.BandMode))
        return {};
    const auto g = static_cast<std::size_t>(group);
    return {&opt.WorkChannel[g], &opt.EmergencyChannel[g][0], &opt.EmergencyChannel[g][1]};
}

// Renumbers the group's channels by the map of old to new positions and
// carries the references along; one notification for the channels and one
// for the settings.
void applyPositionMap(Document& doc, int group, const PositionMap& map)
{
    const int start = GetGroupStart(group, doc.BandMode);
    const int size = GetGroupSize(group, doc.BandMode);
    const int count = std::clamp<int>(doc.ChannelCount, 0, MaxChannels);
    for (int i = 0; i < count; ++i) {
        ChannelRecord& channel = doc.ChannelList[static_cast<std::size_t>(i)];
        const int position = channel.ChannelNo - start;
        if (position >= 1 && position <= size)
            channel.ChannelNo = static_cast<std::int16_t>(start + map(position));
    }
    const OptFeatRecord before = doc.Record.OptFeat;
    for (std::int16_t* ref : positionRefs(doc, group)) {
        const int moved = map(*ref + 1);
        if (moved >= 1 && moved <= size)
            *ref = static_cast<std::int16_t>(moved - 1);
    }
    doc.notifyChanged({DocumentChange::Scope::Channels, 0});
    if (!(doc.Record.OptFeat == before))
        doc.notifyChanged({DocumentChange::Scope::GroupSettings, 0});
}

}  // namespace

bool CanRearrangeChannels(const Document& doc, int group)
{
    if (GetGroupSize(group, doc.BandMode) <= 0)
        return false;
    return doc.BandMode != 0 || IsMemGroup(group, doc.BandMode);
}

DeleteSummary DeleteChannels(Document& doc, int group, int firstPosition, int count)
{
    DeleteSummary summary;
    if (!CanRearrangeChannels(doc, group))
        return summary;
    UndoGroup step(doc);
    SilentNotifier quiet;
    for (int p = firstPosition; p < firstPosition + count; ++p) {
        if (!ChannelAt(doc, group, p))
            continue;
        if (SetChannelData(doc, group, p, ChannelField::RxFreq, std::string(), quiet).refused())
            ++summary.kept;
        else
            ++summary.deleted;
    }
    return summary;
}

RearrangeOutcome InsertChannelAt(Document& doc, int group, int position)
{
    const int size = GetGroupSize(group, doc.BandMode);
    if (!CanRearrangeChannels(doc, group))
        return RearrangeOutcome::NotHere;
    if (position < 1 || position > size)
        return RearrangeOutcome::AtEdge;
    if (ChannelAt(doc, group, size))
        return RearrangeOutcome::LastPositionFull;
    applyPositionMap(doc, group, [position](int p) { return p >= position ? p + 1 : p; });
    return RearrangeOutcome::Done;
}

RearrangeOutcome MoveChannels(Document& doc, int group, int firstPosition, int count, int direction)
{
    const int size = GetGroupSize(group, doc.BandMode);
    if (!CanRearrangeChannels(doc, group))
        return RearrangeOutcome::NotHere;
    const int first = firstPosition;
    const int last = firstPosition + count - 1;
    if (count < 1 || first < 1 || last > size || (direction != -1 && direction != 1))
        return RearrangeOutcome::AtEdge;
    const int neighbour = direction < 0 ? first - 1 : last + 1;
    if (neighbour < 1 || neighbour > size)
        return RearrangeOutcome::AtEdge;
    const int neighbourTo = direction < 0 ? last : first;
    applyPositionMap(doc, group, [=](int p) {
        if (p == neighbour)
            return neighbourTo;
        return p >= first && p <= last ? p + direction : p;
    });
    return RearrangeOutcome::Done;
}
