// Undo and redo in the main window: the Edit menu's entries and keys, a
// grid edit, a paste from the channel menu, the options window's
// normalisation on show, and a new document.

#include "channel_window_fixture.h"

#include "gui/app/edit_history.h"
#include "gui/app/frm_main.h"
#include "gui/base/widget_helpers.h"
#include "gui/app/channel_commands.h"
#include "gui/app/opt_feature_command.h"
#include "core/model/band_range.h"
#include "lang_text_ids.h"
#include "core/model/document_compare.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

class UndoInMainWindowTest : public ChannelWindowTest {
protected:
    void start(int band)
    {
        ASSERT_TRUE(ApplyBandMode(doc, band));
        main = std::make_unique<frmMain>(doc);
        registerChannelCommands(*main, doc);
        registerOptFeatures(*main, doc);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        main->runCommand(Command::ChannelInfo);
        QMdiSubWindow* sub = FindChildForm(main->mdiArea(), QStringLiteral("frmCommChInfo"));
        ASSERT_NE(sub, nullptr);
        channels = qobject_cast<frmCommChInfo*>(sub->widget());
    }
    void TearDown() override
    {
        main.reset();
        ChannelWindowTest::TearDown();
    }
    QAction* undoEntry() const { return main->findChild<QAction*>(QStringLiteral("mnuEditUndo")); }
    QAction* redoEntry() const { return main->findChild<QAction*>(QStringLiteral("mnuEditRedo")); }
    // Types a frequency into a row of the grid and lets the event end.
    void typeFrequency(int row, const char* text)
    {
        const QModelIndex cell = channels->model()->index(row, FreqColumn);
        doubleClick(channels->grid()->viewport(), channels->grid()->visualRect(cell).center());
        ASSERT_NE(lineEditor(), nullptr);
        QTest::keyClicks(lineEditor(), text);
        QTest::keyClick(lineEditor(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    void keys(QKeySequence key)
    {
        QTest::keySequence(channels->grid(), key);
        QCoreApplication::processEvents();
    }

    std::unique_ptr<frmMain> main;
    frmCommChInfo* channels = nullptr;
};

TEST_F(UndoInMainWindowTest, GridEditIsUndoneAndRedoneByKeys)
{
    start(1);
    EXPECT_FALSE(undoEntry()->isEnabled());
    EXPECT_FALSE(redoEntry()->isEnabled());
    EXPECT_EQ(undoEntry()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(redoEntry()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    EXPECT_TRUE(redoEntry()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    ASSERT_FALSE(IsDataChanged(doc));

    typeFrequency(2, "29.5");
    ASSERT_NE(channel(3), nullptr);
    ASSERT_TRUE(undoEntry()->isEnabled());
    EXPECT_EQ(undoEntry()->text(),
              LangText(Txt::MenuEditUndo) + QLatin1Char(' ') + LangText(Txt::UndoStepChannel).arg("A").arg(3)
                  + QStringLiteral(": RxFreq"));

    keys(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(channel(3), nullptr);
    EXPECT_TRUE(channels->model()->index(2, FreqColumn).data().toString().isEmpty());
    EXPECT_FALSE(IsDataChanged(doc));
    EXPECT_FALSE(undoEntry()->isEnabled());
    EXPECT_TRUE(redoEntry()->isEnabled());

    keys(QKeySequence(Qt::CTRL | Qt::Key_Y));
    ASSERT_NE(channel(3), nullptr);
    EXPECT_EQ(channel(3)->RxFreq, "02950000");
    EXPECT_TRUE(IsDataChanged(doc));
}

TEST_F(UndoInMainWindowTest, APasteFromTheChannelMenuIsOneStep)
{
    start(2);
    typeFrequency(1, "28.5");
    typeFrequency(2, "28.6");
    channels->grid()->setFocus();
    QTest::mouseClick(channels->grid()->viewport(), Qt::LeftButton, {},
                      channels->grid()->visualRect(channels->model()->index(0, NumberColumn)).center());
    QTest::mouseClick(channels->grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      channels->grid()->visualRect(channels->model()->index(2, NumberColumn)).center());
    main->chEditAction(1)->trigger();  // Copy
    QTest::mouseClick(channels->grid()->viewport(), Qt::LeftButton, {},
                      channels->grid()->visualRect(channels->model()->index(10, NumberColumn)).center());
    const auto before = doc.ChannelList;
    main->chEditAction(2)->trigger();  // Paste
    QCoreApplication::processEvents();
    ASSERT_NE(channel(13), nullptr);
    main->runCommand(Command::Undo);
    EXPECT_EQ(doc.ChannelList, before);
    main->runCommand(Command::Undo);
    main->runCommand(Command::Undo);
    EXPECT_FALSE(IsDataChanged(doc));
}

TEST_F(UndoInMainWindowTest, ShowingTheOptionsWindowIsNoStepAndANewDocumentClearsTheHistory)
{
    start(1);
    doc.Record.PublicChannel.AM_FM = 1;
    doc.Record.PublicChannel.Tx_Power = 2;
    doc.notifyReplaced();  // as an opened file with these values would come
    main->runCommand(Command::OptFeature);
    QCoreApplication::processEvents();
    EXPECT_EQ(doc.Record.PublicChannel.Tx_Power, 1);
    EXPECT_FALSE(undoEntry()->isEnabled()) << undoEntry()->text().toStdString();

    typeFrequency(4, "27.9");
    ASSERT_TRUE(undoEntry()->isEnabled());
    main->LoadNewDoc2();
    EXPECT_FALSE(undoEntry()->isEnabled());
    EXPECT_FALSE(redoEntry()->isEnabled());
}

}  // namespace
