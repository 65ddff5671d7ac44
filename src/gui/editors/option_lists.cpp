#include "gui/editors/option_lists.h"

#include "core/editors/option_items.h"

QStringList OptionListItems(const OptionField& field, const Document& doc)
{
    QStringList items;
    for (const std::string& item : OptionItemTexts(field, doc))
        items << QString::fromStdString(item);
    return items;
}

QString ToneTipItemText(int tip)
{
    return QString::fromStdString(ToneTipChoiceText(tip));
}
