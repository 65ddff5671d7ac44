#include "gui/base/widget_helpers.h"
#include "gui/channels/group_chooser.h"

#include "gui/base/combo_helpers.h"
#include "gui/base/twips.h"
#include "core/freq/channel_groups.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

namespace {

constexpr int LabelGapTwips = 50;
// The country list of the CB band; "U" leads on to "U" and "UK".
const QStringList CountryItems{"EU", "CE", "U", "PL", "I2", "DE", "IN", "MEM"};
const QStringList USubItems{"U", "UK"};
const QString UCountry = QStringLiteral("U");

QComboBox* makeBox(QWidget* parent, const char* name, const QStringList& items = {})
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

}  // namespace

GroupChooser::GroupChooser(QWidget* parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_groupBox(makeBox(this, "Combo7"))
    , m_countryBox(makeBox(this, "Combo9_0", CountryItems))
    , m_subCountryBox(makeBox(this, "Combo9_1", USubItems))
{
    m_label->setObjectName(QStringLiteral("Label1"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(twipsToPixels(LabelGapTwips));
    for (QWidget* w : {static_cast<QWidget*>(m_label), static_cast<QWidget*>(m_groupBox),
                       static_cast<QWidget*>(m_countryBox), static_cast<QWidget*>(m_subCountryBox)})
        row->addWidget(w);
    row->addStretch(1);
    m_subCountryBox->setVisible(false);

    connect(m_groupBox, &QComboBox::activated, this, &GroupChooser::groupChosen);
    connect(m_countryBox, &QComboBox::activated, this, &GroupChooser::onCountryChosen);
    connect(m_subCountryBox, &QComboBox::activated, this, [this] { chooseByName(m_subCountryBox->currentText()); });
}

void GroupChooser::fillForBand(int bandMode)
{
    m_bandMode = bandMode;
    FillGroupCombo(m_groupBox, m_countryBox, m_subCountryBox, bandMode);
}

void GroupChooser::setLabelText(const QString& text)
{
    m_label->setText(text);
    m_label->setBuddy(m_groupBox);
    NameControl(m_countryBox, text);
    NameControl(m_subCountryBox, text);
}

void GroupChooser::alignLabel(int listLeft, int gap)
{
    const int spacing = layout()->spacing();
    m_label->setFixedWidth(std::max(listLeft - spacing, 0));
    m_label->setContentsMargins(0, 0, std::max(gap - spacing, 0), 0);
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void GroupChooser::showGroup(int group)
{
    m_groupBox->setCurrentIndex(group);
    if (GroupSelectorOfBand(m_bandMode) != GroupSelector::CountryBox)
        return;
    const QString name = QString::fromStdString(GetGroupName(group, m_bandMode));
    const bool inU = USubItems.contains(name);
    SelectListText(m_countryBox, inU ? UCountry : name);
    m_subCountryBox->setVisible(inU);
    if (inU)
        SelectListText(m_subCountryBox, name);
}

void GroupChooser::onCountryChosen()
{
    const bool inU = m_countryBox->currentText() == UCountry;
    m_subCountryBox->setVisible(inU);
    if (!inU) {
        chooseByName(m_countryBox->currentText());
        return;
    }
    if (m_subCountryBox->currentIndex() < 0)
        m_subCountryBox->setCurrentIndex(0);
    chooseByName(m_subCountryBox->currentText());
}

void GroupChooser::chooseByName(const QString& name)
{
    const int group = m_groupBox->findText(name, Qt::MatchExactly);
    if (group >= 0)
        emit groupChosen(group);
}
