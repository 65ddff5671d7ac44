#include "core/app/print_layout.h"

#include "core/app/data_file.h"
#include "core/base/lang_texts.h"
#include "core/base/paths.h"
#include "core/channels/channel_rules.h"
#include "core/channels/channel_update.h"
#include "core/editors/dtmf_update.h"
#include "core/editors/key_update.h"
#include "core/editors/option_items.h"
#include "core/editors/option_update.h"
#include "core/editors/tone_tip_update.h"
#include "core/model/band_range.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/freq/list_helpers.h"
#include "core/base/text_helpers.h"
#include "core/model/tone_table.h"
#include "lang_text_ids.h"
#include "core/model/document.h"
#include "core/model/field_ranges.h"

namespace {

std::string text(int number)
{
    return GetLangText(number);
}

// A row label without its colon.
std::string label(int number)
{
    std::string t = text(number);
    while (!t.empty() && (t.back() == ':' || t.back() == ' '))
        t.pop_back();
    return t;
}

std::string withArgument(std::string pattern, const std::string& argument)
{
    if (const auto at = pattern.find("%1"); at != std::string::npos)
        pattern.replace(at, 2, argument);
    return pattern;
}

std::string offOn(int value)
{
    return value ? "On" : "Off";
}

// A field's list item for a stored value; out of the list, its first item.
std::string itemOf(ChannelField field, int value)
{
    return ListItemText(ChannelListItems(field), value);
}

// A flag's item: any value but 0 counts as set.
std::string flagItem(ChannelField field, int value)
{
    return ChannelFieldOf(field).items[value != 0 ? 1 : 0];
}

std::string shiftText(const ChannelRecord& c)
{
    if (c.DUP == 1 || c.DUP == 2)
        return (c.DUP == 1 ? "+" : "-") + std::to_string(c.OffSetFre) + " kHz";
    return "Off";
}

std::string powerText(int power)
{
    return ChannelFieldOf(ChannelField::Tx_Power).values.contains(power) ? itemOf(ChannelField::Tx_Power, power)
                                                                         : std::to_string(power);
}

std::string unlessHidden(int bandMode, ChannelField field, std::string shown)
{
    return IsHiddenInBand(field, bandMode) ? std::string("-") : shown;
}

// A DTMF code reference as the edit dialog's lists show it.
std::string dtmfRefText(int slot)
{
    return slot > 0 ? std::to_string(slot) : text(Txt::DtmfCodeNone);
}

std::vector<std::string> channelRow(const Document& doc, int group, const ChannelRecord& c)
{
    const int band = doc.BandMode;
    return {std::to_string(c.ChannelNo - GetGroupStart(group, band)),
            FreqCodeToShowText(c.RxFreq, group, band, doc),
            itemOf(ChannelField::AM_FM, c.AM_FM),
            unlessHidden(band, ChannelField::Tx_Power, powerText(c.Tx_Power)),
            ToneListText(c.RDCT),
            ToneListText(c.TDCT),
            flagItem(ChannelField::Scan, c.Scan),
            flagItem(ChannelField::Public, c.Public),
            unlessHidden(band, ChannelField::DUP, shiftText(c)),
            dtmfRefText(c.DTMF_BOT) + "/" + dtmfRefText(c.DTMF_EOT) + "/" + dtmfRefText(c.DTMF_Call),
            ToneTipChoiceText(c.RBTone)};
}

void addChannelTables(const Document& doc, PrintLayout& layout)
{
    const auto header = [](ChannelField field) { return text(ChannelFieldOf(field).gridHeader); };
    const std::vector<std::string> columns = {
        text(Txt::GridPosition), header(ChannelField::RxFreq), text(Txt::PrintMode),       text(Txt::PrintPower),
        text(Txt::PrintRxTone),  text(Txt::PrintTxTone),       header(ChannelField::Scan), header(ChannelField::Public),
        text(Txt::PrintShift),   text(Txt::PrintDtmf),         text(Txt::PrintToneTip)};
    const int groups = static_cast<int>(GroupComboItems(doc.BandMode).size());
    for (int group = 0; group < groups; ++group) {
        PrintTable table{withArgument(text(Txt::PrintGroup), GetGroupName(group, doc.BandMode)), columns, {}};
        for (int position = 1; position <= GetGroupSize(group, doc.BandMode); ++position) {
            if (const ChannelRecord* c = ChannelAt(doc, group, position))
                table.rows.push_back(channelRow(doc, group, *c));
        }
        if (!table.rows.empty())
            layout.tables.push_back(std::move(table));
    }
}

// The options window's label of a setting.
std::string optionLabel(const OptionField& field)
{
    if (field.storeCode < 100)
        return label(Txt::OptionLabel + field.storeCode);
    if (field.record == OptionRecord::Public)
        return label(ChannelFieldOf(field.publicField).label);
    if (field.storeCode == UseMaxSwrStoreCode)
        return label(Txt::UseMaxSwr);
    return field.name;
}

PrintTable settingsTable(const Document& doc, OptionRecord record, int title)
{
    PrintTable table{text(title), {text(Txt::PrintSetting), text(Txt::PrintValue)}, {}};
    for (const OptionField& field : OptionFields()) {
        if (field.record == record && IsOptionFieldShown(doc, field))
            table.rows.push_back({optionLabel(field), OptionShownText(doc, field)});
    }
    return table;
}

PrintTable dtmfTable(const Document& doc)
{
    const DtmfSettings& dtmf = doc.Record.Dtmf;
    PrintTable table{text(Txt::PrintDtmfCodes), {text(Txt::PrintCode), text(Txt::PrintDigits)}, {}};
    // The settings as the DTMF window's lists and check box show them.
    const auto& settings = DtmfSettingTable();
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const DtmfSetting& s = settings[i];
        const int shown = s.choices[static_cast<std::size_t>(DtmfSettingPosition(doc, s))];
        const bool isDisplay = i + 1 == settings.size();
        std::string value;
        if (isDisplay)
            value = offOn(shown);
        else if (s.msPerUnit > 0)
            value = std::to_string(shown * s.msPerUnit) + " ms";
        else
            value = shown == 0 ? text(Txt::DKeyOff) : std::to_string(shown) + " s";
        table.rows.push_back({label(isDisplay ? Txt::DtmfDisplay : Txt::DtmfRate + static_cast<int>(i)), value});
    }
    for (std::size_t slot = 0; slot < dtmf.Codes.size(); ++slot) {
        const DtmfCode& code = dtmf.Codes[slot];
        if (code.Length <= 0)
            continue;
        const std::string digits = code.Digits.substr(0, static_cast<std::size_t>(code.Length));
        table.rows.push_back({std::to_string(slot + 1), DtmfCodeToText(digits)});
    }
    return table;
}

PrintTable keysTable(const Document& doc)
{
    // Names as the keys window's lists show them.
    PrintTable table{text(Txt::UndoStepKeys), {text(Txt::PrintKey), text(Txt::PrintValue)}, {}};
    table.rows.push_back(
        {label(Txt::KeyWorkingMode), KeyWorkingModeNames()[static_cast<std::size_t>(ShownKeyModePosition(doc))]});
    for (int mode = 1; mode <= KeyModeCount; ++mode) {
        for (int key = 1; key <= KeysPerMode; ++key) {
            const int position = ShownKeyFunctionPosition(doc, KeyEntry(mode, key));
            table.rows.push_back({text(Txt::KeyModeFrame) + " " + std::to_string(mode) + ", P" + std::to_string(key),
                                  KeyFunctionNames()[static_cast<std::size_t>(position)]});
        }
    }
    return table;
}

PrintTable toneTipsTable(const Document& doc)
{
    PrintTable table{text(Txt::UndoStepToneTips),
                     {text(Txt::PrintTip), text(Txt::PrintLoops), text(Txt::PrintInterval), text(Txt::PrintTones)},
                     {}};
    // The values as the tone tips window's lists show them: times in ms,
    // pitches in Hz, the rest and "off" by their names.
    for (std::size_t t = 0; t < doc.Record.Tips.size(); ++t) {
        const ToneTip tip = ShownToneTip(doc.Record.Tips[t]);
        std::string tones;
        for (const ToneTipTone& tone : tip.Tones) {
            if (tone.Length <= 0)
                continue;
            const int item = ToneFrequencyItem(tone.Freq);
            const std::string pitch = item == 0 ? text(Txt::ToneRest) : std::to_string(tone.Freq * 10) + " Hz";
            tones += (tones.empty() ? "" : "; ") + pitch + ", " + std::to_string(tone.Length * 10) + " ms";
        }
        const std::string loops = tip.LoopCount == 0 ? text(Txt::LoopOff) : std::to_string(tip.LoopCount);
        table.rows.push_back({std::to_string(t + 1), loops, std::to_string(tip.Interval * 10) + " ms", tones});
    }
    return table;
}

}  // namespace

PrintLayout BuildPrintLayout(const Document& doc, const std::string& date)
{
    PrintLayout layout;
    layout.title = text(Txt::AppTitle);
    layout.header = {{text(Txt::PrintModel), ModelDisplayName(doc.ModelName)},
                     {text(Txt::PrintBand), BandModeName(doc.BandMode) + " " + doc.BandRangeText},
                     {text(Txt::PrintFile), FileNameOfPath(doc.DocFileName)},
                     {text(Txt::PrintDate), date}};
    addChannelTables(doc, layout);
    PrintTable options = settingsTable(doc, OptionRecord::Options, Txt::UndoStepOptions);
    options.startsPage = true;
    layout.tables.push_back(std::move(options));
    layout.tables.push_back(settingsTable(doc, OptionRecord::Public, Txt::UndoStepPublic));
    layout.tables.push_back(dtmfTable(doc));
    layout.tables.push_back(keysTable(doc));
    layout.tables.push_back(toneTipsTable(doc));
    return layout;
}
