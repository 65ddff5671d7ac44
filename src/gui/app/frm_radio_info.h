#pragma once

#include <QWidget>

#include <array>

class Document;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The radio information window (a child window): production, service and
// dealer data of the radio information record. It only shows the record;
// nothing typed here is stored, so its boxes are read-only.
class FrmRadioInfo : public QWidget {
    Q_OBJECT
public:
    static constexpr int TextCount = 12;

    explicit FrmRadioInfo(Document& doc, QWidget* parent = nullptr);

    // Fills the controls from the document's radio information record. A
    // band other than 0, 1, 2 (an erased radio area) shows as unknown.
    void ShowByData();
    void ChangShowByLanguage();

    // Text1(i): the text of box i (box 4 is the repair reason).
    QString text1(int index) const;
    QComboBox* modelCombo() const { return m_model; }
    QComboBox* rangeCombo() const { return m_range; }
    QComboBox* modeCombo() const { return m_mode; }

private:
    void buildLayout();
    QLineEdit* lineBox(int index);

    Document& m_doc;
    std::array<QLineEdit*, TextCount> m_text1{};  // index 4 unused: m_reason
    QPlainTextEdit* m_reason = nullptr;
    QComboBox* m_model = nullptr;   // Combo1(0)
    QComboBox* m_range = nullptr;   // Combo1(1)
    QComboBox* m_mode = nullptr;    // Combo3
    QGroupBox* m_frame1 = nullptr;
    std::array<QLabel*, 16> m_labels{};  // by text number 21002..21016, then Label1(14)
    QPushButton* m_close = nullptr;
    QPushButton* m_help = nullptr;
};
