#include "gui/channels/group_settings_panel.h"

#include "gui/base/combo_helpers.h"
#include "gui/base/lang_text.h"
#include "gui/base/twips.h"
#include "gui/base/widget_helpers.h"
#include "core/channels/channel_rules.h"
#include "core/model/document.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int LabelGapTwips = 50;
constexpr int ValidBox = 3;
constexpr std::array<int, 4> LabelTexts{14052, 14053, 14054, 14101};

QComboBox* makeBox(QWidget* parent, const QString& name, const QStringList& items = {})
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    // Enter moves on to the next box, as Tab does.
    EnterMovesFocus(box);
    return box;
}

// The working and emergency lists offer positions; the others list their
// values in order.
bool listsPositions(GroupSetting setting)
{
    return setting == GroupSetting::WorkChannel || setting == GroupSetting::EmergencyChannel1
        || setting == GroupSetting::EmergencyChannel2;
}

// The chosen position; 1 when the list shows none.
int positionOf(const QComboBox* box)
{
    bool ok = false;
    const int value = box->currentText().toInt(&ok);
    return ok ? value : 1;
}

}  // namespace

GroupSettingsPanel::GroupSettingsPanel(Document& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    for (std::size_t i = 0; i < m_channelBoxes.size(); ++i) {
        m_labels[i] = new QLabel(this);
        m_labels[i]->setObjectName(QStringLiteral("Label3_%1").arg(i));
        m_labels[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_channelBoxes[i] = makeBox(this, QStringLiteral("Combo8_%1").arg(i));
    }
    m_channelBoxes[ValidBox]->addItems({QStringLiteral("Disable"), QStringLiteral("Enabel")});
    for (std::size_t i = 0; i < m_modeBoxes.size(); ++i)
        m_modeBoxes[i] = makeBox(this, QStringLiteral("Combo10_%1").arg(i), {"FM", "AM"});
    buildLayout();
    for (const SettingBox& entry : settingBoxes()) {
        QComboBox* box = entry.box;
        const GroupSetting setting = entry.setting;
        connect(box, &QComboBox::activated, this, [this, setting, box] { onChosen(setting, box); });
    }
    setTexts();
}

std::array<GroupSettingsPanel::SettingBox, 6> GroupSettingsPanel::settingBoxes() const
{
    return {{
        {m_channelBoxes[0], GroupSetting::WorkChannel},
        {m_channelBoxes[1], GroupSetting::EmergencyChannel1},
        {m_channelBoxes[2], GroupSetting::EmergencyChannel2},
        {m_channelBoxes[ValidBox], GroupSetting::GroupValid},
        {m_modeBoxes[0], GroupSetting::GroupMode1},
        {m_modeBoxes[1], GroupSetting::GroupMode2},
    }};
}

void GroupSettingsPanel::buildLayout()
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(twipsToPixels(LabelGapTwips));
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(m_labels[static_cast<std::size_t>(i)], i, 0);
        grid->addWidget(m_channelBoxes[static_cast<std::size_t>(i)], i, 1);
    }
    grid->addWidget(m_modeBoxes[0], 1, 2);
    grid->addWidget(m_modeBoxes[1], 2, 2);
    grid->addWidget(m_labels[ValidBox], 0, 3);
    grid->addWidget(m_channelBoxes[ValidBox], 0, 4);
    grid->setColumnStretch(5, 1);
    grid->setColumnMinimumWidth(3, twipsToPixels(1600));
}

void GroupSettingsPanel::setTexts()
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->setText(LangText(LabelTexts[i]));
        m_labels[i]->setBuddy(m_channelBoxes[i]);
    }
    // The FM/AM list beside an emergency channel's list sets that channel's mode.
    for (std::size_t i = 0; i < m_modeBoxes.size(); ++i)
        NameControl(m_modeBoxes[i], m_labels[i + 1]->text() + QStringLiteral(" FM/AM"));
}

void GroupSettingsPanel::showGroup(int group)
{
    m_group = group;
    for (const SettingBox& entry : settingBoxes())
        entry.box->setVisible(IsGroupSettingOffered(m_doc, group, entry.setting));
    // Each label goes with its box (the group-valid box too: a list of
    // "Disable" and "Enabel" without its label would say nothing).
    for (std::size_t i = 0; i < m_labels.size(); ++i)
        m_labels[i]->setVisible(!m_channelBoxes[i]->isHidden());
    ReshowByCh();
}

void GroupSettingsPanel::fillPositions(const std::vector<int>& positions)
{
    // Most channel changes leave the positions as they are; refilling three
    // lists of up to 80 items would cost more than the change itself.
    if (positions == m_positions && m_channelBoxes[0]->count() == static_cast<int>(positions.size()))
        return;
    m_positions = positions;
    QStringList items;
    for (int p : positions)
        items << QString::number(p);
    for (int i = 0; i < ValidBox; ++i) {
        QComboBox* box = m_channelBoxes[static_cast<std::size_t>(i)];
        box->clear();
        box->addItems(items);
    }
}

void GroupSettingsPanel::ReshowByCh()
{
    fillPositions(ChannelPositionsInGroup(m_doc, m_group));
    for (const SettingBox& entry : settingBoxes()) {
        if (entry.box->isHidden())
            continue;
        const int value = GroupSettingValue(m_doc, m_group, entry.setting);
        if (listsPositions(entry.setting))
            SelectListText(entry.box, QString::number(value));
        else
            SelectListIndex(entry.box, value);
    }
    for (int i = 0; i < 2; ++i)
        m_modeBoxes[static_cast<std::size_t>(i)]->setEnabled(!IsGroupModeLocked(m_doc, m_group, i));
}

void GroupSettingsPanel::onChosen(GroupSetting setting, QComboBox* box)
{
    const int value = listsPositions(setting) ? positionOf(box) : box->currentIndex();
    // A stored change comes back through the document's notification; a
    // refused or unchanged one shows what the record holds.
    if (!SetGroupSetting(m_doc, m_group, setting, value).stored())
        ReshowByCh();
}
