#include "editors/option_lists.h"

#include "app/lang_text.h"
#include "editors/option_update.h"
#include "freq/list_helpers.h"
#include "lang_text_ids.h"
#include "model/document.h"

namespace {

constexpr int OffText = Txt::ListOff;  // first item of the squelch and gain lists
constexpr int GainMaxText = Txt::GainMaximum;
constexpr int MinutesText = Txt::UnitMinutes;
constexpr int SecondsText = Txt::UnitSeconds;
constexpr int ToneTipOffText = Txt::ToneTipNone;
constexpr int PowerTexts[] = {Txt::PowerLow, Txt::PowerMedium, Txt::PowerHigh};

QStringList offOn()
{
    return {QStringLiteral("Off"), QStringLiteral("On")};
}

QStringList numbers(int first, int last, int step = 1, const QString& unit = {})
{
    QStringList items;
    for (int n = first; n <= last; n += step)
        items << QString::number(n) + unit;
    return items;
}

QStringList optionItems(const OptionField& field)
{
    if (field.conversion == OptionConversion::ItemNumber)
        return numbers(field.choices.min, field.choices.max);
    switch (field.storeCode) {
    case 3:
        return numbers(0, 30, 1, LangText(MinutesText));
    case 6:
        return QStringList{LangText(OffText)} + numbers(1, 28);
    case 9:
        return QStringList{LangText(OffText)} + numbers(3, 30, 3) + QStringList{LangText(GainMaxText)};
    case 10:
        return {LangText(Txt::DisplayChannelNumber), LangText(Txt::DisplayFrequency)};
    case 11:
        return {LangText(Txt::ScanTime), LangText(Txt::ScanCarrier)};
    case 12:
        return numbers(5, 30, 5, LangText(SecondsText));
    default:
        return offOn();
    }
}

QStringList powerItems(int modulation)
{
    // An AM channel has no "High" power.
    const int count = modulation < 1 ? 3 : 2;
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << LangText(PowerTexts[i]);
    return items;
}

QStringList publicItems(const OptionField& field, const Document& doc)
{
    switch (field.publicField) {
    case ChannelField::DUP:
        return {QStringLiteral("Off"), QStringLiteral("+"), QStringLiteral("-")};
    case ChannelField::AM_FM:
        return {QStringLiteral("FM"), QStringLiteral("AM")};
    case ChannelField::Tx_Power:
        return powerItems(doc.Record.PublicChannel.AM_FM);
    case ChannelField::RBTone: {
        QStringList items{LangText(ToneTipOffText)};
        for (const int tip : DefinedToneTips(doc))
            items << QString::number(tip);
        return items;
    }
    case ChannelField::DTMF_BOT:
    case ChannelField::DTMF_EOT:
    case ChannelField::DTMF_Call: {
        QStringList items;
        for (const std::string& item : DtmfCodeComboItems(doc.Record.Dtmf))
            items << QString::fromStdString(item);
        return items;
    }
    default:
        return offOn();
    }
}

}  // namespace

QStringList OptionListItems(const OptionField& field, const Document& doc)
{
    if (field.conversion == OptionConversion::Offset || field.conversion == OptionConversion::MaxSwr
        || field.storeCode == UseMaxSwrStoreCode)
        return {};
    return field.record == OptionRecord::Options ? optionItems(field) : publicItems(field, doc);
}

QString ToneTipItemText(int tip)
{
    std::vector<std::string> items{LangText(ToneTipOffText).toStdString()};
    for (int t = 1; t <= 8; ++t)
        items.push_back(std::to_string(t));
    return QString::fromStdString(ListItemText(items, tip));
}
