#include "core/model/document_snapshot.h"

namespace {

using Scope = DocumentChange::Scope;

bool sameChannels(const DocumentSnapshot& a, const DocumentSnapshot& b)
{
    return a.Record.ChannelCount == b.Record.ChannelCount && a.Channels == b.Channels;
}

// The group settings' part of the options record, which the channel window
// shows beside the grid.
bool sameGroupSettings(const OptFeatRecord& a, const OptFeatRecord& b)
{
    return a.Value1B == b.Value1B && a.GroupValid == b.GroupValid && a.WorkChannel == b.WorkChannel
        && a.EmergencyChannel == b.EmergencyChannel && a.GroupMode == b.GroupMode;
}

// Copies one record of the document from the target when the two snapshots
// differ in it; true when the document changed.
template <typename Record>
bool restorePart(Record& current, const Record& target, const Record& other)
{
    if (target == other || current == target)
        return false;
    current = target;
    return true;
}

}  // namespace

DocumentSnapshot TakeSnapshot(const Document& doc)
{
    DocumentSnapshot s{doc.Record, doc.ChannelList};
    s.Record.OptFeat.GridGroup = 0;
    return s;
}

void RestoreChangedParts(Document& doc, const DocumentSnapshot& target, const DocumentSnapshot& other)
{
    DocumentRecord& now = doc.Record;
    const DocumentRecord& t = target.Record;
    const DocumentRecord& o = other.Record;
    const bool channels = !sameChannels(target, other) && !sameChannels(TakeSnapshot(doc), target);
    if (channels) {
        now.ChannelCount = t.ChannelCount;
        doc.ChannelList = target.Channels;
    }
    const OptFeatRecord optionsBefore = now.OptFeat;
    const std::int16_t shownGroup = now.OptFeat.GridGroup;
    OptFeatRecord targetOptions = t.OptFeat;
    targetOptions.GridGroup = shownGroup;
    OptFeatRecord otherOptions = o.OptFeat;
    otherOptions.GridGroup = shownGroup;
    restorePart(now.OptFeat, targetOptions, otherOptions);
    const bool publicChannel = restorePart(now.PublicChannel, t.PublicChannel, o.PublicChannel);
    const bool dtmf = restorePart(now.Dtmf, t.Dtmf, o.Dtmf);
    const bool keys = restorePart(now.Keys, t.Keys, o.Keys);
    const bool tips = restorePart(now.Tips, t.Tips, o.Tips);

    if (channels)
        doc.notifyChanged({Scope::Channels, 0});
    if (!sameGroupSettings(optionsBefore, now.OptFeat))
        doc.notifyChanged({Scope::GroupSettings, 0});
    if (!(optionsBefore == now.OptFeat))
        doc.notifyChanged({Scope::Options, 0});
    for (auto [changed, scope] : {std::pair{publicChannel, Scope::PublicChannel}, std::pair{dtmf, Scope::Dtmf},
                                  std::pair{keys, Scope::Keys}, std::pair{tips, Scope::ToneTips}}) {
        if (changed)
            doc.notifyChanged({scope, 0});
    }
}
