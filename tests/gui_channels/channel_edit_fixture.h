#pragma once

#include "channel_window_fixture.h"

#include "gui/channels/frm_ch_info_edit.h"
#include "gui/channels/frm_mem_freq.h"

#include <QGroupBox>
#include <QLabel>

#include <functional>

// Records every change the document announces.
class AnnouncedChanges : public DocumentObserver {
public:
    void documentChanged(const DocumentChange& change) override { changes.push_back(change); }
    std::vector<DocumentChange> changes;
};

// The channel edit dialog on a document of one band, outside the main
// window, driven through its controls as a user would.
class ChannelEditTest : public ChannelWindowTest {
public:
    void TearDown() override;

    // Opens the dialog on the channel at a one-based position of a group.
    FrmCHInfoEdit& openEdit(int group, int position);
    ChannelRecord* record(int channelNo);

    QComboBox* row(int r) const { return edit->rowList(r); }
    // Rows that show and are enabled, by number.
    std::vector<int> enabledRows() const;
    std::vector<int> shownRows() const;
    // Types into a box and leaves it with Tab.
    void typeAndLeave(QLineEdit* box, const QString& text);
    // Types into a box without leaving it.
    void typeInto(QLineEdit* box, const QString& text);
    // Runs the action on the modal dialog that the next step opens, once it is up.
    void whenMemFreqOpens(std::function<void(Frm_Mem_Freq&)> action);
    void clickMemFreqButton();

    AnnouncedChanges announced;
    std::unique_ptr<FrmCHInfoEdit> edit;
};
