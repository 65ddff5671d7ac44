#pragma once

#include "core/model/document.h"

#include <QWidget>

#include <map>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct OptionField;

// The optional features: the radio-wide options (left frame) and the public
// channel's settings with the maximum SWR (right frame). A modeless child of
// the main window without OK or Cancel: every pick is stored at once through
// the options' store operations. Filling the controls stores nothing; only
// an AM public channel with "High" power is stored with power 1 when shown.
//
// Each list is named after its store code: "Combo1_<code>" for the options,
// "Combo2_<code - 100>" for the public channel; "Text2" is the offset box,
// "Check1" and "Text1" the maximum-SWR check box and box.
class FrmOptFeatures : public QWidget, private DocumentObserver {
    Q_OBJECT
public:
    static constexpr const char* FormName = "FrmOptFeatures";

    explicit FrmOptFeatures(Document& doc, QWidget* parent = nullptr);
    ~FrmOptFeatures() override;

    // Refills the roger-beep list with the defined tone tips and selects the
    // public channel's.
    void ShowRBOpt();
    // A half-typed offset or maximum SWR is stored normalised and shown as
    // stored, so that box and record agree (on leaving, closing, before a save
    // or a transfer).
    void commitPendingEdits();

    QComboBox* list(int storeCode) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void addListRow(QWidget* frame, const OptionField& field, int row);
    void placeControl(QWidget* control, int row);
    void placeLabel(QLabel* label, const QWidget* control);
    void InitCombos();
    void ChangShowByLanguage();
    void ShowOptFeat();
    void applyBandRules();
    void showDtmfLists();
    void FillPowerList();
    void SaveOptFeat(int storeCode);
    void storeValue(int storeCode, const std::string& value);
    void offsetEdited();
    void showStoredOffset();
    void normaliseMaxSwr();
    void documentChanged(const DocumentChange& change) override;

    Document& m_doc;
    QGroupBox* m_frame1 = nullptr;
    QGroupBox* m_frame3 = nullptr;
    std::map<int, QComboBox*> m_lists;  // by store code
    std::map<int, QLabel*> m_labels;    // by store code
    QLineEdit* m_offset = nullptr;      // Text2
    QLineEdit* m_maxSwr = nullptr;      // Text1
    QLabel* m_maxSwrLabel = nullptr;    // Label4
    QCheckBox* m_useMaxSwr = nullptr;   // Check1
    QPushButton* m_close = nullptr;
    QPushButton* m_help = nullptr;
    bool m_storing = false;        // our own store is being announced
    bool m_offsetPending = false;  // typed since the box last showed the stored offset
    bool m_maxSwrPending = false;  // typed since the box was last normalised
};
