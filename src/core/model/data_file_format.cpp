#include "core/model/data_file_format.h"

#include "core/model/fixed_text.h"

#include <string>
#include <tuple>
#include <type_traits>

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

// One entry of a record's data-file order: how many bytes it takes and how it
// is written and read. The orders below say field by field what the file
// holds; nothing depends on the order of another table.
template <typename Record>
struct DataItem {
    std::size_t bytes;
    void (*write)(ByteWriter&, const Record&);
    void (*read)(ByteReader&, Record&);
};

template <typename Member>
struct MemberTraits;
template <typename R, typename V>
struct MemberTraits<V R::*> {
    using Record = R;
    using Value = V;
};
template <auto Member>
using RecordOf = typename MemberTraits<decltype(Member)>::Record;
template <auto Member>
using ValueOf = typename MemberTraits<decltype(Member)>::Value;

template <typename Record, std::size_t N>
constexpr std::size_t bytesOf(const std::array<DataItem<Record>, N>& order)
{
    std::size_t sum = 0;
    for (const auto& item : order) {
        if (item.write == nullptr || item.read == nullptr)
            throw "an entry of the order says nothing";  // stops the compile-time checks below
        sum += item.bytes;
    }
    return sum;
}

// A signed 16-bit value, or a run of them in element order.
template <auto Member>
constexpr DataItem<RecordOf<Member>> int16s()
{
    using R = RecordOf<Member>;
    using V = ValueOf<Member>;
    if constexpr (std::is_same_v<V, std::int16_t>) {
        return {2, [](ByteWriter& w, const R& r) { w.i16(r.*Member); },
                [](ByteReader& in, R& r) { r.*Member = in.i16(); }};
    } else {
        return {2 * std::tuple_size_v<V>,
                [](ByteWriter& w, const R& r) {
                    for (const auto v : r.*Member)
                        w.i16(v);
                },
                [](ByteReader& in, R& r) {
                    for (auto& v : r.*Member)
                        v = in.i16();
                }};
    }
}

// A fixed-width text.
template <auto Member, std::size_t Width>
constexpr DataItem<RecordOf<Member>> text()
{
    using R = RecordOf<Member>;
    return {Width, [](ByteWriter& w, const R& r) { w.text(r.*Member, Width); },
            [](ByteReader& in, R& r) { r.*Member = in.text(Width); }};
}

// A per-group table of two columns, kept column by column: column 1 of every
// group, then column 2. 16-bit values, or single bytes for a byte table.
template <auto Member>
constexpr DataItem<RecordOf<Member>> columns()
{
    using R = RecordOf<Member>;
    using Row = typename ValueOf<Member>::value_type;
    using Cell = typename Row::value_type;
    constexpr std::size_t rows = std::tuple_size_v<ValueOf<Member>>;
    constexpr std::size_t cols = std::tuple_size_v<Row>;
    return {rows * cols * sizeof(Cell),
            [](ByteWriter& w, const R& r) {
                for (std::size_t c = 0; c < cols; ++c) {
                    for (const auto& row : r.*Member) {
                        if constexpr (sizeof(Cell) == 1)
                            w.byte(row[c]);
                        else
                            w.i16(row[c]);
                    }
                }
            },
            [](ByteReader& in, R& r) {
                for (std::size_t c = 0; c < cols; ++c) {
                    for (auto& row : r.*Member) {
                        if constexpr (sizeof(Cell) == 1)
                            row[c] = in.byte();
                        else
                            row[c] = in.i16();
                    }
                }
            }};
}

// A member that is a record of its own (or a run of such records), kept in
// that record's order.
template <auto Member, const auto& Order>
constexpr DataItem<RecordOf<Member>> nested()
{
    using R = RecordOf<Member>;
    using V = ValueOf<Member>;
    constexpr bool isRun = requires
    {
        std::tuple_size<V>::value;
    };
    constexpr std::size_t count = [] {
        if constexpr (isRun)
            return std::tuple_size_v<V>;
        else
            return std::size_t{1};
    }();
    return {count * bytesOf(Order),
            [](ByteWriter& w, const R& r) {
                const auto one = [&w](const auto& part) {
                    for (const auto& item : Order)
                        item.write(w, part);
                };
                if constexpr (isRun) {
                    for (const auto& part : r.*Member)
                        one(part);
                } else {
                    one(r.*Member);
                }
            },
            [](ByteReader& in, R& r) {
                const auto one = [&in](auto& part) {
                    for (const auto& item : Order)
                        item.read(in, part);
                };
                if constexpr (isRun) {
                    for (auto& part : r.*Member)
                        one(part);
                } else {
                    one(r.*Member);
                }
            }};
}

using C = ChannelRecord;
constexpr std::array ChannelOrder{
    int16s<&C::ChannelNo>(), int16s<&C::IsEmpty>(),  int16s<&C::Scan>(),      text<&C::RxFreq, FreqWidth>(),
    int16s<&C::OffSetFre>(), int16s<&C::RDCT>(),     int16s<&C::TDCT>(),      int16s<&C::DUP>(),
    int16s<&C::HI_CUT>(),    int16s<&C::BUSY>(),     int16s<&C::NB>(),        int16s<&C::Add_Sub_5K>(),
    int16s<&C::AM_FM>(),     int16s<&C::Tx_Power>(), int16s<&C::Public>(),    int16s<&C::RBTone>(),
    int16s<&C::DTMF_BOT>(),  int16s<&C::DTMF_EOT>(), int16s<&C::DTMF_Call>(), int16s<&C::TSQ>(),
    int16s<&C::Reserved>(),
};

using O = OptFeatRecord;
constexpr std::array OptFeatOrder{
    int16s<&O::GridGroup>(),
    int16s<&O::UseMemChannel>(),
    int16s<&O::UseVfo>(),
    int16s<&O::Value1B>(),
    int16s<&O::GroupValid>(),
    int16s<&O::WorkChannel>(),
    columns<&O::EmergencyChannel>(),
    int16s<&O::Beep>(),
    int16s<&O::TimeOutTimer>(),
    int16s<&O::Backlight>(),
    int16s<&O::SpeakerVolume>(),
    int16s<&O::SquelchLevel>(),
    int16s<&O::AsqFun>(),
    int16s<&O::AsqValue>(),
    int16s<&O::GainControl>(),
    int16s<&O::ChannelDisplay>(),
    int16s<&O::ScanType>(),
    int16s<&O::ScanTime>(),
    int16s<&O::SqlStepBack>(),
    int16s<&O::AsqStepBack>(),
    int16s<&O::AutoPowerOn>(),
    int16s<&O::AllowMemEdit>(),
    int16s<&O::UseMaxSwr>(),
    int16s<&O::MaxSwr>(),
    columns<&O::GroupMode>(),
    int16s<&O::Reserved>(),
};

constexpr std::array KeysOrder{
    int16s<&KeySettings::KeyMode>(),
    int16s<&KeySettings::Keys>(),
};

constexpr std::array DtmfCodeOrder{
    int16s<&DtmfCode::Length>(),
    text<&DtmfCode::Digits, DigitsWidth>(),
};

using D = DtmfSettings;
constexpr std::array DtmfOrder{
    int16s<&D::DtmfRate>(),
    int16s<&D::FirstDigitTime>(),
    int16s<&D::FirstDigitDelay>(),
    int16s<&D::StarHashTone>(),
    int16s<&D::DKeySetting>(),
    int16s<&D::DtmfDisplay>(),
    nested<&D::Codes, DtmfCodeOrder>(),
    int16s<&D::Reserved>(),
};

constexpr std::array ToneOrder{
    int16s<&ToneTipTone::Freq>(),
    int16s<&ToneTipTone::Length>(),
};

// Within a tip the tone pairs come first, then the two header values.
constexpr std::array ToneTipOrder{
    nested<&ToneTip::Tones, ToneOrder>(),
    int16s<&ToneTip::LoopCount>(),
    int16s<&ToneTip::Interval>(),
};

using M = ModelRecord;
constexpr std::array ModelOrder{
    text<&M::Model, ModelWidth>(),
    int16s<&M::Band>(),
    text<&M::Version, VersionWidth>(),
};

using R = DocumentRecord;
constexpr std::array RecordOrder{
    nested<&R::Model, ModelOrder>(),           int16s<&R::ChannelCount>(),    nested<&R::OptFeat, OptFeatOrder>(),
    nested<&R::PublicChannel, ChannelOrder>(), nested<&R::Keys, KeysOrder>(), nested<&R::Dtmf, DtmfOrder>(),
    nested<&R::Tips, ToneTipOrder>(),
};

// Every part fills exactly the bytes between its offset and the next one.
static_assert(bytesOf(ChannelOrder) == ChannelSize);
static_assert(bytesOf(ModelOrder) == ChannelCountAt - ModelAt);
static_assert(bytesOf(OptFeatOrder) == PublicAt - OptFeatAt);
static_assert(bytesOf(KeysOrder) == DtmfAt - KeysAt);
static_assert(bytesOf(DtmfOrder) == TipsAt - DtmfAt);
static_assert(bytesOf(ToneTipOrder) * ToneTipCount == RecordSize - TipsAt);
static_assert(bytesOf(RecordOrder) == RecordSize);

template <typename Record, std::size_t N>
void writeAll(ByteWriter& w, const std::array<DataItem<Record>, N>& order, const Record& record)
{
    for (const auto& item : order)
        item.write(w, record);
}

template <typename Record, std::size_t N>
void readAll(ByteReader& in, const std::array<DataItem<Record>, N>& order, Record& record)
{
    for (const auto& item : order)
        item.read(in, record);
}

}  // namespace

std::vector<std::uint8_t> WriteDataFileBytes(const DocumentRecord& record,
                                             const std::array<ChannelRecord, MaxChannels>& channels)
{
    std::vector<std::uint8_t> out;
    out.reserve(FileSize);
    ByteWriter w(out);
    writeAll(w, RecordOrder, record);
    for (const auto& channel : channels)
        writeAll(w, ChannelOrder, channel);
    return out;
}

std::optional<DataFileContents> ReadDataFileBytes(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() != FileSize)
        return std::nullopt;
    DataFileContents contents;
    ByteReader r(bytes, 0);
    readAll(r, RecordOrder, contents.Record);
    for (auto& channel : contents.Channels)
        readAll(r, ChannelOrder, channel);
    return contents;
}
