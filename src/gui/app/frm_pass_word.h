#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The programming password of the radio, entered before a transfer or when the
// radio asks for another. It lives only while the program runs.
class FrmPassWord : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxLength = 4;

    explicit FrmPassWord(QWidget* parent = nullptr);

private:
    void CommandOK_Click();

    QLabel* m_label1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
