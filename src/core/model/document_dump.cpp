#include "core/model/document_dump.h"

#include "core/model/field_ranges.h"
#include "core/model/fixed_text.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string shown(const std::string& fixed)
{
    return Latin1ToUtf8(CutAndTrimFixed(fixed));
}

template <typename Array>
std::vector<int> asInts(const Array& values)
{
    return std::vector<int>(values.begin(), values.end());
}

template <typename Record, std::size_t N>
void dumpFields(const std::array<IntField<Record>, N>& fields, const Record& record, RecordSink& sink)
{
    for (const auto& f : fields)
        sink.number(f.name, record.*f.member);
}

template <typename Record>
std::vector<int> elements(const ArrayField<Record>& field, const Record& record)
{
    std::vector<int> values;
    for (std::size_t i = 0; i < field.count; ++i)
        values.push_back(field.get(record, i));
    return values;
}

void dumpChannel(const ChannelRecord& c, bool withHead, RecordSink& sink)
{
    if (withHead) {
        sink.number("ChannelNo", c.ChannelNo);
        sink.number("IsEmpty", c.IsEmpty);
        sink.number("Scan", c.Scan);
        sink.text("RxFreq", shown(c.RxFreq));
    }
    dumpFields(ChannelSlotFields(), c, sink);
    sink.numbers("Reserved", asInts(c.Reserved));
}

void dumpOptFeat(const OptFeatRecord& o, RecordSink& sink)
{
    sink.beginRecord("OptFeatRecord");
    dumpFields(OptFeatScalarFields(), o, sink);
    for (std::size_t k = 0; k < 2; ++k)  // GroupValid, WorkChannel
        sink.numbers(OptFeatGroupFields()[k].name, elements(OptFeatGroupFields()[k], o));
    sink.beginList("EmergencyChannel");
    for (const auto& row : o.EmergencyChannel)
        sink.numbers({}, asInts(row));
    sink.endList();
    sink.beginList("GroupMode");
    for (const auto& row : o.GroupMode)
        sink.numbers({}, asInts(row));
    sink.endList();
    sink.numbers("Reserved", asInts(o.Reserved));
    sink.endRecord();
}

void dumpDtmf(const DtmfSettings& d, RecordSink& sink)
{
    sink.beginRecord("DtmfSettings");
    dumpFields(DtmfSettingFields(), d, sink);
    sink.beginList("Codes");
    for (const auto& code : d.Codes) {
        sink.beginRecord({});
        sink.number("Length", code.Length);
        sink.text("Digits", shown(code.Digits));
        sink.endRecord();
    }
    sink.endList();
    sink.numbers("Reserved", asInts(d.Reserved));
    sink.endRecord();
}

void dumpTips(const ToneTips& tips, RecordSink& sink)
{
    sink.beginList("ToneTips");
    for (const auto& tip : tips) {
        sink.beginRecord({});
        dumpFields(ToneTipFields(), tip, sink);
        sink.beginList("Tones");
        for (const auto& tone : tip.Tones)
            sink.numbers({}, {tone.Freq, tone.Length});
        sink.endList();
        sink.endRecord();
    }
    sink.endList();
}

std::string jsonString(const std::string& utf8)
{
    std::string out = "\"";
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

class JsonSink : public RecordSink {
public:
    JsonSink()
    {
        m_first.push_back(true);
        m_out = "{";
    }

    void beginRecord(const std::string& name) override { open(name, '{'); }
    void endRecord() override { close('}'); }
    void beginList(const std::string& name) override { open(name, '['); }
    void endList() override { close(']'); }
    void number(const std::string& name, int value) override { item(name, std::to_string(value)); }
    void text(const std::string& name, const std::string& value) override { item(name, jsonString(value)); }
    void numbers(const std::string& name, const std::vector<int>& values) override
    {
        std::string list = "[";
        for (std::size_t i = 0; i < values.size(); ++i)
            list += (i ? "," : "") + std::to_string(values[i]);
        item(name, list + "]");
    }

    std::string result() const { return m_out + "}\n"; }

private:
    void prefix(const std::string& name)
    {
        if (!m_first.back())
            m_out += ",";
        m_first.back() = false;
        if (!name.empty())
            m_out += jsonString(name) + ":";
    }
    void item(const std::string& name, const std::string& value)
    {
        prefix(name);
        m_out += value;
    }
    void open(const std::string& name, char bracket)
    {
        prefix(name);
        m_out += bracket;
        m_first.push_back(true);
    }
    void close(char bracket)
    {
        m_first.pop_back();
        m_out += bracket;
    }

    std::string m_out;
    std::vector<bool> m_first;
};

class TextSink : public RecordSink {
public:
    void beginRecord(const std::string& name) override { head(name.empty() ? index() : name); }
    void endRecord() override { leave(); }
    void beginList(const std::string& name) override
    {
        head(name);
        m_counters.push_back(0);
    }
    void endList() override
    {
        m_counters.pop_back();
        leave();
    }
    void number(const std::string& name, int value) override { line(label(name) + std::to_string(value)); }
    void text(const std::string& name, const std::string& value) override { line(label(name) + value); }
    void numbers(const std::string& name, const std::vector<int>& values) override
    {
        std::string list;
        for (const int v : values)
            list += (list.empty() ? "" : " ") + std::to_string(v);
        line(label(name) + list);
    }

    const std::string& result() const { return m_out; }

private:
    std::string label(const std::string& name) { return (name.empty() ? index() : name) + ": "; }
    // The position of the next unnamed item in the innermost list.
    std::string index()
    {
        if (m_counters.empty())
            return "?";
        return "[" + std::to_string(m_counters.back()++) + "]";
    }
    void head(const std::string& name)
    {
        line(name);
        ++m_depth;
    }
    void leave() { --m_depth; }
    void line(const std::string& text)
    {
        m_out += std::string(2 * static_cast<std::size_t>(m_depth), ' ') + text + "\n";
    }

    std::string m_out;
    int m_depth = 0;
    std::vector<int> m_counters;
};

}  // namespace

void DumpDocument(const DocumentRecord& record, const std::array<ChannelRecord, MaxChannels>& channels,
                  RecordSink& sink)
{
    sink.beginRecord("ModelRecord");
    sink.text("Model", shown(record.Model.Model));
    sink.number("Band", record.Model.Band);
    sink.text("Version", shown(record.Model.Version));
    sink.endRecord();
    sink.number("ChannelCount", record.ChannelCount);
    sink.beginList("ChannelList");
    const int count = std::clamp<int>(record.ChannelCount, 0, MaxChannels);
    for (int i = 0; i < count; ++i) {
        sink.beginRecord({});
        dumpChannel(channels[static_cast<std::size_t>(i)], true, sink);
        sink.endRecord();
    }
    sink.endList();
    dumpOptFeat(record.OptFeat, sink);
    sink.beginRecord("PublicChannel");
    dumpChannel(record.PublicChannel, false, sink);
    sink.endRecord();
    sink.beginRecord("KeySettings");
    dumpFields(KeySettingFields(), record.Keys, sink);
    sink.numbers(KeyCodeFields()[0].name, elements(KeyCodeFields()[0], record.Keys));
    sink.endRecord();
    dumpDtmf(record.Dtmf, sink);
    dumpTips(record.Tips, sink);
}

std::string DocumentToJson(const DocumentRecord& record, const std::array<ChannelRecord, MaxChannels>& channels)
{
    JsonSink sink;
    DumpDocument(record, channels, sink);
    return sink.result();
}

std::string DocumentToText(const DocumentRecord& record, const std::array<ChannelRecord, MaxChannels>& channels)
{
    TextSink sink;
    DumpDocument(record, channels, sink);
    return sink.result();
}
