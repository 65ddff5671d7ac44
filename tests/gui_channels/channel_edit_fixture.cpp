#include "channel_edit_fixture.h"

#include "core/channels/channel_update.h"

#include <QApplication>
#include <QTimer>

void ChannelEditTest::TearDown()
{
    edit.reset();
    doc.removeObserver(&announced);
    ChannelWindowTest::TearDown();
}

FrmCHInfoEdit& ChannelEditTest::openEdit(int group, int position)
{
    if (!docSignals)
        docSignals = std::make_unique<DocumentSignals>(doc);
    doc.removeObserver(&announced);
    doc.addObserver(&announced);
    edit = std::make_unique<FrmCHInfoEdit>(doc, *docSignals, notifier);
    edit->showChannel(group, position);
    edit->show();
    edit->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(edit.get()));
    announced.changes.clear();
    return *edit;
}

ChannelRecord* ChannelEditTest::record(int channelNo)
{
    const int i = FindChannelIndex(doc, channelNo);
    return i < 0 ? nullptr : &doc.ChannelList[static_cast<std::size_t>(i)];
}

std::vector<int> ChannelEditTest::enabledRows() const
{
    std::vector<int> rows;
    for (int r = 0; r < ChannelEditRowCount; ++r) {
        if (!row(r)->isHidden() && row(r)->isEnabled())
            rows.push_back(r);
    }
    return rows;
}

std::vector<int> ChannelEditTest::shownRows() const
{
    std::vector<int> rows;
    for (int r = 0; r < ChannelEditRowCount; ++r) {
        if (!row(r)->isHidden())
            rows.push_back(r);
    }
    return rows;
}

void ChannelEditTest::typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    QApplication::processEvents();  // the focus selects the whole text
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

void ChannelEditTest::typeAndLeave(QLineEdit* box, const QString& text)
{
    typeInto(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
    QApplication::processEvents();
}

void ChannelEditTest::whenMemFreqOpens(std::function<void(Frm_Mem_Freq&)> action)
{
    QTimer::singleShot(0, edit.get(), [action] {
        auto* dialog = qobject_cast<Frm_Mem_Freq*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "the memory frequency dialog is not open";
            return;
        }
        action(*dialog);
    });
}

void ChannelEditTest::clickMemFreqButton()
{
    ASSERT_FALSE(edit->memFreqButton()->isHidden());
    QTest::mouseClick(edit->memFreqButton(), Qt::LeftButton);
}
