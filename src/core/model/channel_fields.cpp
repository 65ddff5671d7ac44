#include "core/model/channel_fields.h"

#include "core/base/lang_texts.h"
#include "core/base/text_helpers.h"
#include "core/model/image_layout.h"
#include "core/model/tone_table.h"
#include "lang_text_ids.h"

namespace {

namespace S = ImageLayout::Slot;
namespace B = ImageLayout::SlotBits;
using C = ChannelRecord;
using F = ChannelField;
using In = ChannelInput;

std::vector<std::string> offOn()
{
    return {"Off", "On"};
}

// clang-format off
// A flag of the slot's option byte that the public channel governs and CSV
// writes as "On" / "Off" under the record's name.
ChannelFieldInfo optionFlag(F field, const char* name, std::int16_t C::*member, unsigned bit, int label,
                            ChannelBands bands = ChannelBands::Every)
{
    return {field, name, member, FlagRange, flagAt(S::Options, bit), In::List, {0, 1}, 0, 0, offOn(), 0,
            label, 0, name, CsvForm::Flag, true, bands};
}

// A DTMF code the channel sends, by slot number.
ChannelFieldInfo dtmfRef(F field, const char* name, std::int16_t C::*member, std::size_t address, int label)
{
    return {field, name, member, ByteRange, byteAt(address), In::DtmfCode, {0, DtmfSlotCount}, 1, 0, {}, 0,
            label, 0, name, CsvForm::Number, true, ChannelBands::Every};
}

// A tone code; the tone columns of CSV carry both codes together.
ChannelFieldInfo tone(F field, const char* name, std::int16_t C::*member, std::size_t address, unsigned kindBit,
                      int label)
{
    return {field, name, member, AnyRange, toneAt(address, kindBit), In::Tone, {0, ToneCount - 1}, 0, 0, {}, 0,
            label, 0, nullptr, CsvForm::None, false, ChannelBands::Every};
}
// clang-format on

}  // namespace

const std::array<ChannelFieldInfo, LastChannelField>& ChannelFieldTable()
{
    // clang-format off
    static const std::array<ChannelFieldInfo, LastChannelField> table{{
        {F::RxFreq, "RxFreq", nullptr, AnyRange, notInImage(), In::Frequency, {0, 0}, 0, 0, {}, 0,
         Txt::ReceiveFrequencyLabel, Txt::GridFrequency, "Frequency", CsvForm::Own, false, ChannelBands::Every},
        {F::Public, "Public", &C::Public, FlagRange, flagAt(S::Options, B::Public), In::List, {0, 1}, 0, 0, offOn(), 0,
         Txt::RowPublic, Txt::GridPublic, "Public", CsvForm::Flag, false, ChannelBands::Every},
        {F::DUP, "DUP", &C::DUP, TwoBitRange, bitsAt(S::Flags, B::Dup, B::DupWidth), In::List, {0, 2}, 0, 0,
         {"Off", "+", "-"}, 0, Txt::RowShiftDirection, Txt::GridShiftDirection, "Duplex", CsvForm::Own, true,
         ChannelBands::NotCb},
        // Kilohertz; typed, clamped to 5..1000 and rounded down to a multiple of 5.
        {F::OffSetFre, "OffSetFre", &C::OffSetFre, OffsetRange, le16At(S::Offset), In::Typed, {5, 1000}, 5, 5, {}, 0,
         Txt::OffsetLabel, Txt::GridOffset, "Offset", CsvForm::Own, true, ChannelBands::NotCb},
        {F::TSQ, "TSQ", &C::TSQ, FlagRange, flagAt(S::Flags, B::Tsq), In::List, {0, 1}, 0, 0, offOn(), 0,
         Txt::RowToneSquelch, Txt::GridToneSquelch, "TSQ", CsvForm::Flag, false, ChannelBands::Every},
        // Kept in the scan bitmap of its channel number, not in the slot.
        {F::Scan, "Scan", &C::Scan, FlagRange, notInImage(), In::List, {0, 1}, 0, 0, {"Del", "Add"}, 0,
         Txt::RowScan, Txt::GridScan, "Skip", CsvForm::Own, false, ChannelBands::Every},
        optionFlag(F::HI_CUT, "HI_CUT", &C::HI_CUT, B::HiCut, Txt::RowHighCut),
        optionFlag(F::BUSY, "BUSY", &C::BUSY, B::Busy, Txt::RowBusyLockout),
        optionFlag(F::NB, "NB", &C::NB, B::Nb, Txt::RowNoiseBlanker),
        optionFlag(F::Add_Sub_5K, "Add_Sub_5K", &C::Add_Sub_5K, B::AddSub5K, Txt::RowShift5k,
                   ChannelBands::None),
        {F::AM_FM, "AM_FM", &C::AM_FM, FlagRange, flagAt(S::Options, B::AmFm), In::List, {0, 1}, 0, 0, {"FM", "AM"}, 0,
         Txt::RowModulation, 0, "Mode", CsvForm::Own, true, ChannelBands::Every},
        // The power levels' names are language texts (PowerLow ..).
        {F::Tx_Power, "Tx_Power", &C::Tx_Power, TwoBitRange, bitsAt(S::Options, B::TxPower, B::TxPowerWidth), In::List,
         {0, HighPower}, 0, 0, {}, Txt::PowerLow, Txt::RowTxPower, 0, "Power", CsvForm::Own, true,
         ChannelBands::NotCb},
        {F::RBTone, "RBTone", &C::RBTone, ByteRange, byteAt(S::RBTone), In::ToneTip, {0, ToneTipCount}, 1, 0, {}, 0,
         Txt::RowRogerBeep, 0, "RBTone", CsvForm::Number, true, ChannelBands::Every},
        dtmfRef(F::DTMF_BOT, "DTMF_BOT", &C::DTMF_BOT, S::DtmfBot, Txt::RowDtmfBot),
        dtmfRef(F::DTMF_EOT, "DTMF_EOT", &C::DTMF_EOT, S::DtmfEot, Txt::RowDtmfEot),
        dtmfRef(F::DTMF_Call, "DTMF_Call", &C::DTMF_Call, S::DtmfCall, Txt::RowDtmfCall),
        tone(F::RDCT, "RDCT", &C::RDCT, S::RxCtcss, B::RxKind, Txt::RowRxTone),
        tone(F::TDCT, "TDCT", &C::TDCT, S::TxCtcss, B::TxKind, Txt::RowTxTone),
    }};
    // clang-format on
    return table;
}

const ChannelFieldInfo& ChannelFieldOf(ChannelField field)
{
    return ChannelFieldTable()[static_cast<std::size_t>(static_cast<int>(field) - FirstChannelField)];
}

const char* ChannelFieldName(ChannelField field)
{
    return ChannelFieldOf(field).name;
}

std::optional<ChannelField> ChannelFieldByName(std::string_view name)
{
    for (const auto& f : ChannelFieldTable()) {
        if (SameWordIgnoringCase(f.name, name))
            return f.field;
    }
    return std::nullopt;
}

std::int16_t ChannelRecord::*ChannelFieldMember(ChannelField field)
{
    return ChannelFieldOf(field).member;
}

std::vector<std::string> ChannelListItems(ChannelField field)
{
    const ChannelFieldInfo& f = ChannelFieldOf(field);
    if (f.input == ChannelInput::Tone)
        return ToneList();
    if (f.input != ChannelInput::List || !f.items.empty())
        return f.items;
    std::vector<std::string> items;
    for (int value = f.values.min; value <= f.values.max; ++value)
        items.push_back(GetLangText(f.itemText + value - f.values.min));
    return items;
}

std::optional<ChoiceRange> ChannelFieldChoices(ChannelField field)
{
    const ChannelFieldInfo& f = ChannelFieldOf(field);
    if (f.input == ChannelInput::List || f.input == ChannelInput::Tone)
        return f.values;
    return std::nullopt;
}
