// The channel window follows the document, whoever changes it, and lives in
// the main window: opened by its command, its pending edit stored before
// the main window reads the records.

#include "channel_window_fixture.h"

#include "core/app/data_file.h"
#include "gui/app/frm_main.h"
#include "gui/base/widget_helpers.h"
#include "gui/app/channel_commands.h"
#include "core/channels/channel_update.h"
#include "core/channels/group_settings.h"
#include "core/model/band_range.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

TEST_F(ChannelWindowTest, ChangesMadeElsewhereShowAtOnce)
{
    newDocument(1);
    openWindow();
    SilentNotifier quiet;

    // Another editor creates, changes and deletes channels of the shown bank.
    SetChannelData(doc, 0, 5, ChannelField::RxFreq, "28.2", quiet);
    EXPECT_EQ(cellText(4, FreqColumn), "28.20000");
    EXPECT_EQ(cellText(4, ScanColumn), "Add");
    EXPECT_EQ(window->settings()->channelBox(0)->count(), 2);
    SetChannelData(doc, 0, 5, ChannelField::Scan, 0, quiet);
    EXPECT_EQ(cellText(4, ScanColumn), "Del");
    // Deleting channel 1 moves every later list entry; the rows follow.
    SetChannelData(doc, 0, 1, ChannelField::RxFreq, "", quiet);
    EXPECT_EQ(cellText(0, FreqColumn), "");
    EXPECT_EQ(cellText(4, FreqColumn), "28.20000");

    // A channel of another bank leaves the rows as they are.
    SetChannelData(doc, 1, 5, ChannelField::RxFreq, "29.1", quiet);
    EXPECT_EQ(cellText(4, FreqColumn), "28.20000");

    // Group settings changed elsewhere.
    SetGroupSetting(doc, 0, GroupSetting::WorkChannel, 5);
    EXPECT_EQ(window->settings()->channelBox(0)->currentText(), "5");
    EXPECT_TRUE(boxes.asked.empty());
}

TEST_F(ChannelWindowTest, ReplacedDocumentIsShownAsAWhole)
{
    newDocument(0);
    openWindow();
    chooseGroup("DE");
    ASSERT_TRUE(ApplyBandMode(doc, 1));
    InitDocument(doc, path("V100/Init"));
    EXPECT_EQ(window->shownGroup(), 0);
    EXPECT_EQ(window->model()->rowCount(), 40);
    EXPECT_FALSE(window->chooser()->groupBox()->isHidden());
    EXPECT_FALSE(cellText(0, FreqColumn).isEmpty());
}

class ChannelWindowInMainTest : public ChannelWindowTest {
protected:
    frmCommChInfo* openChannelWindow(frmMain& main)
    {
        QMdiSubWindow* sub = nullptr;
        EXPECT_TRUE(waitUntil([&] {
            sub = FindChildForm(main.mdiArea(), QStringLiteral("frmCommChInfo"));
            return sub != nullptr;
        }));
        return sub ? qobject_cast<frmCommChInfo*>(sub->widget()) : nullptr;
    }
};

TEST_F(ChannelWindowInMainTest, MainWindowOpensOneChannelWindowAndStoresItsPendingEdit)
{
    ASSERT_TRUE(ApplyBandMode(doc, 1));
    frmMain main(doc);
    registerChannelCommands(main, doc);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    frmCommChInfo* w = openChannelWindow(main);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(main.isCommandEnabled(Command::ChannelInfo));
    EXPECT_TRUE(main.chEditMenu()->menuAction()->isVisible());

    main.runCommand(Command::ChannelInfo);
    EXPECT_EQ(main.mdiArea()->subWindowList().size(), 1);

    // An edit still being typed when the user saves or starts a transfer.
    const QModelIndex cell = w->model()->index(2, FreqColumn);
    doubleClick(w->grid()->viewport(), w->grid()->visualRect(cell).center());
    ASSERT_NE(lineEditor(), nullptr);
    QTest::keyClicks(lineEditor(), "29.5");
    main.commitPendingEdits();
    ASSERT_NE(channel(3), nullptr);
    EXPECT_EQ(channel(3)->RxFreq, "02950000");
    EXPECT_FALSE(w->grid()->isEditing());

    main.CloseCurAllWindows();
    QCoreApplication::processEvents();
    EXPECT_TRUE(main.mdiArea()->subWindowList().isEmpty());
    EXPECT_FALSE(main.chEditMenu()->menuAction()->isVisible());
}
