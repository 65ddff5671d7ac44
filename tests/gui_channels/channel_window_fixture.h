#pragma once

#include "../gui/gui_test_support.h"

#include "gui/base/document_signals.h"
#include "gui/app/prompt_notifier.h"
#include "gui/channels/channel_columns.h"
#include "gui/channels/channel_grid_view.h"
#include "gui/channels/channel_table_model.h"
#include "gui/channels/frm_comm_ch_info.h"
#include "gui/channels/group_chooser.h"
#include "gui/channels/group_settings_panel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

// A double click as the window system delivers it.
void doubleClick(QWidget* widget, QPoint at);

// Messages take the focus while they are shown, as a real message box does,
// and give it back when they close.
class FocusTakingPrompts : public ScriptedPrompts {
public:
    void message(const QString& text, NoticeIcon icon, const QString& title = {}) override;
};

// A document of one band and the channel window on it, outside the main
// window, driven by mouse and keys as a user would. Message boxes go to the
// scripted boxes, so each one shown is counted.
class ChannelWindowTest : public GuiTest {
public:  // the user actions are shared with the tests' tables of steps
    void SetUp() override;
    void TearDown() override;

    // The built-in new document of the band: channels 1, 401 and 402..409.
    void newDocument(int band);
    // Stores channels at positions first..last of the group (before the
    // window opens), on frequencies 10 kHz apart from the band's lower limit
    // plus an offset in kHz.
    void addChannels(int group, int first, int last, int offsetKhz = 0);
    frmCommChInfo& openWindow();

    ChannelGridView& grid() const { return *window->grid(); }
    QString cellText(int row, int column) const;
    const ChannelRecord* channel(int channelNo) const;

    // User actions.
    void doubleClickCell(int row, int column);
    void enterOnCell(int row, int column);
    void typeIntoEditor(const QString& text);
    // Chooses the item of a list as a user does: opens its list and clicks it.
    void pick(QComboBox* box, const QString& item);
    // Shows the group through the selectors.
    void chooseGroup(const QString& name);
    // A click somewhere outside the grid (on the group list, whose list is
    // closed again at once).
    void clickOutsideGrid();
    // The open editor, if any, as the focus shows it.
    QLineEdit* lineEditor() const;
    QComboBox* listEditor() const;

    // How many warnings of the given text the user saw.
    int shown(int textNumber) const;

    FocusTakingPrompts boxes;
    Document doc;
    PromptNotifier notifier;
    std::unique_ptr<DocumentSignals> docSignals;
    std::unique_ptr<frmCommChInfo> window;
};
