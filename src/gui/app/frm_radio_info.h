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

    // The text of information box i as shown (box 4 is the repair reason).
    QString text1(int index) const;
    QComboBox* modelCombo() const { return m_model; }
    QComboBox* rangeCombo() const { return m_range; }
    QComboBox* modeCombo() const { return m_mode; }

private:
    void buildLayout();
    QLineEdit* lineBox(int index);

    Document& m_doc;
    std::array<QLineEdit*, TextCount> m_text1{};  // the one-line boxes; the repair reason is m_reason
    QPlainTextEdit* m_reason = nullptr;
    QComboBox* m_model = nullptr;  // the radio's model
    QComboBox* m_range = nullptr;  // its frequency range
    QComboBox* m_mode = nullptr;   // its band mode
    QGroupBox* m_frame1 = nullptr;
    std::array<QLabel*, 16> m_labels{};  // by text number 21002..21016, then the band mode's label
    QPushButton* m_close = nullptr;
    QPushButton* m_help = nullptr;
};
