#include "core/model/data_file_format.h"

#include "core/model/field_ranges.h"
#include "core/model/fixed_text.h"

#include <string>

using namespace DataFileFormat;

namespace {

class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : m_out(out) {}

    void i16(std::int16_t value)
    {
        const auto u = static_cast<std::uint16_t>(value);
        m_out.push_back(static_cast<std::uint8_t>(u & 0xFF));
        m_out.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    void byte(std::uint8_t value) { m_out.push_back(value); }
    void text(const std::string& value, std::size_t width)
    {
        for (const char c : PadFixed(value, width))
            m_out.push_back(static_cast<std::uint8_t>(c));
    }

private:
    std::vector<std::uint8_t>& m_out;
};

class ByteReader {
public:
    ByteReader(const std::vector<std::uint8_t>& in, std::size_t at) : m_in(in), m_at(at) {}

    std::int16_t i16()
    {
        const auto u = static_cast<std::uint16_t>(m_in.at(m_at) | (m_in.at(m_at + 1) << 8));
        m_at += 2;
        return static_cast<std::int16_t>(u);
    }
    std::uint8_t byte() { return m_in.at(m_at++); }
    std::string text(std::size_t width)
    {
        std::string out;
        for (std::size_t i = 0; i < width; ++i)
            out.push_back(static_cast<char>(byte()));
        return out;
    }

private:
    const std::vector<std::uint8_t>& m_in;
    std::size_t m_at;
};

template <typename Array>
void writeAll(ByteWriter& w, const Array& values)
{
    for (const auto v : values)
        w.i16(v);
}

template <typename Array>
void readAll(ByteReader& r, Array& values)
{
    for (auto& v : values)
        v = r.i16();
}

void writeChannel(ByteWriter& w, const ChannelRecord& c)
{
    w.i16(c.ChannelNo);
    w.i16(c.IsEmpty);
    w.i16(c.Scan);
    w.text(c.RxFreq, FreqWidth);
    for (const auto& f : ChannelSlotFields())
        w.i16(c.*f.member);
    writeAll(w, c.Reserved);
}

ChannelRecord readChannel(ByteReader& r)
{
    ChannelRecord c;
    c.ChannelNo = r.i16();
    c.IsEmpty = r.i16();
    c.Scan = r.i16();
    c.RxFreq = r.text(FreqWidth);
    for (const auto& f : ChannelSlotFields())
        c.*f.member = r.i16();
    readAll(r, c.Reserved);
    return c;
}

// The scalars after the arrays: Beep .. MaxSwr (the table's entries 4 onward).
constexpr std::size_t FirstTrailingScalar = 4;

void writeOptFeat(ByteWriter& w, const OptFeatRecord& o)
{
    const auto& scalars = OptFeatScalarFields();
    for (std::size_t i = 0; i < FirstTrailingScalar; ++i)
        w.i16(o.*scalars[i].member);
    writeAll(w, o.GroupValid);
    writeAll(w, o.WorkChannel);
    for (std::size_t column = 0; column < 2; ++column) {
        for (const auto& row : o.EmergencyChannel)
            w.i16(row[column]);
    }
    for (std::size_t i = FirstTrailingScalar; i < scalars.size(); ++i)
        w.i16(o.*scalars[i].member);
    for (std::size_t column = 0; column < 2; ++column) {
        for (const auto& row : o.GroupMode)
            w.byte(row[column]);
    }
    writeAll(w, o.Reserved);
}

OptFeatRecord readOptFeat(ByteReader& r)
{
    OptFeatRecord o;
    const auto& scalars = OptFeatScalarFields();
    for (std::size_t i = 0; i < FirstTrailingScalar; ++i)
        o.*scalars[i].member = r.i16();
    readAll(r, o.GroupValid);
    readAll(r, o.WorkChannel);
    for (std::size_t column = 0; column < 2; ++column) {
        for (auto& row : o.EmergencyChannel)
            row[column] = r.i16();
    }
    for (std::size_t i = FirstTrailingScalar; i < scalars.size(); ++i)
        o.*scalars[i].member = r.i16();
    for (std::size_t column = 0; column < 2; ++column) {
        for (auto& row : o.GroupMode)
            row[column] = r.byte();
    }
    readAll(r, o.Reserved);
    return o;
}

void writeDtmf(ByteWriter& w, const DtmfSettings& d)
{
    for (const auto& f : DtmfSettingFields())
        w.i16(d.*f.member);
    for (const auto& code : d.Codes) {
        w.i16(code.Length);
        w.text(code.Digits, DigitsWidth);
    }
    writeAll(w, d.Reserved);
}

DtmfSettings readDtmf(ByteReader& r)
{
    DtmfSettings d;
    for (const auto& f : DtmfSettingFields())
        d.*f.member = r.i16();
    for (auto& code : d.Codes) {
        code.Length = r.i16();
        code.Digits = r.text(DigitsWidth);
    }
    readAll(r, d.Reserved);
    return d;
}

// Within a tip the 14 tone pairs come first, then the two header values.
void writeTips(ByteWriter& w, const ToneTips& tips)
{
    for (const auto& tip : tips) {
        for (const auto& tone : tip.Tones) {
            w.i16(tone.Freq);
            w.i16(tone.Length);
        }
        w.i16(tip.LoopCount);
        w.i16(tip.Interval);
    }
}

ToneTips readTips(ByteReader& r)
{
    ToneTips tips{};
    for (auto& tip : tips) {
        for (auto& tone : tip.Tones) {
            tone.Freq = r.i16();
            tone.Length = r.i16();
        }
        tip.LoopCount = r.i16();
        tip.Interval = r.i16();
    }
    return tips;
}

}  // namespace

std::vector<std::uint8_t> WriteDataFileBytes(const DocumentRecord& record,
                                             const std::array<ChannelRecord, MaxChannels>& channels)
{
    std::vector<std::uint8_t> out;
    out.reserve(FileSize);
    ByteWriter w(out);
    w.text(record.Model.Model, ModelWidth);
    w.i16(record.Model.Band);
    w.text(record.Model.Version, VersionWidth);
    w.i16(record.ChannelCount);
    writeOptFeat(w, record.OptFeat);
    writeChannel(w, record.PublicChannel);
    w.i16(record.Keys.KeyMode);
    writeAll(w, record.Keys.Keys);
    writeDtmf(w, record.Dtmf);
    writeTips(w, record.Tips);
    for (const auto& channel : channels)
        writeChannel(w, channel);
    return out;
}

std::optional<DataFileContents> ReadDataFileBytes(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() != FileSize)
        return std::nullopt;
    DataFileContents contents;
    DocumentRecord& record = contents.Record;
    ByteReader r(bytes, 0);
    record.Model.Model = r.text(ModelWidth);
    record.Model.Band = r.i16();
    record.Model.Version = r.text(VersionWidth);
    record.ChannelCount = r.i16();
    record.OptFeat = readOptFeat(r);
    record.PublicChannel = readChannel(r);
    record.Keys.KeyMode = r.i16();
    readAll(r, record.Keys.Keys);
    record.Dtmf = readDtmf(r);
    record.Tips = readTips(r);
    for (auto& channel : contents.Channels)
        channel = readChannel(r);
    return contents;
}
