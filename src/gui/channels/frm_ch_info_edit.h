#pragma once

#include "core/editors/channel_edit_form.h"

#include <QPointer>
#include <QWidget>

#include <array>

class Document;
class DocumentSignals;
class GroupChooser;
class Notifier;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct DocumentChange;

// The channel edit dialog: every setting of one channel at once, as a column
// of pick lists with the frequency and offset boxes. A modeless child of the
// main window without OK or Cancel: a pick is stored at once, a typed
// frequency or offset when the box is left (or Enter pressed, or the window
// closed, or the main window saves or talks to the radio). It keeps no copy
// of the channel: every change goes through the channel update path and the
// window shows what was stored, refreshed by the document's notification
// whoever made the change.
//
// Controls are named as the radio's programmers know them: "Combo1" the
// position list, "Combo2_<row>" the sixteen rows, "Text1" the frequency,
// "Text2" the offset, "Command1" the ">" of a CB memory channel.
class FrmCHInfoEdit : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* FormName = "FrmCHInfoEdit";

    FrmCHInfoEdit(Document& doc, DocumentSignals& docSignals, Notifier& notifier, QWidget* parent = nullptr);
    ~FrmCHInfoEdit() override;

    // Shows the channel at a one-based position of a group (as the channel
    // window asks); a frequency still being typed is stored first, on the
    // channel it was typed for.
    void showChannel(int group, int position);
    int group() const { return m_group; }
    int position() const { return m_position; }

    // Reloads every control from the channel record.
    void SetGridEditData();
    // Refills the tone-tip list with the tips that sound and reselects the channel's.
    void ShowRB();
    // Refills the position list with the group's positions.
    void ChangShowCHs(int group);
    // Stores a typed frequency or offset that has not been stored yet, once.
    void commitPendingEdits();

    GroupChooser* chooser() const { return m_chooser; }
    QComboBox* positionList() const { return m_positions; }
    QComboBox* rowList(int row) const { return m_rows[static_cast<std::size_t>(row)]; }
    QLabel* rowLabel(int row) const { return m_rowLabels[static_cast<std::size_t>(row)]; }
    QLineEdit* freqBox() const { return m_freq; }
    QLineEdit* offsetBox() const { return m_offset; }
    QPushButton* memFreqButton() const { return m_memButton; }
    QGroupBox* frame() const { return m_frame; }

signals:
    // The user chose another group here; the channel window follows.
    void groupShown(int group);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building and placing (frm_ch_info_edit_layout.cpp).
    void buildControls();
    QComboBox* addList(QWidget* parent, const QString& name);
    void applyBandLayout();
    void placeFrameControls();
    void ChangShowByLanguage();
    void placeLabels();
    void applyForm(const ChannelEditForm& form);
    void applyRow(int row, const ChannelEditRowState& state);

    // Edits (frm_ch_info_edit.cpp).
    void onGroupChosen(int group);
    void onPositionChosen();
    void onRowChosen(int row);
    void onFreqEdited();
    void commitFrequency();
    void commitOffset();
    void onMemFreqClicked();
    void onDocumentChanged(const DocumentChange& change);
    void reloadForDocument();
    void followShownGroup();
    void reportDamagedFrequency();
    void showDtmfLists(const ChannelEditForm& form);

    Document& m_doc;
    Notifier& m_notifier;
    QPointer<DocumentSignals> m_docSignals;  // the main window's, which may go first
    int m_group = 0;
    int m_position = 1;
    int m_bandMode = -1;           // the band the layout was made for
    bool m_updating = false;       // the window fills its controls
    bool m_freqPending = false;    // Text1 was typed in since it showed the record
    bool m_offsetPending = false;  // Text2 likewise
    int m_reportedChannel = 0;     // the channel whose damaged frequency code was reported

    QWidget* m_page = nullptr;  // the controls' page in the window's scroll area
    GroupChooser* m_chooser = nullptr;
    QLabel* m_positionLabel = nullptr;  // Label1
    QComboBox* m_positions = nullptr;   // Combo1
    QGroupBox* m_frame = nullptr;
    QLabel* m_freqLabel = nullptr;       // Label2(0)
    QLineEdit* m_freq = nullptr;         // Text1
    QPushButton* m_memButton = nullptr;  // Command1
    QLabel* m_offsetLabel = nullptr;     // Label2(1)
    QLineEdit* m_offset = nullptr;       // Text2
    std::array<QComboBox*, ChannelEditRowCount> m_rows{};
    std::array<QLabel*, ChannelEditRowCount> m_rowLabels{};
    QPushButton* m_close = nullptr;
    QPushButton* m_help = nullptr;
};
