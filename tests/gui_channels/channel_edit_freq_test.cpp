// The channel edit dialog's frequency box: creating and deleting channels in
// the bank bands, a typed frequency stored once and on its own channel, and
// the memory channels of the CB band, which take a country channel's
// frequency from the memory-frequency dialog.

#include "channel_edit_fixture.h"

#include "gui/app/frm_main.h"
#include "gui/base/widget_helpers.h"
#include "gui/app/channel_commands.h"
#include "core/channels/channel_update.h"
#include "core/model/band_range.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "lang_text_ids.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace {

constexpr int EU = 0, UK = 3, CbMem = 8;
constexpr int BankA = 0, BankB = 1, BankMem = 11;

}  // namespace

TEST_F(ChannelEditTest, TypingAFrequencyCreatesAChannelAndEmptyingItDeletesIt)
{
    for (const int band : {1, 2}) {
        newDocument(band);
        openEdit(BankB, 3);
        const int no = GetGroupStart(BankB, band) + 3;
        EXPECT_TRUE(edit->freqBox()->isEnabled());
        EXPECT_TRUE(enabledRows().empty()) << "an empty position has no fields";

        typeAndLeave(edit->freqBox(), "28.5");
        ASSERT_NE(record(no), nullptr) << "band " << band;
        EXPECT_EQ(record(no)->RxFreq, "02850000");
        EXPECT_EQ(edit->freqBox()->text(), "28.50000");
        EXPECT_EQ(row(3)->currentText(), "Add") << "the new channel's defaults show";
        EXPECT_EQ(edit->offsetBox()->text(), "100");
        EXPECT_FALSE(enabledRows().empty());

        typeAndLeave(edit->freqBox(), "");
        EXPECT_EQ(record(no), nullptr) << "band " << band;
        EXPECT_EQ(edit->freqBox()->text(), "");
        EXPECT_TRUE(enabledRows().empty());
        EXPECT_EQ(row(3)->currentIndex(), -1);
        EXPECT_EQ(shown(Txt::BadFrequency), 0);
        edit.reset();
    }
}

TEST_F(ChannelEditTest, TheLastMemoryChannelStays)
{
    newDocument(1);
    openEdit(BankMem, 1);
    for (int p = 2; p <= 8; ++p) {
        edit->showChannel(BankMem, p);
        typeAndLeave(edit->freqBox(), "");
    }
    edit->showChannel(BankMem, 1);
    typeAndLeave(edit->freqBox(), "");
    ASSERT_NE(record(402), nullptr);
    EXPECT_FALSE(edit->freqBox()->text().isEmpty()) << "the refused deletion shows the stored frequency again";
}

TEST_F(ChannelEditTest, ClosingStoresAPendingFrequencyOnceWithOneWarning)
{
    newDocument(1);
    addChannels(BankA, 2, 2);
    openEdit(BankA, 2);
    typeInto(edit->freqBox(), "31");
    edit->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(record(2)->RxFreq, "03010500") << "clamped to the band's top";
    EXPECT_EQ(shown(Txt::BadFrequency), 1);
    edit.reset();
    EXPECT_EQ(shown(Txt::BadFrequency), 1);
}

TEST_F(ChannelEditTest, ABoxLeftWithoutAChangeStoresNothing)
{
    newDocument(1);
    addChannels(BankA, 2, 2);
    record(2)->RxFreq = "02801230";  // off the raster, as a radio may hold it
    openEdit(BankA, 2);
    edit->freqBox()->setFocus();
    QTest::keyClick(edit->freqBox(), Qt::Key_Tab);
    edit->close();
    edit.reset();
    EXPECT_TRUE(announced.changes.empty());
    EXPECT_TRUE(boxes.asked.empty());
    EXPECT_EQ(record(2)->RxFreq, "02801230");
}

TEST_F(ChannelEditTest, APendingFrequencyIsStoredOnItsOwnChannelBeforeAnotherIsShown)
{
    newDocument(1);
    addChannels(BankA, 2, 2);
    openEdit(BankA, 2);
    typeInto(edit->freqBox(), "29.1");
    // The channel window asks for a channel of another bank meanwhile.
    edit->showChannel(BankB, 7);
    EXPECT_EQ(record(2)->RxFreq, "02910000");
    EXPECT_EQ(record(GetGroupStart(BankB, 1) + 7), nullptr);
    EXPECT_EQ(edit->freqBox()->text(), "");

    // The same when the user picks another group here.
    edit->showChannel(BankA, 2);
    typeInto(edit->freqBox(), "29.2");
    pick(edit->chooser()->groupBox(), "MEM");
    EXPECT_EQ(record(2)->RxFreq, "02920000");
    EXPECT_EQ(edit->group(), BankMem);
}

// --- The memory channels of the CB band -----------------------------------

class MemChannelEditTest : public ChannelEditTest {
protected:
    // Country channels on EU 1 and 2 and UK 1; the memory channels at 28 MHz.
    void SetUp() override
    {
        ChannelEditTest::SetUp();
        newDocument(0);
        addChannels(EU, 2, 2);
        addChannels(UK, 1, 1, 600);
    }
};

TEST_F(MemChannelEditTest, CancelLeavesTheMemoryChannelAsItIs)
{
    openEdit(CbMem, 1);
    const std::string before = record(402)->RxFreq;
    whenMemFreqOpens([](Frm_Mem_Freq& dialog) {
        EXPECT_EQ(dialog.groupList()->currentText(), "UK") << "the nearest country channel to 28 MHz";
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    });
    clickMemFreqButton();
    EXPECT_EQ(record(402)->RxFreq, before);
    EXPECT_TRUE(announced.changes.empty());
}

TEST_F(MemChannelEditTest, OkStoresTheChosenCountryChannel)
{
    openEdit(CbMem, 1);
    whenMemFreqOpens([this](Frm_Mem_Freq& dialog) {
        pick(dialog.groupList(), "EU");
        pick(dialog.positionList(), "2");
        EXPECT_EQ(dialog.freqBox()->text(), "26.97500");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    clickMemFreqButton();
    EXPECT_EQ(record(402)->RxFreq, "02697500");
    EXPECT_EQ(edit->freqBox()->text(), "26.97500");
}

TEST_F(MemChannelEditTest, OkIsOfferedOnlyForAPositionThatHoldsAChannel)
{
    openEdit(CbMem, 2);
    whenMemFreqOpens([this](Frm_Mem_Freq& dialog) {
        pick(dialog.groupList(), "I2");
        EXPECT_FALSE(dialog.okButton()->isEnabled());
        EXPECT_EQ(dialog.freqBox()->text(), "28.14125") << "the previous text stays";
        pick(dialog.groupList(), "Off");
        EXPECT_TRUE(dialog.okButton()->isEnabled());
        EXPECT_EQ(dialog.freqBox()->text(), "");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    clickMemFreqButton();
    EXPECT_EQ(record(403), nullptr) << "\"Off\" clears the memory channel";
}

TEST_F(ChannelEditTest, WithoutACountryChannelTheMemoryDialogOpensOnOffAndTheStoreIsRefused)
{
    newDocument(0);
    RemoveChannelAt(doc, FindChannelIndex(doc, 1));  // the only country channel
    openEdit(CbMem, 1);
    const std::string before = record(402)->RxFreq;
    whenMemFreqOpens([](Frm_Mem_Freq& dialog) {
        EXPECT_EQ(dialog.groupList()->currentText(), "Off");
        EXPECT_EQ(dialog.positionList()->count(), 0);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    clickMemFreqButton();
    EXPECT_EQ(record(402)->RxFreq, before);
    EXPECT_EQ(shown(Txt::NoCountryChannel), 1);
}

// --- In the main window ------------------------------------------------------

TEST_F(ChannelEditTest, TheChannelWindowOpensTheDialogAndFollowsItsGroup)
{
    ASSERT_TRUE(ApplyBandMode(doc, 1));
    frmMain main(doc);
    registerChannelCommands(main, doc);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QMdiSubWindow* gridSub = nullptr;
    ASSERT_TRUE(waitUntil(
        [&] { return (gridSub = FindChildForm(main.mdiArea(), QStringLiteral("frmCommChInfo"))) != nullptr; }));
    auto* grid = qobject_cast<frmCommChInfo*>(gridSub->widget());

    grid->grid()->setCurrentIndex(grid->model()->index(4, FreqColumn));
    QTest::mouseClick(grid->editButton(), Qt::LeftButton);
    QMdiSubWindow* editSub = FindChildForm(main.mdiArea(), QString::fromLatin1(FrmCHInfoEdit::FormName));
    ASSERT_NE(editSub, nullptr);
    auto* dialog = qobject_cast<FrmCHInfoEdit*>(editSub->widget());
    EXPECT_EQ(dialog->group(), 0);
    EXPECT_EQ(dialog->position(), 5);

    // Asked again, the open dialog shows the other channel.
    grid->grid()->setCurrentIndex(grid->model()->index(1, FreqColumn));
    QTest::mouseClick(grid->editButton(), Qt::LeftButton);
    EXPECT_EQ(main.mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(dialog->position(), 2);

    // A group chosen in the dialog is shown in the grid.
    main.mdiArea()->setActiveSubWindow(editSub);
    pick(dialog->chooser()->groupBox(), "C");
    EXPECT_EQ(grid->shownGroup(), 2);

    // A frequency still being typed is stored before a save or a transfer.
    typeInto(dialog->freqBox(), "28.3");
    main.commitPendingEdits();
    ASSERT_NE(channel(81), nullptr);
    EXPECT_EQ(channel(81)->RxFreq, "02830000");
    EXPECT_EQ(grid->model()->index(0, FreqColumn).data().toString(), "28.30000");
    main.CloseCurAllWindows();
    QCoreApplication::processEvents();
}

TEST_F(ChannelEditTest, FollowsTheGroupTheChannelWindowShows)
{
    constexpr int De = 6;
    newDocument(0);
    addChannels(De, 1, 80);
    openWindow();
    chooseGroup("DE");
    openEdit(De, 60);
    // Position 60 is beyond EU's 40: the dialog starts at 1 there.
    const std::tuple<const char*, int, int> steps[] = {{"EU", EU, 1}, {"DE", De, 1}, {"UK", UK, 1}};
    for (const auto& [name, group, position] : steps) {
        chooseGroup(name);
        EXPECT_EQ(std::pair(edit->group(), edit->position()), std::pair(group, position)) << name;
    }
    edit->showChannel(UK, 30);
    chooseGroup("EU");
    EXPECT_EQ(edit->position(), 30) << "a position the group has is kept";
}

TEST_F(ChannelEditTest, DamagedFrequencyIsReportedOnceAndAnEmptyCbBoxHasTheNormalColour)
{
    newDocument(0);
    addChannels(EU, 2, 4);  // position 5 stays empty
    record(GetGroupStart(EU, 0) + 3)->RxFreq = "12AB5678";
    openEdit(EU, 3);
    edit->SetGridEditData();
    edit->showChannel(EU, 3);
    EXPECT_EQ(
        std::count_if(boxes.asked.begin(), boxes.asked.end(), [](const auto& a) { return a.text == NotNumericText; }),
        1);
    const QColor normal = edit->palette().color(QPalette::Base);
    EXPECT_NE(edit->freqBox()->palette().color(QPalette::Base), normal) << "a country channel's own frequency is grey";
    edit->showChannel(EU, 5);
    EXPECT_EQ(edit->freqBox()->palette().color(QPalette::Base), normal);
    EXPECT_FALSE(edit->freqBox()->isEnabled());
}

TEST_F(ChannelEditTest, MemoryFrequencyDialogTakesTypingThroughTheGridsFilter)
{
    newDocument(0);
    Frm_Mem_Freq dialog(doc, QString());
    dialog.show();
    QTest::keyClicks(dialog.freqBox(), "27a.1x5");
    EXPECT_EQ(dialog.chosenText(), QStringLiteral("27.15"));
    EXPECT_TRUE(dialog.okButton()->isEnabled());
}
