#include "core/editors/channel_edit_form.h"

#include "core/base/lang_texts.h"
#include "core/channels/channel_rules.h"
#include "core/editors/option_update.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/freq/list_helpers.h"
#include "core/model/tone_table.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

namespace {

using Items = std::vector<std::string>;

constexpr int ToneTipRow = 10;
constexpr int PowerRow = 9;

const std::array<ChannelEditRowInfo, ChannelEditRowCount> Rows{{
    {ChannelField::Public, false},
    {ChannelField::DUP, false},
    {ChannelField::TSQ, false},
    {ChannelField::Scan, false},
    {ChannelField::HI_CUT, false},
    {ChannelField::BUSY, false},
    {ChannelField::NB, false},
    {ChannelField::Add_Sub_5K, false},
    {ChannelField::AM_FM, false},
    {ChannelField::Tx_Power, false},
    {ChannelField::RBTone, true},
    {ChannelField::DTMF_BOT, true},
    {ChannelField::DTMF_EOT, true},
    {ChannelField::DTMF_Call, true},
    {ChannelField::RDCT, false},
    {ChannelField::TDCT, false},
}};

// An AM channel has no "High" power.
Items powerItems(int modulation)
{
    Items items{GetLangText(Txt::PowerLow), GetLangText(Txt::PowerMedium)};
    if (modulation < 1)
        items.push_back(GetLangText(Txt::PowerHigh));
    return items;
}

// "None", then the numbers of the tone tips that sound.
Items toneTipItems(const Document& doc)
{
    Items items{GetLangText(Txt::ToneTipNone)};
    for (const int tip : DefinedToneTips(doc))
        items.push_back(std::to_string(tip));
    return items;
}

// The text a tone-tip number stands for: "none" for 0 and anything outside
// 1..8, else the number.
std::string toneTipText(int tip)
{
    Items all{GetLangText(Txt::ToneTipNone)};
    for (int t = 1; t <= ToneTipCount; ++t)
        all.push_back(std::to_string(t));
    return ListItemText(all, tip);
}

Items rowItems(int row, const Document& doc, const ChannelRecord* channel)
{
    switch (Rows[static_cast<std::size_t>(row)].field) {
    case ChannelField::DUP:
        return {"Off", "+", "-"};
    case ChannelField::Scan:
        return {"Del", "Add"};
    case ChannelField::AM_FM:
        return {"FM", "AM"};
    case ChannelField::Tx_Power:
        return powerItems(channel ? channel->AM_FM : 0);
    case ChannelField::RBTone:
        return toneTipItems(doc);
    case ChannelField::DTMF_BOT:
    case ChannelField::DTMF_EOT:
    case ChannelField::DTMF_Call:
        return DtmfCodeComboItems(doc.Record.Dtmf);
    case ChannelField::RDCT:
    case ChannelField::TDCT:
        return ToneList();
    default:
        return {"Off", "On"};
    }
}

int rowSelection(int row, const Items& items, const ChannelRecord& channel)
{
    const ChannelEditRowInfo& info = Rows[static_cast<std::size_t>(row)];
    const int value = channel.*ChannelFieldMember(info.field);
    if (row == ToneTipRow)
        return SelectListText(items, toneTipText(value)).index;
    if (info.handsItemText)
        return SelectListText(items, std::to_string(value)).index;
    if (row == PowerRow && channel.AM_FM == 1 && value > 1)
        return SelectListIndex(items, 1).index;
    return SelectListIndex(items, value).index;
}

bool rowEnabled(const Document& doc, int group, int position, int row)
{
    const ChannelField field = Rows[static_cast<std::size_t>(row)].field;
    if (field == ChannelField::AM_FM && IsFixFM(position, group, doc.BandMode))
        return false;
    return ChannelFieldLock(doc, group, position, field) == Refusal::None;
}

}  // namespace

const std::array<ChannelEditRowInfo, ChannelEditRowCount>& ChannelEditRows()
{
    return Rows;
}

int ChannelEditRowOf(ChannelField field)
{
    for (int row = 0; row < ChannelEditRowCount; ++row) {
        if (Rows[static_cast<std::size_t>(row)].field == field)
            return row;
    }
    return -1;
}

bool IsChannelEditRowInBand(int row, int bandMode)
{
    return row >= 0 && row < ChannelEditRowCount
        && !IsHiddenInBand(Rows[static_cast<std::size_t>(row)].field, bandMode);
}

bool IsOffsetInBand(int bandMode)
{
    return !IsHiddenInBand(ChannelField::OffSetFre, bandMode);
}

ChannelEditForm ShowChannelEditForm(const Document& doc, int group, int position)
{
    const int band = doc.BandMode;
    const ChannelRecord* channel = ChannelAt(doc, group, position);
    const bool memOfCb = band == 0 && IsMemGroup(group, band);

    ChannelEditForm form;
    form.exists = channel != nullptr;
    form.freqEnabled = band != 0;
    form.memButtonShown = memOfCb;
    form.narrowFreq = IsMemGroup(group, band);
    form.freqText = channel ? FreqCodeToShowText(channel->RxFreq, group, band, doc) : std::string();
    form.offsetShown = IsOffsetInBand(band);
    form.offsetText = channel ? std::to_string(channel->OffSetFre) : std::string();
    form.offsetEnabled = channel && ChannelFieldLock(doc, group, position, ChannelField::OffSetFre) == Refusal::None;

    for (int row = 0; row < ChannelEditRowCount; ++row) {
        ChannelEditRowState& state = form.rows[static_cast<std::size_t>(row)];
        state.shown = IsChannelEditRowInBand(row, band)
            && !(Rows[static_cast<std::size_t>(row)].field == ChannelField::Scan && IsVfoGroup(group, band));
        state.items = rowItems(row, doc, channel);
        if (!channel)
            continue;
        state.enabled = rowEnabled(doc, group, position, row);
        state.selected = rowSelection(row, state.items, *channel);
    }
    return form;
}

UpdateResult ApplyFixedFm(Document& doc, int group, int position, Notifier& notifier)
{
    const ChannelRecord* channel = ChannelAt(doc, group, position);
    if (!channel || channel->AM_FM == 0 || !IsFixFM(position, group, doc.BandMode))
        return {};
    return SetChannelData(doc, group, position, ChannelField::AM_FM, 0, notifier);
}
