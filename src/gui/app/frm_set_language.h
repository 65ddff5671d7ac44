#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// The language dialog: the user picks one of the installed languages. The choice is
// stored in the setup file at once; the main window re-applies its texts the
// next time it is activated.
class FrmSetLanguage : public QDialog {
    Q_OBJECT
public:
    explicit FrmSetLanguage(QWidget* parent = nullptr);

    void ChangShowByLanguage();

private:
    void CommandOK_Click();

    QLabel* m_label1 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
