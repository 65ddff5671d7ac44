#include "core/editors/option_items.h"

#include "core/base/lang_texts.h"
#include "core/editors/option_update.h"
#include "core/freq/list_helpers.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

namespace {

using Items = std::vector<std::string>;

Items offOn()
{
    return {"Off", "On"};
}

Items numbers(int first, int last, int step = 1, const std::string& unit = {})
{
    Items items;
    for (int n = first; n <= last; n += step)
        items.push_back(std::to_string(n) + unit);
    return items;
}

Items withFirst(std::string first, Items rest)
{
    rest.insert(rest.begin(), std::move(first));
    return rest;
}

Items optionItems(const OptionField& field)
{
    if (field.conversion == OptionConversion::ItemNumber)
        return numbers(field.choices.min, field.choices.max);
    switch (field.storeCode) {
    case 3:
        return numbers(0, 30, 1, GetLangText(Txt::UnitMinutes));
    case 6:
        return withFirst(GetLangText(Txt::ListOff), numbers(1, 28));
    case 9: {
        Items items = withFirst(GetLangText(Txt::ListOff), numbers(3, 30, 3));
        items.push_back(GetLangText(Txt::GainMaximum));
        return items;
    }
    case 10:
        return {GetLangText(Txt::DisplayChannelNumber), GetLangText(Txt::DisplayFrequency)};
    case 11:
        return {GetLangText(Txt::ScanTime), GetLangText(Txt::ScanCarrier)};
    case 12:
        return numbers(5, 30, 5, GetLangText(Txt::UnitSeconds));
    default:
        return offOn();
    }
}

Items publicItems(const OptionField& field, const Document& doc)
{
    return ChannelFieldItems(doc, field.publicField, doc.Record.PublicChannel.AM_FM);
}

bool selectsByText(const OptionField& field)
{
    return field.conversion == OptionConversion::ItemNumber;
}

}  // namespace

std::vector<std::string> OptionItemTexts(const OptionField& field, const Document& doc)
{
    if (field.conversion == OptionConversion::Offset || field.conversion == OptionConversion::MaxSwr
        || field.storeCode == UseMaxSwrStoreCode)
        return {};
    return field.record == OptionRecord::Options ? optionItems(field) : publicItems(field, doc);
}

std::vector<std::string> ChannelFieldItems(const Document& doc, ChannelField field, int modulation)
{
    switch (ChannelFieldOf(field).input) {
    case ChannelInput::ToneTip: {
        Items items{GetLangText(Txt::ToneTipNone)};
        for (const int tip : DefinedToneTips(doc))
            items.push_back(std::to_string(tip));
        return items;
    }
    case ChannelInput::DtmfCode:
        return DtmfCodeComboItems(doc.Record.Dtmf);
    default:
        break;
    }
    Items items = ChannelListItems(field);
    // An AM channel has no "High" power.
    if (field == ChannelField::Tx_Power && modulation >= 1)
        items.resize(HighPower);
    return items;
}

std::string ToneTipChoiceText(int tip)
{
    return ListItemText(withFirst(GetLangText(Txt::ToneTipNone), numbers(1, ToneTipCount)), tip);
}

std::string OptionShownText(const Document& doc, const OptionField& field)
{
    const int value = OptionFieldValue(doc, field);
    if (field.conversion == OptionConversion::Offset)
        return std::to_string(value) + " kHz";
    if (field.conversion == OptionConversion::MaxSwr)
        return MaxSwrTextOfTenths(value);
    if (field.storeCode == UseMaxSwrStoreCode)
        return value == 1 ? "On" : "Off";
    const Items items = OptionItemTexts(field, doc);
    if (field.record == OptionRecord::Public && field.publicField == ChannelField::RBTone)
        return SelectListText(items, ToneTipChoiceText(value)).text;
    return selectsByText(field) ? SelectListText(items, std::to_string(value)).text
                                : SelectListIndex(items, value).text;
}
