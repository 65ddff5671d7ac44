#include "core/model/document_compare.h"

#include "core/model/document.h"
#include "core/model/field_ranges.h"
#include "core/model/fixed_text.h"

#include <algorithm>
#include <optional>

namespace {

using Channels = std::array<ChannelRecord, MaxChannels>;

// Collects differences in order; with firstOnly it stops taking more after one.
class DiffCollector {
public:
    explicit DiffCollector(bool firstOnly) : m_firstOnly(firstOnly) {}

    bool done() const { return m_firstOnly && !m_list.empty(); }

    void value(const std::string& field, int saved, int current)
    {
        if (saved != current)
            add(field, std::to_string(saved), std::to_string(current));
    }
    void text(const std::string& field, const std::string& saved, const std::string& current)
    {
        const std::string a = CutAndTrimFixed(saved);
        const std::string b = CutAndTrimFixed(current);
        if (a != b)
            add(field, "\"" + a + "\"", "\"" + b + "\"");
    }
    void add(const std::string& field, const std::string& saved, const std::string& current)
    {
        if (!done())
            m_list.push_back({field, saved, current});
    }

    std::vector<FieldDifference> take() { return std::move(m_list); }

private:
    bool m_firstOnly;
    std::vector<FieldDifference> m_list;
};

int usedCount(const DocumentRecord& record)
{
    return std::clamp<int>(record.ChannelCount, 0, MaxChannels);
}

std::optional<std::size_t> findChannel(const DocumentRecord& record, const Channels& channels, int channelNo)
{
    for (int i = 0; i < usedCount(record); ++i) {
        if (channels[static_cast<std::size_t>(i)].ChannelNo == channelNo)
            return static_cast<std::size_t>(i);
    }
    return std::nullopt;
}

void compareChannel(DiffCollector& d, const std::string& name, const ChannelRecord& a, const ChannelRecord& b)
{
    d.text(name + ".RxFreq", a.RxFreq, b.RxFreq);
    d.value(name + ".ChannelNo", a.ChannelNo, b.ChannelNo);
    d.value(name + ".IsEmpty", a.IsEmpty, b.IsEmpty);
    d.value(name + ".Scan", a.Scan, b.Scan);
    for (const auto& f : ChannelSlotFields())
        d.value(name + "." + f.name, a.*f.member, b.*f.member);
}

std::string channelName(int channelNo)
{
    return "ChannelList[ChannelNo " + std::to_string(channelNo) + "]";
}

void compareChannels(DiffCollector& d, const DocumentRecord& savedRecord, const Channels& saved,
                     const DocumentRecord& record, const Channels& current)
{
    for (int i = 0; i < usedCount(savedRecord) && !d.done(); ++i) {
        const ChannelRecord& a = saved[static_cast<std::size_t>(i)];
        std::optional<std::size_t> at;
        if (i < usedCount(record) && current[static_cast<std::size_t>(i)].ChannelNo == a.ChannelNo)
            at = static_cast<std::size_t>(i);
        else
            at = findChannel(record, current, a.ChannelNo);
        if (!at)
            d.add(channelName(a.ChannelNo), "present", "-");
        else
            compareChannel(d, channelName(a.ChannelNo), a, current[*at]);
    }
    for (int i = 0; i < usedCount(record) && !d.done(); ++i) {
        const int no = current[static_cast<std::size_t>(i)].ChannelNo;
        if (!findChannel(savedRecord, saved, no))
            d.add(channelName(no), "-", "present");
    }
}

template <typename Record, std::size_t N>
void compareFields(DiffCollector& d, const std::string& prefix, const std::array<IntField<Record>, N>& fields,
                   const Record& a, const Record& b)
{
    for (const auto& f : fields)
        d.value(prefix + f.name, a.*f.member, b.*f.member);
}

template <typename Record>
void compareArray(DiffCollector& d, const std::string& prefix, const ArrayField<Record>& field, const Record& a,
                  const Record& b)
{
    for (std::size_t i = 0; i < field.count; ++i)
        d.value(prefix + field.name + "[" + std::to_string(i) + "]", field.get(a, i), field.get(b, i));
}

void compareKeys(DiffCollector& d, const KeySettings& a, const KeySettings& b)
{
    compareFields(d, "KeySettings.", KeySettingFields(), a, b);
    compareArray(d, "KeySettings.", KeyCodeFields()[0], a, b);
}

void compareOptFeat(DiffCollector& d, const OptFeatRecord& a, const OptFeatRecord& b)
{
    compareFields(d, "OptFeatRecord.", OptFeatScalarFields(), a, b);
    // GroupValid and WorkChannel; the emergency channels and modes are named by group and column.
    compareArray(d, "OptFeatRecord.", OptFeatGroupFields()[0], a, b);
    compareArray(d, "OptFeatRecord.", OptFeatGroupFields()[1], a, b);
    for (std::size_t column = 0; column < 2; ++column) {
        for (std::size_t g = 0; g < a.EmergencyChannel.size(); ++g)
            d.value("OptFeatRecord.EmergencyChannel[" + std::to_string(g) + "][" + std::to_string(column) + "]",
                    a.EmergencyChannel[g][column], b.EmergencyChannel[g][column]);
    }
    for (std::size_t column = 0; column < 2; ++column) {
        for (std::size_t g = 0; g < a.GroupMode.size(); ++g)
            d.value("OptFeatRecord.GroupMode[" + std::to_string(g) + "][" + std::to_string(column) + "]",
                    a.GroupMode[g][column], b.GroupMode[g][column]);
    }
}

// Every field the options window edits counts, the receive tone, the public
// flag and the tone squelch included: an edit of them must not be lost at exit.
void comparePublic(DiffCollector& d, const ChannelRecord& a, const ChannelRecord& b)
{
    compareFields(d, "PublicChannel.", ChannelSlotFields(), a, b);
}

void compareDtmf(DiffCollector& d, const DtmfSettings& a, const DtmfSettings& b)
{
    compareFields(d, "DtmfSettings.", DtmfSettingFields(), a, b);
    for (std::size_t s = 0; s < a.Codes.size(); ++s) {
        const std::string name = "DtmfSettings.Codes[" + std::to_string(s + 1) + "]";
        d.text(name + ".Digits", a.Codes[s].Digits, b.Codes[s].Digits);
        d.value(name + ".Length", a.Codes[s].Length, b.Codes[s].Length);
    }
}

void compareTips(DiffCollector& d, const ToneTips& a, const ToneTips& b)
{
    for (std::size_t t = 0; t < a.size(); ++t) {
        const std::string name = "ToneTips[" + std::to_string(t + 1) + "]";
        d.value(name + ".LoopCount", a[t].LoopCount, b[t].LoopCount);
        d.value(name + ".Interval", a[t].Interval, b[t].Interval);
        for (std::size_t k = 0; k < a[t].Tones.size(); ++k) {
            const std::string tone = name + ".Tones[" + std::to_string(k + 1) + "]";
            d.value(tone + ".Freq", a[t].Tones[k].Freq, b[t].Tones[k].Freq);
            d.value(tone + ".Length", a[t].Tones[k].Length, b[t].Tones[k].Length);
        }
    }
}

}  // namespace

std::vector<FieldDifference> ListDifferences(const DocumentRecord& savedRecord, const Channels& savedChannels,
                                             const DocumentRecord& record, const Channels& channels, bool firstOnly)
{
    DiffCollector d(firstOnly);
    d.text("ModelRecord.Model", savedRecord.Model.Model, record.Model.Model);
    d.value("ModelRecord.Band", savedRecord.Model.Band, record.Model.Band);
    d.value("ChannelCount", savedRecord.ChannelCount, record.ChannelCount);
    if (!d.done())
        compareChannels(d, savedRecord, savedChannels, record, channels);
    compareKeys(d, savedRecord.Keys, record.Keys);
    compareOptFeat(d, savedRecord.OptFeat, record.OptFeat);
    comparePublic(d, savedRecord.PublicChannel, record.PublicChannel);
    compareDtmf(d, savedRecord.Dtmf, record.Dtmf);
    compareTips(d, savedRecord.Tips, record.Tips);
    return d.take();
}

bool IsDataUnchanged(const Document& doc)
{
    return ListDifferences(doc.Base.Record, doc.Base.Channels, doc.Record, doc.ChannelList, true).empty();
}

bool IsDataChanged(const Document& doc)
{
    return !IsDataUnchanged(doc);
}
