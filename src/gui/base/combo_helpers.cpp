#include "gui/base/combo_helpers.h"

#include "core/freq/channel_groups.h"
#include "core/freq/list_helpers.h"

#include <QComboBox>

namespace {

void select(QComboBox* combo, const ListSelection& selection)
{
    combo->setCurrentIndex(selection.index);
}

void fill(QComboBox* combo, const std::vector<std::string>& items)
{
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(QString::fromStdString(item));
}

}  // namespace

std::vector<std::string> ComboItems(const QComboBox* combo)
{
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(combo->count()));
    for (int i = 0; i < combo->count(); ++i)
        items.push_back(combo->itemText(i).toStdString());
    return items;
}

QString ListItemText(const QComboBox* combo, int index)
{
    return QString::fromStdString(ListItemText(ComboItems(combo), index));
}

QString MatchListText(const QComboBox* combo, const QString& text)
{
    return QString::fromStdString(MatchListText(ComboItems(combo), text.toStdString()));
}

void SelectListText(QComboBox* combo, const QString& text)
{
    select(combo, SelectListText(ComboItems(combo), text.toStdString()));
}

void SelectListIndex(QComboBox* combo, int index)
{
    select(combo, SelectListIndex(ComboItems(combo), index));
}

void ComboIndexIfSelected(const QComboBox* combo, std::int16_t& value)
{
    ComboIndexIfSelected(combo->currentIndex(), value);
}

std::int16_t ComboNumberOrDefault(const QComboBox* combo, std::int16_t defaultValue)
{
    return ComboNumberOrDefault(combo->currentIndex(), combo->currentText().toStdString(), defaultValue);
}

void FillDtmfCodeCombo(QComboBox* combo, const DtmfSettings& dtmf)
{
    fill(combo, DtmfCodeComboItems(dtmf));
}

void FillGroupCombo(QComboBox* groupBox, QComboBox* countryBox, QComboBox* secondCountryBox, int bandMode,
                    const QString& excludedName)
{
    fill(groupBox, GroupComboItems(bandMode, excludedName.toStdString()));
    if (secondCountryBox)
        secondCountryBox->setVisible(false);
    switch (GroupSelectorOfBand(bandMode)) {
    case GroupSelector::CountryBox:
        if (countryBox)
            countryBox->setVisible(true);
        groupBox->setVisible(false);
        break;
    case GroupSelector::GroupBox:
        if (countryBox)
            countryBox->setVisible(false);
        groupBox->setVisible(true);
        break;
    case GroupSelector::Unchanged:
        break;
    }
}
