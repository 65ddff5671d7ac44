#include "core/channels/channel_field.h"

#include "core/freq/freq_code.h"
#include "core/base/numeric_text.h"
#include "core/base/text_helpers.h"

#include <algorithm>
#include <limits>

namespace {

// A number as a 16-bit record integer; a text that is no number gives 0.
std::int16_t toInt16(std::string_view value)
{
    const auto number = NumericTextToInteger(value).value_or(0);
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(number, std::numeric_limits<std::int16_t>::min(),
                                                              std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

void SetChannelField(ChannelRecord& record, ChannelField field, std::string_view value, const Document& doc)
{
    const ChannelFieldInfo& f = ChannelFieldOf(field);
    if (f.input == ChannelInput::Typed || f.input == ChannelInput::ToneTip || f.input == ChannelInput::DtmfCode) {
        record
            .*f.member = ClampToStep(value, f.values.min, f.values.max, f.step, static_cast<std::int16_t>(f.fallback));
        return;
    }
    switch (field) {
    case ChannelField::RxFreq:
        record.RxFreq = FreqTextToCode(value, doc);
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
