// The channel window's editing commands as a user reaches them: keys on the
// grid, the clipboard, one message after a paste or delete.

#include "channel_window_fixture.h"

#include "core/app/undo_history.h"
#include "core/channels/channel_clip.h"
#include "gui/channels/channel_edit_commands.h"
#include "core/channels/channel_update.h"
#include "core/freq/freq_code.h"
#include "lang_text_ids.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <functional>

namespace {

using Id = ChannelEditCommands::Id;

class ChannelEditCommandsTest : public ChannelWindowTest {
protected:
    // A document of the band with channels at positions first..last of the group, and the window on it.
    void open(int band, int group, int first, int last)
    {
        newDocument(band);
        for (int p = first; p <= last; ++p) {
            if (!ChannelAt(doc, group, p))
                addChannels(group, p, p);
        }
        openWindow();
        if (group != window->shownGroup())
            window->ChangeGroup(group);
        commands = window->findChild<ChannelEditCommands*>();
        if (!commands)
            commands = new ChannelEditCommands(*window, doc, notifier);
        grid().setFocus();
    }
    // Clicks a row, then shift-clicks another, as a user selects a run.
    void selectRows(int from, int to)
    {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, rowCentre(from));
        if (to != from)
            QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::ShiftModifier, rowCentre(to));
    }
    QPoint rowCentre(int row) const
    {
        const QModelIndex index = window->model()->index(row, NumberColumn);
        grid().scrollTo(index);
        return grid().visualRect(index).center();
    }
    void press(QKeySequence key) { QTest::keySequence(&grid(), key); }
    QString freqAt(int row) const { return cellText(row, FreqColumn); }

    ChannelEditCommands* commands = nullptr;
};

TEST_F(ChannelEditCommandsTest, CopyPutsOurFormAndATableOnTheClipboard)
{
    open(1, 0, 1, 3);
    const QString first = freqAt(0);
    selectRows(0, 1);
    press(QKeySequence::Copy);
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(mime->hasFormat(ChannelEditCommands::MimeType));
    const auto clip = ClipFromText(mime->data(ChannelEditCommands::MimeType).toStdString());
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->rows.size(), 2u);
    const QStringList lines = mime->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].split(QLatin1Char('\t')).first(), LangText(Txt::GridPosition));
    EXPECT_EQ(lines[1], QStringLiteral("1\t%1\tOn\tOff\tAdd\tOff\tOff").arg(first));
}

TEST_F(ChannelEditCommandsTest, PasteWritesOntoTheSelectedRowAndTellsOnceWhatDidNotFit)
{
    open(1, 0, 1, 3);
    selectRows(0, 2);
    press(QKeySequence::Copy);
    selectRows(38, 38);
    press(QKeySequence::Paste);
    EXPECT_EQ(freqAt(38), freqAt(0));
    EXPECT_EQ(freqAt(39), freqAt(1));
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, LangText(Txt::SummaryDidNotFit).arg(1));
}

TEST_F(ChannelEditCommandsTest, CutEmptiesTheRowsAndPasteBringsThemBack)
{
    open(2, 0, 1, 4);
    const QString second = freqAt(1);
    selectRows(1, 2);
    press(QKeySequence::Cut);
    EXPECT_EQ(freqAt(1), QString());
    EXPECT_EQ(freqAt(2), QString());
    selectRows(5, 5);
    press(QKeySequence::Paste);
    EXPECT_EQ(freqAt(5), second);
    EXPECT_TRUE(boxes.asked.empty());
}

TEST_F(ChannelEditCommandsTest, MoveKeepsTheChannelSelected)
{
    open(1, 0, 1, 2);
    const QString first = freqAt(0);
    selectRows(0, 0);
    press(QKeySequence(Qt::CTRL | Qt::Key_Down));
    press(QKeySequence(Qt::CTRL | Qt::Key_Down));
    EXPECT_EQ(freqAt(2), first);
    EXPECT_EQ(grid().currentIndex().row(), 2);
    press(QKeySequence(Qt::CTRL | Qt::Key_Up));
    EXPECT_EQ(freqAt(1), first);
}

TEST_F(ChannelEditCommandsTest, InsertWithTheLastPositionFullIsRefusedWithAMessage)
{
    open(1, 0, 1, 40);
    selectRows(0, 0);
    press(QKeySequence(Qt::Key_Insert));
    EXPECT_EQ(shown(Txt::InsertLastFull), 1);
    EXPECT_FALSE(freqAt(0).isEmpty());
}

TEST_F(ChannelEditCommandsTest, KeysDoNothingWhileAnEditorIsOpen)
{
    open(1, 0, 1, 2);
    const QString first = freqAt(0);
    doubleClickCell(0, FreqColumn);
    ASSERT_NE(lineEditor(), nullptr);
    QTest::keyClick(lineEditor(), Qt::Key_Insert);
    QTest::keyClick(lineEditor(), Qt::Key_Down, Qt::ControlModifier);
    window->SetEditDisable();
    EXPECT_EQ(freqAt(0), first);
    EXPECT_FALSE(freqAt(1).isEmpty());
}

TEST_F(ChannelEditCommandsTest, CountryGroupsKeepTheirPlan)
{
    open(0, 0, 1, 5);
    for (Id id : {Id::Cut, Id::Insert, Id::Delete, Id::MoveUp, Id::MoveDown})
        EXPECT_FALSE(commands->isEnabled(id));
    EXPECT_TRUE(commands->isEnabled(Id::Copy));
    EXPECT_TRUE(commands->isEnabled(Id::Paste));
    const QString first = freqAt(0);
    selectRows(0, 0);
    press(QKeySequence(Qt::Key_Delete));
    EXPECT_EQ(freqAt(0), first);
    chooseGroup("MEM");
    EXPECT_TRUE(commands->isEnabled(Id::Delete));
}

TEST_F(ChannelEditCommandsTest, DeletingTheLastMemoryChannelsTellsHowManyWereKept)
{
    open(2, 11, 1, 0);
    ASSERT_EQ(window->shownGroup(), 11);
    selectRows(0, 7);
    press(QKeySequence(Qt::Key_Delete));
    int left = 0;
    for (int row = 0; row < 8; ++row)
        left += freqAt(row).isEmpty() ? 0 : 1;
    EXPECT_EQ(left, 1);
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, LangText(Txt::SummaryKept).arg(1));
}

TEST_F(ChannelEditCommandsTest, PasteTakesTheCopiedTableBackFromASpreadsheet)
{
    open(1, 0, 1, 3);
    selectRows(0, 1);
    press(QKeySequence::Copy);
    // A spreadsheet gives the rows back with its own line ends, and the
    // user changed the tone squelch of the first.
    QString table = QGuiApplication::clipboard()->text().replace("\tOn\tOff\tAdd", "\tOn\tOn\tAdd");
    QGuiApplication::clipboard()->setText(table.replace("\n", "\r\n"));
    selectRows(10, 10);
    press(QKeySequence::Paste);
    EXPECT_EQ(freqAt(10), freqAt(0));
    EXPECT_EQ(freqAt(11), freqAt(1));
    EXPECT_EQ(cellText(10, TsqColumn), "On");
    EXPECT_TRUE(boxes.asked.empty());

    QGuiApplication::clipboard()->setText("nothing to paste");
    press(QKeySequence::Paste);
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, LangText(Txt::PasteNothing));
}

TEST_F(ChannelEditCommandsTest, UndoStepsNameTheCommandWithANumberThatAgrees)
{
    struct Case {
        int from, to;
        std::function<void()> command;
        QString name;
    };
    const QString one = LangText(Txt::UndoStepOneChannel);
    const QString two = LangText(Txt::UndoStepChannels).arg(2);
    const Case cases[] = {
        {0, 0, [this] { press(QKeySequence(Qt::Key_Insert)); }, LangText(Txt::UndoStepInsert)},
        {0, 1, [this] { press(QKeySequence(Qt::CTRL | Qt::Key_Down)); }, LangText(Txt::UndoStepMove).arg(two)},
        {0, 1, [this] { press(QKeySequence::Cut); }, LangText(Txt::UndoStepCut).arg(two)},
        {0, 0, [this] { press(QKeySequence(Qt::Key_Delete)); }, LangText(Txt::UndoStepDelete).arg(one)},
        {0, 0, [this] { press(QKeySequence::Copy), selectRows(5, 5), press(QKeySequence::Paste); },
         LangText(Txt::UndoStepPaste).arg(one)},
    };
    for (const Case& c : cases) {
        window.reset();
        open(1, 0, 1, 3);
        UndoHistory history(doc);
        selectRows(c.from, c.to);
        c.command();
        EXPECT_EQ(QString::fromStdString(history.undoName().text), c.name);
    }
}

}  // namespace
