#pragma once

#include "core/channels/group_settings.h"

#include <QWidget>

#include <array>
#include <vector>

class Document;
class QComboBox;
class QLabel;

// The settings of the shown group under the channel grid: the working
// channel (Combo8(0), in the memory group Value1B), the two emergency
// channels (Combo8(1), (2)) with their modulations (Combo10(0), (1)) and
// whether the group is offered at all (Combo8(3), bands "HF" and "HAM").
// Each box shows only where the group has that setting. A choice goes to the
// document at once; a refused one shows the stored value again.
class GroupSettingsPanel : public QWidget {
    Q_OBJECT
public:
    GroupSettingsPanel(Document& doc, QWidget* parent = nullptr);

    // Shows the boxes the group has, filled from the record.
    void showGroup(int group);
    // Fills the boxes from the record again (ReshowByCh).
    void ReshowByCh();
    void setTexts();

    // Combo8(i): 0 working, 1 and 2 emergency, 3 group valid.
    QComboBox* channelBox(int i) const { return m_channelBoxes.at(static_cast<std::size_t>(i)); }
    // Combo10(i): modulation of emergency channel i + 1.
    QComboBox* modeBox(int i) const { return m_modeBoxes.at(static_cast<std::size_t>(i)); }

private:
    struct SettingBox {
        QComboBox* box;
        GroupSetting setting;
    };

    void buildLayout();
    std::array<SettingBox, 6> settingBoxes() const;
    void onChosen(GroupSetting setting, QComboBox* box);
    void fillPositions(const std::vector<int>& positions);

    Document& m_doc;
    int m_group = 0;
    std::array<QLabel*, 4> m_labels{};           // Label3(0..3)
    std::array<QComboBox*, 4> m_channelBoxes{};  // Combo8(0..3)
    std::array<QComboBox*, 2> m_modeBoxes{};     // Combo10(0..1)
    std::vector<int> m_positions;                // what the position lists offer
};
