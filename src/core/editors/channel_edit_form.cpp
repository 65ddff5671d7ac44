#include "core/editors/channel_edit_form.h"

#include "core/channels/channel_rules.h"
#include "core/editors/option_items.h"
#include "core/editors/option_update.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/freq/list_helpers.h"
#include "core/model/document.h"

namespace {

using Items = std::vector<std::string>;

// The dialog's rows from top to bottom of their numbering.
constexpr std::array<ChannelField, ChannelEditRowCount> RowFields{
    ChannelField::Public,   ChannelField::DUP,       ChannelField::TSQ,    ChannelField::Scan,
    ChannelField::HI_CUT,   ChannelField::BUSY,      ChannelField::NB,     ChannelField::Add_Sub_5K,
    ChannelField::AM_FM,    ChannelField::Tx_Power,  ChannelField::RBTone, ChannelField::DTMF_BOT,
    ChannelField::DTMF_EOT, ChannelField::DTMF_Call, ChannelField::RDCT,   ChannelField::TDCT,
};

// The tone-tip and DTMF rows hand over the picked number, whose items have gaps.
const std::array<ChannelEditRowInfo, ChannelEditRowCount>& rowTable()
{
    static const std::array<ChannelEditRowInfo, ChannelEditRowCount> rows = [] {
        std::array<ChannelEditRowInfo, ChannelEditRowCount> table{};
        for (std::size_t r = 0; r < table.size(); ++r) {
            const ChannelInput input = ChannelFieldOf(RowFields[r]).input;
            table[r] = {RowFields[r], input == ChannelInput::ToneTip || input == ChannelInput::DtmfCode};
        }
        return table;
    }();
    return rows;
}

Items rowItems(int row, const Document& doc, const ChannelRecord* channel)
{
    return ChannelFieldItems(doc, rowTable()[static_cast<std::size_t>(row)].field, channel ? channel->AM_FM : 0);
}

int rowSelection(int row, const Items& items, const ChannelRecord& channel)
{
    const ChannelEditRowInfo& info = rowTable()[static_cast<std::size_t>(row)];
    const int value = channel.*ChannelFieldMember(info.field);
    if (ChannelFieldOf(info.field).input == ChannelInput::ToneTip)
        return SelectListText(items, ToneTipChoiceText(value)).index;
    if (info.handsItemText)
        return SelectListText(items, std::to_string(value)).index;
    if (info.field == ChannelField::Tx_Power && channel.AM_FM == 1 && value > 1)
        return SelectListIndex(items, 1).index;
    return SelectListIndex(items, value).index;
}

bool rowEnabled(const Document& doc, int group, int position, int row)
{
    const ChannelField field = rowTable()[static_cast<std::size_t>(row)].field;
    if (field == ChannelField::AM_FM && IsFixFM(position, group, doc.BandMode))
        return false;
    return ChannelFieldLock(doc, group, position, field) == Refusal::None;
}

}  // namespace

const std::array<ChannelEditRowInfo, ChannelEditRowCount>& ChannelEditRows()
{
    return rowTable();
}

int ChannelEditRowOf(ChannelField field)
{
    for (int row = 0; row < ChannelEditRowCount; ++row) {
        if (rowTable()[static_cast<std::size_t>(row)].field == field)
            return row;
    }
    return -1;
}

bool IsChannelEditRowInBand(int row, int bandMode)
{
    return row >= 0 && row < ChannelEditRowCount
        && !IsHiddenInBand(rowTable()[static_cast<std::size_t>(row)].field, bandMode);
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
            && !(rowTable()[static_cast<std::size_t>(row)].field == ChannelField::Scan && IsVfoGroup(group, band));
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
