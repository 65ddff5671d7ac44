// The child windows in the main window on a small screen: each fits the
// child area (or scrolls its page) with its buttons in view, Escape closes
// an editor as Close does, and the menu keys work whichever window is active.

#include "channel_window_fixture.h"

#include "app/frm_main.h"
#include "app/widget_helpers.h"
#include "channels/channel_commands.h"
#include "editors/dtmf_key_commands.h"
#include "editors/opt_feature_command.h"
#include "editors/tone_tips_command.h"
#include "freq/band_range.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

struct ChildWindow {
    const char* name;
    Command command;  // Command::ChannelInfo with the edit button: the edit dialog
};

const ChildWindow ChildWindows[] = {
    {"frmCommChInfo", Command::ChannelInfo},
    {"FrmCHInfoEdit", Command::ChannelInfo},
    {"FrmOptFeatures", Command::OptFeature},
    {"FrmDTMF", Command::Dtmf},
    {"FrmKey", Command::Key},
    {"FrmToneTips", Command::ToneTips},
};

class ChildWindowsTest : public ChannelWindowTest {
protected:
    void SetUp() override
    {
        ChannelWindowTest::SetUp();
        ASSERT_TRUE(ApplyBandMode(doc, 1));
        main = std::make_unique<frmMain>(doc);
        for (auto registerCommands :
             {registerChannelCommands, registerOptFeatures, registerDtmfAndKeys, registerToneTips})
            registerCommands(*main, doc);
        main->registerCommand(Command::WriteToRadio, [this] { ++writes; });
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        main.reset();
        ChannelWindowTest::TearDown();
    }
    QMdiSubWindow* open(const ChildWindow& child)
    {
        main->runCommand(child.command);
        if (QString(child.name) == "FrmCHInfoEdit")
            FindChildForm(main->mdiArea(), "frmCommChInfo")
                ->widget()
                ->findChild<QPushButton*>("CommandCHInfoEdit")
                ->click();
        QCoreApplication::processEvents();
        return FindChildForm(main->mdiArea(), child.name);
    }

    std::unique_ptr<frmMain> main;
    int writes = 0;
};

TEST_F(ChildWindowsTest, EveryChildWindowFitsTheAreaWithItsButtonsInView)
{
    const QRect area = main->mdiArea()->viewport()->rect();
    for (const ChildWindow& child : ChildWindows) {
        QMdiSubWindow* sub = open(child);
        ASSERT_NE(sub, nullptr) << child.name;
        EXPECT_TRUE(area.contains(sub->geometry())) << child.name;
        const auto* close = sub->widget()->findChild<QPushButton*>("CommandClose");
        const QRect button(close->mapTo(main->mdiArea()->viewport(), QPoint(0, 0)), close->size());
        EXPECT_TRUE(area.contains(button)) << child.name;
    }
}

TEST_F(ChildWindowsTest, EscapeClosesTheEditDialogAndTheEditors)
{
    for (const ChildWindow& child : ChildWindows) {
        QMdiSubWindow* sub = open(child);
        ASSERT_NE(sub, nullptr) << child.name;
        if (QString(child.name) == "frmCommChInfo")
            continue;  // Escape there leaves an in-place edit
        sub->widget()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        EXPECT_EQ(FindChildForm(main->mdiArea(), child.name), nullptr) << child.name;
    }
}

TEST_F(ChildWindowsTest, WriteToRadioKeyWorksWhicheverWindowIsActive)
{
    int expected = 0;
    for (const ChildWindow& child : ChildWindows) {
        QMdiSubWindow* sub = open(child);
        ASSERT_NE(sub, nullptr) << child.name;
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_W));
        EXPECT_EQ(writes, ++expected) << child.name;
        EXPECT_NE(FindChildForm(main->mdiArea(), child.name), nullptr) << child.name;
    }
}

}  // namespace
