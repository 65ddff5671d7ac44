// The grid's in-place editors: which cells open one, when an edit is
// stored, and that an edit is stored once, on its own channel.

#include "channel_window_fixture.h"

#include "core/channels/channel_update.h"
#include "core/app/data_file.h"
#include "core/freq/freq_code.h"
#include "lang_text_ids.h"
#include "core/model/document_compare.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolTip>

#include <functional>

namespace {

enum class Opening { DoubleClick, Enter };

struct CellCase {
    int band;
    const char* group;
    int row;
    int column;
    bool opens;
};

// Channels DocumentChange::Scope::Channel told by the spy's signals.
int channelChanges(const QSignalSpy& spy)
{
    int n = 0;
    for (const QList<QVariant>& args : spy)
        n += args.at(0).value<DocumentChange>().scope == DocumentChange::Scope::Channel ? 1 : 0;
    return n;
}

}  // namespace

TEST_F(ChannelWindowTest, CellsOpenAnEditorOnlyWhereTheBandAndChannelAllowIt)
{
    const CellCase cases[] = {
        // CB: the country plans' frequencies are never typed; an empty
        // position has nothing to edit.
        {0, "EU", 0, FreqColumn, false},
        {0, "EU", 0, PublicColumn, true},
        {0, "EU", 0, TsqColumn, true},
        {0, "EU", 0, ScanColumn, true},
        {0, "EU", 9, PublicColumn, false},
        {0, "EU", 9, ScanColumn, false},
        {0, "MEM", 0, FreqColumn, false},
        {0, "MEM", 0, ScanColumn, true},
        {0, "EU", 0, NumberColumn, false},
        {0, "EU", 0, EditColumn, false},
        // HF and HAM: a frequency typed into an empty position creates a
        // channel; its other fields wait for it; the VFO is never scanned.
        {1, "A", 0, FreqColumn, true},
        {1, "A", 9, FreqColumn, true},
        {1, "A", 9, PublicColumn, false},
        {1, "A", 0, ScanColumn, true},
        {1, "VFO", 0, ScanColumn, false},
        {1, "VFO", 0, TsqColumn, true},
        {2, "MEM", 7, FreqColumn, true},
        {2, "J", 0, FreqColumn, true},
    };
    for (const Opening opening : {Opening::DoubleClick, Opening::Enter}) {
        for (const CellCase& c : cases) {
            SCOPED_TRACE(testing::Message() << "band " << c.band << " " << c.group << " row " << c.row << " column "
                                            << c.column << (opening == Opening::Enter ? " Enter" : " double click"));
            window.reset();
            newDocument(c.band);
            if (c.band == 0)
                addChannels(0, 1, 5);
            openWindow();
            chooseGroup(c.group);
            if (opening == Opening::Enter)
                enterOnCell(c.row, c.column);
            else
                doubleClickCell(c.row, c.column);
            EXPECT_EQ(grid().isEditing(), c.opens);
            EXPECT_TRUE(boxes.asked.empty());
        }
    }
}

TEST_F(ChannelWindowTest, TypedFrequencyIsStoredAtTheFirstOfEveryWayOfLeavingTheEditor)
{
    struct Trigger {
        const char* name;
        std::function<void(ChannelWindowTest&)> leave;
    };
    const Trigger triggers[] = {
        {"Enter", [](ChannelWindowTest& t) { QTest::keyClick(t.lineEditor(), Qt::Key_Return); }},
        {"Tab", [](ChannelWindowTest& t) { QTest::keyClick(t.lineEditor(), Qt::Key_Tab); }},
        {"click on another cell",
         [](ChannelWindowTest& t) {
             const QModelIndex other = t.window->model()->index(0, TsqColumn);
             QTest::mouseClick(t.grid().viewport(), Qt::LeftButton, {}, t.grid().visualRect(other).center());
         }},
        {"click outside the grid", [](ChannelWindowTest& t) { t.clickOutsideGrid(); }},
        {"scrolling",
         [](ChannelWindowTest& t) {
             t.grid().verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
         }},
        {"closing the window", [](ChannelWindowTest& t) { t.window->close(); }},
        {"the edit button", [](ChannelWindowTest& t) { QTest::mouseClick(t.window->editButton(), Qt::LeftButton); }},
    };
    for (const Trigger& trigger : triggers) {
        SCOPED_TRACE(trigger.name);
        window.reset();
        newDocument(1);
        openWindow();
        doubleClickCell(2, FreqColumn);
        typeIntoEditor("27.1");
        ASSERT_EQ(channel(3), nullptr);
        trigger.leave(*this);
        QCoreApplication::processEvents();
        ASSERT_NE(channel(3), nullptr);
        EXPECT_EQ(channel(3)->RxFreq, "02710000");
        EXPECT_FALSE(grid().isEditing());
        EXPECT_TRUE(boxes.asked.empty());
    }
}

TEST_F(ChannelWindowTest, ListChoiceIsStoredAtOnceAndClosesTheList)
{
    newDocument(0);
    addChannels(0, 1, 3);
    openWindow();
    doubleClickCell(1, ScanColumn);
    ASSERT_NE(listEditor(), nullptr);
    EXPECT_EQ(listEditor()->currentText(), "Add");
    pick(listEditor(), "Del");
    EXPECT_EQ(channel(2)->Scan, 0);
    EXPECT_EQ(cellText(1, ScanColumn), "Del");
    EXPECT_FALSE(grid().isEditing());

    doubleClickCell(2, PublicColumn);
    ASSERT_NE(listEditor(), nullptr);
    pick(listEditor(), "Off");
    EXPECT_EQ(channel(3)->Public, 0);
    EXPECT_EQ(cellText(2, PublicColumn), "Off");
}

TEST_F(ChannelWindowTest, OutOfBandFrequencyWarnsOnceAndIsStoredOnce)
{
    const std::function<void(ChannelWindowTest&)> ways[] = {
        [](ChannelWindowTest& t) { QTest::keyClick(t.lineEditor(), Qt::Key_Return); },
        [](ChannelWindowTest& t) { QTest::keyClick(t.lineEditor(), Qt::Key_Tab); },
        [](ChannelWindowTest& t) { t.window->close(); },
    };
    for (const auto& leave : ways) {
        window.reset();
        boxes.asked.clear();
        newDocument(1);
        openWindow();
        QSignalSpy changes(docSignals.get(), &DocumentSignals::changed);
        doubleClickCell(0, FreqColumn);
        typeIntoEditor("31");
        leave(*this);
        QCoreApplication::processEvents();
        // Whatever else happens afterwards (the focus returning, another click).
        clickOutsideGrid();
        EXPECT_EQ(shown(9021), 1);
        EXPECT_EQ(channel(1)->RxFreq, "03010500");
        EXPECT_EQ(channelChanges(changes), 1);
    }
}

TEST_F(ChannelWindowTest, EditorLeftWithoutAChangeStoresNothing)
{
    newDocument(1);
    // A frequency off the raster: storing its own text again would move it.
    doc.ChannelList[0].RxFreq = "02761230";
    TakeBaseline(doc);
    openWindow();
    QSignalSpy changes(docSignals.get(), &DocumentSignals::changed);

    doubleClickCell(0, FreqColumn);
    ASSERT_NE(lineEditor(), nullptr);
    EXPECT_EQ(lineEditor()->text(), "27.61230");
    QTest::keyClick(lineEditor(), Qt::Key_Tab);
    doubleClickCell(0, TsqColumn);
    ASSERT_NE(listEditor(), nullptr);
    clickOutsideGrid();

    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(IsDataChanged(doc));
    EXPECT_TRUE(boxes.asked.empty());
}

TEST_F(ChannelWindowTest, DamagedStoredFrequencyIsReportedOnceWhenTheUserOpensItsEditor)
{
    newDocument(1);
    doc.ChannelList[0].RxFreq = "12AB5678";
    openWindow();
    grid().viewport()->repaint();
    EXPECT_TRUE(boxes.asked.empty()) << "painting the grid said something";

    doubleClickCell(0, FreqColumn);
    ASSERT_NE(lineEditor(), nullptr);
    QTest::keyClick(lineEditor(), Qt::Key_Tab);
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, QString::fromLatin1(NotNumericText));
    EXPECT_EQ(channel(1)->RxFreq, "12AB5678");
}

TEST_F(ChannelWindowTest, EditLandsOnItsChannelWhenTheGroupSwitchesUnderIt)
{
    const std::function<void(ChannelWindowTest&)> switches[] = {
        // The channel edit dialog switches the window's group.
        [](ChannelWindowTest& t) { t.window->ChangeGroup(1); },
        // The user chooses another bank.
        [](ChannelWindowTest& t) { t.chooseGroup("B"); },
    };
    for (const auto& switchGroup : switches) {
        window.reset();
        newDocument(1);
        openWindow();
        doubleClickCell(4, FreqColumn);
        typeIntoEditor("28.5");
        switchGroup(*this);
        QCoreApplication::processEvents();
        EXPECT_EQ(window->shownGroup(), 1);
        ASSERT_NE(channel(5), nullptr);
        EXPECT_EQ(channel(5)->RxFreq, "02850000");
        EXPECT_EQ(channel(45), nullptr);
        EXPECT_EQ(cellText(4, FreqColumn), "");
    }
}

TEST_F(ChannelWindowTest, RefusedDeletionLeavesTheStoredFrequencyShowing)
{
    newDocument(1);
    openWindow();
    chooseGroup("VFO");
    doubleClickCell(0, FreqColumn);
    QTest::keyClick(lineEditor(), Qt::Key_Backspace);
    QTest::keyClick(lineEditor(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_NE(channel(401), nullptr);
    EXPECT_FALSE(cellText(0, FreqColumn).isEmpty());
    EXPECT_TRUE(boxes.asked.empty());
}

TEST_F(ChannelWindowTest, EditColumnAndEditButtonAskForTheEditDialogOnTheirChannel)
{
    newDocument(1);
    openWindow();
    QSignalSpy asked(window.get(), &frmCommChInfo::editDialogRequested);
    doubleClickCell(6, EditColumn);
    enterOnCell(3, EditColumn);
    enterOnCell(8, ScanColumn);
    QTest::keyClick(&grid(), Qt::Key_Escape);
    QTest::mouseClick(window->editButton(), Qt::LeftButton);
    ASSERT_EQ(asked.count(), 3);
    EXPECT_EQ(asked[0], (QList<QVariant>{0, 7}));
    EXPECT_EQ(asked[1], (QList<QVariant>{0, 4}));
    EXPECT_EQ(asked[2], (QList<QVariant>{0, 9}));
    EXPECT_FALSE(grid().isEditing());
}

TEST_F(ChannelWindowTest, KeyboardStartsInTheGridAndADigitEditsTheFrequencyCell)
{
    newDocument(1);
    openWindow();
    EXPECT_EQ(QApplication::focusWidget(), &grid());
    grid().setCurrentIndex(window->model()->index(2, FreqColumn));
    QTest::keyClick(&grid(), Qt::Key_2);
    ASSERT_NE(lineEditor(), nullptr) << "the digit opened the editor of the cell";
    QTest::keyClicks(lineEditor(), "9.1");
    EXPECT_EQ(lineEditor()->text(), "29.1");
    QTest::keyClick(lineEditor(), Qt::Key_Tab);
    EXPECT_EQ(cellText(2, FreqColumn), "29.10000");
    EXPECT_EQ(grid().currentIndex(), window->model()->index(2, PublicColumn)) << "Tab moved on to the next cell";
}

TEST_F(ChannelWindowTest, CbMemoryFrequencyCellSaysHowItIsSet)
{
    newDocument(0);
    openWindow();
    chooseGroup("MEM");
    grid().setFocus();
    grid().setCurrentIndex(window->model()->index(0, FreqColumn));
    const QString before = cellText(0, FreqColumn);
    QTest::keyClick(&grid(), Qt::Key_5);
    EXPECT_EQ(lineEditor(), nullptr);
    EXPECT_EQ(QToolTip::text(), LangText(Txt::MemFreqCellHint));
    EXPECT_EQ(cellText(0, FreqColumn), before);
}
