// The channel window's choice of group and the group settings under the grid.

#include "channel_window_fixture.h"

#include "core/app/data_file.h"
#include "core/channels/channel_update.h"
#include "core/channels/group_settings.h"
#include "lang_text_ids.h"
#include "core/app/undo_history.h"
#include "core/model/document_compare.h"

#include <functional>

#include <QLabel>
#include <QSignalSpy>

namespace {

struct GroupCase {
    int band;
    const char* name;
    int group;
    int rows;
};

bool shows(const QWidget* w)
{
    return !w->isHidden();
}

}  // namespace

TEST_F(ChannelWindowTest, EachGroupShowsOneRowPerPosition)
{
    const GroupCase cases[] = {
        {0, "EU", 0, 40}, {0, "CE", 1, 40}, {0, "U", 2, 40},   {0, "UK", 3, 40},  {0, "DE", 6, 80},  {0, "MEM", 8, 8},
        {1, "A", 0, 40},  {1, "J", 9, 40},  {1, "VFO", 10, 1}, {1, "MEM", 11, 8}, {2, "VFO", 10, 1}, {2, "MEM", 11, 8},
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "band " << c.band << " " << c.name);
        window.reset();
        newDocument(c.band);
        openWindow();
        chooseGroup(c.name);
        EXPECT_EQ(window->shownGroup(), c.group);
        ASSERT_EQ(window->model()->rowCount(), c.rows);
        EXPECT_EQ(cellText(c.rows - 1, NumberColumn), QString::number(c.rows));
        EXPECT_EQ(cellText(c.rows - 1, EditColumn), ">>");
        EXPECT_TRUE(window->windowTitle().contains(QStringLiteral(" %1 --- ").arg(c.name)))
            << window->windowTitle().toStdString();
    }
}

TEST_F(ChannelWindowTest, BandDecidesWhichSelectorShows)
{
    for (int band : {0, 1, 2}) {
        window.reset();
        newDocument(band);
        openWindow();
        GroupChooser& chooser = *window->chooser();
        EXPECT_EQ(shows(chooser.countryBox()), band == 0) << band;
        EXPECT_EQ(shows(chooser.groupBox()), band != 0) << band;
        EXPECT_FALSE(shows(chooser.subCountryBox())) << band;
    }
}

TEST_F(ChannelWindowTest, CountryUOffersUAndUK)
{
    newDocument(0);
    addChannels(3, 1, 40);
    doc.ChannelList[static_cast<std::size_t>(FindChannelIndex(doc, 121))].RxFreq = "02760120";
    doc.ChannelList[static_cast<std::size_t>(FindChannelIndex(doc, 160))].RxFreq = "02799120";
    openWindow();
    GroupChooser& chooser = *window->chooser();

    pick(chooser.countryBox(), "U");
    EXPECT_TRUE(shows(chooser.subCountryBox()));
    EXPECT_EQ(window->shownGroup(), 2);
    EXPECT_EQ(cellText(0, FreqColumn), "");

    pick(chooser.subCountryBox(), "UK");
    EXPECT_EQ(window->shownGroup(), 3);
    ASSERT_EQ(window->model()->rowCount(), 40);
    // Channels 121..160, shown on the UK raster's 125 Hz ending.
    EXPECT_EQ(cellText(0, FreqColumn), "27.60125");
    EXPECT_EQ(cellText(39, FreqColumn), "27.99125");

    pick(chooser.countryBox(), "PL");
    EXPECT_FALSE(shows(chooser.subCountryBox()));
    EXPECT_EQ(window->shownGroup(), 4);

    // Shown from code (as the edit dialog does), the selectors follow.
    window->ChangeGroup(3);
    EXPECT_EQ(chooser.countryBox()->currentText(), "U");
    EXPECT_TRUE(shows(chooser.subCountryBox()));
    EXPECT_EQ(chooser.subCountryBox()->currentText(), "UK");
}

TEST_F(ChannelWindowTest, SettingsShowWhereTheGroupHasThem)
{
    struct Case {
        int band;
        const char* group;
        bool work, emergency, valid;
    };
    const Case cases[] = {
        {0, "EU", true, true, false}, {0, "DE", true, true, false},    {0, "MEM", true, false, false},
        {1, "A", true, true, true},   {1, "VFO", false, false, false}, {1, "MEM", true, false, false},
        {2, "C", true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "band " << c.band << " " << c.group);
        window.reset();
        newDocument(c.band);
        openWindow();
        chooseGroup(c.group);
        GroupSettingsPanel& s = *window->settings();
        EXPECT_EQ(shows(s.channelBox(0)), c.work);
        EXPECT_EQ(shows(s.channelBox(1)), c.emergency);
        EXPECT_EQ(shows(s.channelBox(2)), c.emergency);
        EXPECT_EQ(shows(s.modeBox(0)), c.emergency);
        EXPECT_EQ(shows(s.modeBox(1)), c.emergency);
        EXPECT_EQ(shows(s.channelBox(3)), c.valid);
        for (int i = 0; i < 4; ++i) {
            const auto* label = s.findChild<QLabel*>(QStringLiteral("Label3_%1").arg(i));
            EXPECT_EQ(shows(label), shows(s.channelBox(i))) << i;
        }
    }
}

TEST_F(ChannelWindowTest, WorkingChannelListOffersThePositionsThatHoldAChannel)
{
    newDocument(1);
    addChannels(0, 7, 7);
    addChannels(0, 3, 3);
    openWindow();
    QComboBox* work = window->settings()->channelBox(0);
    ASSERT_EQ(work->count(), 3);
    EXPECT_EQ(work->itemText(0), "1");
    EXPECT_EQ(work->itemText(1), "3");
    EXPECT_EQ(work->itemText(2), "7");
    pick(work, "7");
    EXPECT_EQ(doc.Record.OptFeat.WorkChannel[0], 6);

    chooseGroup("MEM");
    pick(window->settings()->channelBox(0), "4");
    EXPECT_EQ(doc.Record.OptFeat.Value1B, 3);
}

TEST_F(ChannelWindowTest, EmergencyChannelOnDePositions41To80HoldsItsModulationAtFm)
{
    newDocument(0);
    addChannels(6, 1, 80);
    openWindow();
    chooseGroup("DE");
    GroupSettingsPanel& s = *window->settings();
    pick(s.modeBox(0), "AM");
    EXPECT_EQ(doc.Record.OptFeat.GroupMode[6][0], 1);

    pick(s.channelBox(1), "41");
    EXPECT_EQ(doc.Record.OptFeat.EmergencyChannel[6][0], 40);
    EXPECT_EQ(doc.Record.OptFeat.GroupMode[6][0], 0);
    EXPECT_EQ(s.modeBox(0)->currentText(), "FM");
    EXPECT_FALSE(s.modeBox(0)->isEnabled());
    EXPECT_TRUE(s.modeBox(1)->isEnabled());

    pick(s.channelBox(2), "80");
    EXPECT_FALSE(s.modeBox(1)->isEnabled());
    pick(s.channelBox(1), "40");
    EXPECT_TRUE(s.modeBox(0)->isEnabled());
    pick(s.modeBox(0), "AM");
    EXPECT_EQ(doc.Record.OptFeat.GroupMode[6][0], 1);
}

TEST_F(ChannelWindowTest, LastValidGroupStaysEnabled)
{
    newDocument(1);
    addChannels(1, 1, 2);
    openWindow();
    QComboBox* valid = window->settings()->channelBox(3);
    EXPECT_EQ(valid->currentText(), "Enabel");
    pick(valid, "Disable");
    EXPECT_EQ(doc.Record.OptFeat.GroupValid[0], 1);
    EXPECT_EQ(valid->currentText(), "Enabel");

    // With bank B valid as well, bank A may go.
    chooseGroup("B");
    pick(window->settings()->channelBox(3), "Enabel");
    EXPECT_EQ(doc.Record.OptFeat.GroupValid[1], 1);
    chooseGroup("A");
    pick(window->settings()->channelBox(3), "Disable");
    EXPECT_EQ(doc.Record.OptFeat.GroupValid[0], 0);

    // A bank without channels cannot be enabled.
    chooseGroup("C");
    pick(window->settings()->channelBox(3), "Enabel");
    EXPECT_EQ(doc.Record.OptFeat.GroupValid[2], 0);
    EXPECT_EQ(window->settings()->channelBox(3)->currentText(), "Disable");
    EXPECT_TRUE(boxes.asked.empty());
}

TEST_F(ChannelWindowTest, EveryWayOfShowingAGroupStoresItAndItsFmLock)
{
    // A file may hold AM for an emergency channel that the radio keeps at
    // FM; whichever way its group comes to show, the record says FM, and the
    // document keeps the group shown. Neither is an undo step.
    using Way = std::function<void(ChannelWindowTest&)>;
    const std::pair<const char*, Way> ways[] = {
        {"opening the window",
         [](ChannelWindowTest& t) {
             t.doc.Record.OptFeat.GridGroup = 6;
             t.openWindow();
         }},
        {"the group list", [](ChannelWindowTest& t) { t.chooseGroup("DE"); }},
        {"the edit dialog's group", [](ChannelWindowTest& t) { t.window->ChangeGroup(6); }},
        {"Open, New or a read",
         [](ChannelWindowTest& t) {
             t.doc.Record.OptFeat.GridGroup = 6;
             t.doc.notifyReplaced();
         }},
    };
    for (const auto& [name, way] : ways) {
        SCOPED_TRACE(name);
        window.reset();
        newDocument(0);
        addChannels(6, 1, 80);
        doc.Record.OptFeat.EmergencyChannel[6][0] = 50;
        doc.Record.OptFeat.GroupMode[6][0] = 1;
        TakeBaseline(doc);
        UndoHistory history(doc);
        openWindow();
        way(*this);
        EXPECT_EQ(window->shownGroup(), 6);
        EXPECT_EQ(doc.Record.OptFeat.GridGroup, 6);
        EXPECT_EQ(doc.Record.OptFeat.GroupMode[6][0], 0);
        EXPECT_EQ(window->settings()->modeBox(0)->currentText(), "FM");
        EXPECT_FALSE(window->settings()->modeBox(0)->isEnabled());
        EXPECT_TRUE(IsDataChanged(doc));
        EXPECT_FALSE(history.canUndo());
    }
    // The window opens on the group the document keeps.
    chooseGroup("IN");
    window.reset();
    openWindow();
    EXPECT_EQ(window->chooser()->countryBox()->currentText(), "IN");
}

TEST_F(ChannelWindowTest, CaptionNamesTheGroupAndRowAndTextsFollowTheLanguage)
{
    newDocument(1);
    openWindow();
    chooseGroup("C");
    enterOnCell(4, ScanColumn);
    EXPECT_EQ(window->windowTitle(), LangText(Txt::GridCaptionPrefix) + " C ---  5]");

    AppState::instance().setLanguage(2);
    window->ReShowChInfoByLanguage();
    EXPECT_EQ(window->windowTitle(), LangText(Txt::GroupLabel) + " C ---  5]");
    EXPECT_EQ(window->shownGroup(), 2);
    EXPECT_EQ(window->model()->headerData(FreqColumn, Qt::Horizontal, Qt::DisplayRole).toString(),
              LangText(Txt::GridFrequency));
    EXPECT_EQ(window->editButton()->text(), LangText(Txt::OpenChannelEditor));
    grid().setCurrentIndex(window->model()->index(2, ScanColumn));
    EXPECT_TRUE(window->windowTitle().startsWith(LangText(Txt::GridCaptionPrefix)))
        << window->windowTitle().toStdString();
    EXPECT_NE(LangText(Txt::GridFrequency), QString("Frequency (MHz)"));
}
