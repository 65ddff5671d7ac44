// The child windows in the main window on a small screen: each fits the
// child area (or scrolls its page) with Close in view, Ctrl+W writes to the
// radio whichever is active, and Escape closes an editor as Close does.

#include "channel_window_fixture.h"

#include "gui/app/frm_main.h"
#include "gui/base/widget_helpers.h"
#include "gui/app/channel_commands.h"
#include "gui/app/dtmf_key_commands.h"
#include "gui/app/opt_feature_command.h"
#include "gui/app/tone_tips_command.h"
#include "core/model/band_range.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

TEST_F(ChannelWindowTest, ChildWindowsFitTakeTheMenuKeysAndCloseOnEscape)
{
    ASSERT_TRUE(ApplyBandMode(doc, 1));
    frmMain main(doc);
    for (auto registerCommands : {registerChannelCommands, registerOptFeatures, registerDtmfAndKeys, registerToneTips})
        registerCommands(main, doc);
    int writes = 0;
    main.registerCommand(Command::WriteToRadio, [&] { ++writes; });
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    const std::pair<const char*, Command> windows[] = {{"frmCommChInfo", Command::ChannelInfo},
                                                       {"FrmCHInfoEdit", Command::ChannelInfo},
                                                       {"FrmOptFeatures", Command::OptFeature},
                                                       {"FrmDTMF", Command::Dtmf},
                                                       {"FrmKey", Command::Key},
                                                       {"FrmToneTips", Command::ToneTips}};
    QWidget* area = main.mdiArea()->viewport();
    for (const auto& [name, command] : windows) {
        SCOPED_TRACE(name);
        main.runCommand(command);
        if (QString(name) == "FrmCHInfoEdit")
            main.findChild<QPushButton*>("CommandCHInfoEdit")->click();
        QMdiSubWindow* sub = FindChildForm(main.mdiArea(), name);
        ASSERT_NE(sub, nullptr);
        EXPECT_TRUE(area->rect().contains(sub->geometry()));
        const auto* close = sub->widget()->findChild<QPushButton*>("CommandClose");
        EXPECT_TRUE(area->rect().contains(QRect(close->mapTo(area, QPoint(0, 0)), close->size())));
        const int before = writes;
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_W));
        EXPECT_EQ(writes, before + 1);
        if (QString(name) == "frmCommChInfo")
            continue;  // Escape there ends an in-place edit
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        EXPECT_EQ(FindChildForm(main.mdiArea(), name), nullptr);
    }
}
