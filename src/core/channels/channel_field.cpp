#include "core/channels/channel_field.h"

#include "core/freq/freq_code.h"
#include "core/base/numeric_text.h"
#include "core/base/text_helpers.h"
#include "core/model/tone_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>

namespace {

struct FieldInfo {
    ChannelField field;
    const char* name;
    std::int16_t ChannelRecord::*member;
    std::optional<ChoiceRange> choices;
};

constexpr ChoiceRange OffOn{0, 1};

const std::array<FieldInfo, LastChannelField>& fieldTable()
{
    static const std::array<FieldInfo, LastChannelField> table{{
        {ChannelField::RxFreq, "RxFreq", nullptr, std::nullopt},
        {ChannelField::Public, "Public", &ChannelRecord::Public, OffOn},
        {ChannelField::DUP, "DUP", &ChannelRecord::DUP, ChoiceRange{0, 2}},
        {ChannelField::OffSetFre, "OffSetFre", &ChannelRecord::OffSetFre, std::nullopt},
        {ChannelField::TSQ, "TSQ", &ChannelRecord::TSQ, OffOn},
        {ChannelField::Scan, "Scan", &ChannelRecord::Scan, OffOn},
        {ChannelField::HI_CUT, "HI_CUT", &ChannelRecord::HI_CUT, OffOn},
        {ChannelField::BUSY, "BUSY", &ChannelRecord::BUSY, OffOn},
        {ChannelField::NB, "NB", &ChannelRecord::NB, OffOn},
        {ChannelField::Add_Sub_5K, "Add_Sub_5K", &ChannelRecord::Add_Sub_5K, OffOn},
        {ChannelField::AM_FM, "AM_FM", &ChannelRecord::AM_FM, OffOn},
        {ChannelField::Tx_Power, "Tx_Power", &ChannelRecord::Tx_Power, ChoiceRange{0, HighPower}},
        {ChannelField::RBTone, "RBTone", &ChannelRecord::RBTone, std::nullopt},
        {ChannelField::DTMF_BOT, "DTMF_BOT", &ChannelRecord::DTMF_BOT, std::nullopt},
        {ChannelField::DTMF_EOT, "DTMF_EOT", &ChannelRecord::DTMF_EOT, std::nullopt},
        {ChannelField::DTMF_Call, "DTMF_Call", &ChannelRecord::DTMF_Call, std::nullopt},
        {ChannelField::RDCT, "RDCT", &ChannelRecord::RDCT, ChoiceRange{0, ToneCount - 1}},
        {ChannelField::TDCT, "TDCT", &ChannelRecord::TDCT, ChoiceRange{0, ToneCount - 1}},
    }};
    return table;
}

const FieldInfo& info(ChannelField field)
{
    return fieldTable()[static_cast<std::size_t>(static_cast<int>(field) - FirstChannelField)];
}

// A number as a 16-bit record integer; a text that is no number gives 0.
std::int16_t toInt16(std::string_view value)
{
    const auto number = NumericTextToInteger(value).value_or(0);
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(number, std::numeric_limits<std::int16_t>::min(),
                                                              std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

const char* ChannelFieldName(ChannelField field)
{
    return info(field).name;
}

std::optional<ChannelField> ChannelFieldByName(std::string_view name)
{
    for (const auto& f : fieldTable()) {
        if (SameWordIgnoringCase(f.name, name))
            return f.field;
    }
    return std::nullopt;
}

std::int16_t ChannelRecord::*ChannelFieldMember(ChannelField field)
{
    return info(field).member;
}

std::optional<ChoiceRange> ChannelFieldChoices(ChannelField field)
{
    return info(field).choices;
}

void SetChannelField(ChannelRecord& record, ChannelField field, std::string_view value, const Document& doc)
{
    switch (field) {
    case ChannelField::RxFreq:
        record.RxFreq = FreqTextToCode(value, doc);
        return;
    case ChannelField::OffSetFre:
        record.OffSetFre = ClampToStep(value, 5, 1000, 5, 5);
        return;
    case ChannelField::RBTone:
        record.RBTone = ClampToStep(value, 0, ToneTipCount, 1, 0);
        return;
    case ChannelField::DTMF_BOT:
    case ChannelField::DTMF_EOT:
    case ChannelField::DTMF_Call:
        record.*ChannelFieldMember(field) = ClampToStep(value, 0, DtmfSlotCount, 1, 0);
        return;
    case ChannelField::AM_FM:
        record.AM_FM = toInt16(value);
        // An AM channel has no "High" power.
        if (record.AM_FM == 1 && record.Tx_Power > 1)
            record.Tx_Power = 1;
        return;
    default:
        record.*ChannelFieldMember(field) = toInt16(value);
        return;
    }
}
