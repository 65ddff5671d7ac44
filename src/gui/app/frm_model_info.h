#pragma once

#include <QDialog>

#include <functional>

class Document;
class QComboBox;
class QLabel;
class QPushButton;

// The model dialog: shows the model and lets the user switch the band mode
// of the document. A switch, once confirmed, starts a new document for the
// new band through the main window.
class FrmModelInfo : public QDialog {
    Q_OBJECT
public:
    FrmModelInfo(Document& doc, std::function<void()> loadNewDoc, QWidget* parent = nullptr);

    void ChangShowByLanguage();

    QComboBox* modelCombo() const { return m_combo1; }
    QComboBox* rangeCombo() const { return m_combo2; }
    QComboBox* modeCombo() const { return m_combo3; }

private:
    void Combo3_Click(int index);
    void CommandOK_Click();

    Document& m_doc;
    std::function<void()> m_loadNewDoc;
    QLabel* m_labels[3] = {};
    QComboBox* m_combo1 = nullptr;
    QComboBox* m_combo2 = nullptr;
    QComboBox* m_combo3 = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_loading = false;
};
