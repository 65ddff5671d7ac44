#pragma once

#include "core/channels/mem_freq_choice.h"

#include <QDialog>

class Document;
class QComboBox;
class QLineEdit;
class QPushButton;

// The memory-frequency dialog: in the CB band a memory channel takes the
// frequency of a country channel, picked here by country group and position.
// It opens on the country channel nearest to the edit dialog's frequency
// ("Off" when there is none). OK hands the shown frequency back (an empty
// one for "Off") and is offered only while the chosen position holds a
// channel; Cancel changes nothing. The dialog itself never stores.
class Frm_Mem_Freq : public QDialog {
    Q_OBJECT
public:
    Frm_Mem_Freq(const Document& doc, const QString& freqText, QWidget* parent = nullptr);

    // The text OK hands back.
    QString chosenText() const;

    QComboBox* groupList() const { return m_groups; }
    QComboBox* positionList() const { return m_positions; }
    QLineEdit* freqBox() const { return m_freq; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    void fillPositions();
    void onGroupChosen();
    void onPositionChosen();
    // Shows the chosen channel's frequency and offers OK when there is one.
    void showChannel();

    const Document& m_doc;
    MemFreqChoice m_choice;
    QComboBox* m_groups = nullptr;     // Combo1(0)
    QComboBox* m_positions = nullptr;  // Combo1(1)
    QLineEdit* m_freq = nullptr;       // Text1
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
