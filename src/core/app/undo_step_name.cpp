#include "core/app/undo_step_name.h"

#include "core/model/document_snapshot.h"
#include "core/freq/channel_groups.h"
#include "core/model/document_compare.h"

#include <set>
#include <string_view>
#include <vector>

namespace {

using Part = UndoStepName::Part;

constexpr std::string_view ChannelPrefix = "ChannelList[ChannelNo ";

struct PartPrefix {
    std::string_view prefix;
    Part part;
};

// The record names the comparison gives each part of the document.
constexpr PartPrefix PartPrefixes[] = {
    {"OptFeatRecord.", Part::Options}, {"PublicChannel.", Part::PublicChannel},
    {"DtmfSettings.", Part::Dtmf},     {"KeySettings.", Part::Keys},
    {"ToneTips", Part::ToneTips},
};

// "ChannelList[ChannelNo 12].Scan" gives 12 and "Scan"; a channel that
// appeared or went has no field after the number.
int channelNumberOf(const std::string& name, std::string& field)
{
    const std::size_t end = name.find(']');
    const int number = std::stoi(name.substr(ChannelPrefix.size(), end - ChannelPrefix.size()));
    field = end + 2 <= name.size() ? name.substr(end + 2) : std::string("RxFreq");
    return number;
}

UndoStepName nameChannels(const std::vector<FieldDifference>& diffs, int bandMode)
{
    std::set<int> numbers;
    std::set<std::string> fields;
    for (const FieldDifference& d : diffs) {
        if (d.field.rfind(ChannelPrefix, 0) != 0)
            continue;
        std::string field;
        numbers.insert(channelNumberOf(d.field, field));
        fields.insert(field);
    }
    UndoStepName name;
    if (numbers.size() != 1) {
        name.part = Part::Channels;
        name.count = static_cast<int>(numbers.size());
        return name;
    }
    const int number = *numbers.begin();
    const int group = GetGroupOfChannel(number, bandMode);
    name.part = Part::Channel;
    name.group = GetGroupName(group, bandMode);
    name.position = number - GetGroupStart(group, bandMode);
    if (fields.size() == 1)
        name.field = *fields.begin();
    return name;
}

UndoStepName namePart(const std::vector<FieldDifference>& diffs)
{
    UndoStepName name;
    std::set<std::string> fields;
    for (const PartPrefix& p : PartPrefixes) {
        for (const FieldDifference& d : diffs) {
            if (d.field.rfind(p.prefix, 0) != 0)
                continue;
            name.part = p.part;
            std::string field = d.field.substr(p.prefix.size());
            fields.insert(field.substr(0, field.find('[')));
        }
        if (name.part != Part::Nothing)
            break;
    }
    if (fields.size() == 1 && !fields.begin()->empty())
        name.field = *fields.begin();
    return name;
}

}  // namespace

UndoStepName NameUndoStep(const DocumentSnapshot& before, const DocumentSnapshot& after, int bandMode)
{
    const std::vector<FieldDifference> diffs = ListDifferences(before.Record, before.Channels, after.Record,
                                                               after.Channels);
    for (const FieldDifference& d : diffs) {
        if (d.field.rfind(ChannelPrefix, 0) == 0 || d.field == "ChannelCount")
            return nameChannels(diffs, bandMode);
    }
    return namePart(diffs);
}
