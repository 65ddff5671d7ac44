#pragma once

#include "core/editors/dtmf_update.h"
#include "core/model/document.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// The DTMF settings: the signalling timings, the D key and the display switch
// (tab "encode"), and the sixteen code slots (tab "auto-dial memory"); the
// decode tab stays hidden. A modeless child of the main window without OK or
// Cancel: every pick and every typed digit is stored at once. Showing the
// window stores only the values its controls cannot show. A slot left empty
// loses the references of the channels and the public channel to it when the
// edit is committed (the box is left, the window closes, or a save or a
// transfer is about to read the records), not while it is being retyped.
//
// Controls: "SSTab1", the lists "Combo1_0".."Combo1_4" with "Label1_<i>",
// "Check1", the code boxes "Text2_0".."Text2_15" with "Label4_<j>".
class FrmDTMF : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* FormName = "FrmDTMF";

    explicit FrmDTMF(Document& doc, QWidget* parent = nullptr);
    ~FrmDTMF() override;

    void commitPendingEdits();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildEncodeTab(QWidget* page);
    void buildCodeTab(QWidget* page);
    void InitCombos();
    void ChangShowByLanguage();
    void ShowDTMF();
    void settingPicked(int list, int position);
    void codeEdited(int slot, const QString& text);

    Document& m_doc;
    DtmfCodeEdits m_edits;
    QTabWidget* m_tabs = nullptr;
    std::vector<QComboBox*> m_lists;    // Combo1(i), in the order of DtmfSettingTable
    std::vector<QLabel*> m_listLabels;  // Label1(i)
    QCheckBox* m_display = nullptr;     // Check1
    std::vector<QLineEdit*> m_codes;    // Text2(slot - 1)
    std::vector<QLabel*> m_codeLabels;  // Label4(slot - 1)
};
