#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

// The channel window's choice of group: in bands "HF" and "HAM" one list of
// all groups (Combo7); in band "CB" the country list (Combo9(0)), whose "U"
// opens a second list (Combo9(1)) of "U" and "UK". Only the user's choices
// are announced; showing a group from code announces nothing.
class GroupChooser : public QWidget {
    Q_OBJECT
public:
    explicit GroupChooser(QWidget* parent = nullptr);

    // Fills the lists for the band and shows the selector the band uses.
    void fillForBand(int bandMode);
    // Shows the group in the selectors.
    void showGroup(int group);
    void setLabelText(const QString& text);
    // Lets the lists start at a given left edge (in the chooser, pixels), with
    // the label's text ending the gap before them, as the other labels of the
    // window stand.
    void alignLabel(int listLeft, int gap);

    QComboBox* groupBox() const { return m_groupBox; }
    QComboBox* countryBox() const { return m_countryBox; }
    QComboBox* subCountryBox() const { return m_subCountryBox; }

signals:
    void groupChosen(int group);

private:
    void onCountryChosen();
    void chooseByName(const QString& name);

    int m_bandMode = 0;
    QLabel* m_label = nullptr;
    QComboBox* m_groupBox = nullptr;       // Combo7
    QComboBox* m_countryBox = nullptr;     // Combo9(0)
    QComboBox* m_subCountryBox = nullptr;  // Combo9(1)
};
