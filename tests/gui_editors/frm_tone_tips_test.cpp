#include "../gui/gui_test_support.h"
#include "../sound/tone_tips_fixture.h"

#include "gui/app/frm_main.h"
#include "gui/base/widget_helpers.h"
#include "gui/editors/frm_tone_tips.h"
#include "gui/editors/tone_sound.h"
#include "gui/editors/tone_tip_picture.h"
#include "gui/app/tone_tips_command.h"
#include "core/model/band_range.h"
#include "lang_text_ids.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>

#include <memory>

namespace {

// A document with one channel that uses tone tip 1, and the tone tips window
// on it, driven through its controls as a user would.
class ToneTipsTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(ApplyBandMode(doc, 1));
        doc.Record.Tips = ToneTips{};
        doc.Record.Tips[0] = WorkedTip();
        doc.ChannelCount = 1;
        doc.ChannelList[0].ChannelNo = 1;
        doc.ChannelList[0].RxFreq = "02710000";
        doc.ChannelList[0].RBTone = 1;
    }
    void TearDown() override
    {
        form.reset();
        GuiTest::TearDown();
    }

    FrmToneTips& open()
    {
        form = std::make_unique<FrmToneTips>(doc);
        return *form;
    }
    template <typename T>
    T* child(const QString& name) const
    {
        return form->findChild<T*>(name);
    }
    QComboBox* combo(const QString& name) const { return child<QComboBox>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(QString::fromLatin1(name)); }

    // Picks an item with the keyboard: Home, then Down to the item.
    static void pick(QComboBox* list, int index)
    {
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }

    Document doc;
    std::unique_ptr<FrmToneTips> form;
};

TEST_F(ToneTipsTest, ListsOfferTheValuesTheRadioTakes)
{
    open();
    EXPECT_EQ(form->windowTitle(), LangText(Txt::ToneTipsCaption));
    auto* tabs = child<QTabBar>(QStringLiteral("TabStrip1"));
    ASSERT_EQ(tabs->count(), 8);
    EXPECT_EQ(tabs->tabText(7), LangText(Txt::ToneTipTab) + " 8");
    const struct {
        QString list;
        int count;
        QString first, second, last;
    } lists[] = {
        {"Combo1_0", 11, LangText(Txt::LoopOff), "1", "10"},
        {"Combo2_0", 256, "0", "10", "2550"},
        {"Combo3_0", 217, LangText(Txt::ToneRest), "400", "2550"},
        {"Combo3_13", 217, LangText(Txt::ToneRest), "400", "2550"},
        {"Combo4_13", 256, "0", "10", "2550"},
    };
    for (const auto& l : lists) {
        QComboBox* c = combo(l.list);
        ASSERT_NE(c, nullptr) << l.list.toStdString();
        EXPECT_EQ(c->count(), l.count) << l.list.toStdString();
        EXPECT_EQ(c->itemText(0), l.first);
        EXPECT_EQ(c->itemText(1), l.second);
        EXPECT_EQ(c->itemText(c->count() - 1), l.last);
    }
    // The worked tip as shown.
    EXPECT_EQ(combo("Combo1_0")->currentText(), "2");
    EXPECT_EQ(combo("Combo2_0")->currentText(), "200");
    EXPECT_EQ(combo("Combo3_0")->currentText(), "400");
    EXPECT_EQ(combo("Combo4_0")->currentText(), "100");
    EXPECT_EQ(combo("Combo3_1")->currentText(), LangText(Txt::ToneRest));
    EXPECT_EQ(combo("Combo4_1")->currentText(), "50");
}

TEST_F(ToneTipsTest, EachListStoresItsFieldOfTheShownTip)
{
    const struct {
        QString list;
        int item;
        std::int16_t ToneTip::*header;
        int tone;
        bool frequency;
        int stored;
    } cases[] = {
        {"Combo1_0", 10, &ToneTip::LoopCount, 0, false, 10},
        {"Combo2_0", 255, &ToneTip::Interval, 0, false, 255},
        {"Combo3_6", 1, nullptr, 7, true, 40},
        {"Combo3_13", 216, nullptr, 14, true, 255},
        {"Combo4_7", 3, nullptr, 8, false, 3},
    };
    open();
    child<QTabBar>(QStringLiteral("TabStrip1"))->setCurrentIndex(4);
    EXPECT_EQ(form->CurToneTip(), 5);
    for (const auto& c : cases) {
        const ToneTips before = doc.Record.Tips;
        pick(combo(c.list), c.item);
        ToneTip expected = before[4];
        if (c.header)
            expected.*c.header = static_cast<std::int16_t>(c.stored);
        else if (c.frequency)
            expected.Tones[static_cast<std::size_t>(c.tone - 1)].Freq = static_cast<std::int16_t>(c.stored);
        else
            expected.Tones[static_cast<std::size_t>(c.tone - 1)].Length = static_cast<std::int16_t>(c.stored);
        EXPECT_EQ(doc.Record.Tips[4], expected) << c.list.toStdString();
        ToneTips others = before;
        others[4] = doc.Record.Tips[4];
        EXPECT_EQ(doc.Record.Tips, others) << "no other tip changes";
    }
}

TEST_F(ToneTipsTest, ShowingATipStoresWhatItsListsCannotShow)
{
    doc.Record.Tips[2] = MakeTip({{30, 10}, {45, 300}}, 12, 20);
    open();
    EXPECT_EQ(doc.Record.Tips[2], MakeTip({{30, 10}, {45, 300}}, 12, 20)) << "tip 3 is not shown yet";
    child<QTabBar>(QStringLiteral("TabStrip1"))->setCurrentIndex(2);
    EXPECT_EQ(doc.Record.Tips[2], MakeTip({{0, 10}, {45, 0}}, 0, 20));
    EXPECT_EQ(combo("Combo3_0")->currentIndex(), 0);
    EXPECT_EQ(combo("Combo1_0")->currentIndex(), 0);
    EXPECT_EQ(doc.Record.Tips[0], WorkedTip()) << "what the lists can show is never written";
}

TEST_F(ToneTipsTest, ReferencesAreClearedWhenTheEditingIsCommittedNotOnEveryPick)
{
    const std::pair<const char*, std::function<void(FrmToneTips&)>> commits[] = {
        {"pending-edit hook", [](FrmToneTips& f) { f.commitPendingEdits(); }},
        {"closing", [](FrmToneTips& f) { f.close(); }},
    };
    for (const auto& [how, commit] : commits) {
        doc.Record.Tips[0] = WorkedTip();
        doc.ChannelList[0].RBTone = 1;
        open();
        pick(combo("Combo4_0"), 0);  // the tone's length on its way to another
        pick(combo("Combo4_1"), 0);
        EXPECT_EQ(doc.ChannelList[0].RBTone, 1) << how;
        pick(combo("Combo4_1"), 7);
        commit(*form);
        EXPECT_EQ(doc.ChannelList[0].RBTone, 1) << how << ": the tip sounds again";

        open();
        pick(combo("Combo1_0"), 0);
        EXPECT_EQ(doc.ChannelList[0].RBTone, 1) << how;
        commit(*form);
        EXPECT_EQ(doc.ChannelList[0].RBTone, 0) << how << ": a tip without a loop is cleared";
    }
}

TEST_F(ToneTipsTest, OnlyAnEditedLoopCountOrLengthReChecksTheReferences)
{
    // Channel 1 refers to tip 6, which does not sound (no loop count); only
    // an edit of tip 6's loop count or lengths may take that reference away.
    const struct {
        const char* what;
        int tab;
        const char* list;
        int item;
        int expected;
    } cases[] = {
        {"nothing edited", 0, nullptr, 0, 6},    {"another tip's loop count", 0, "Combo1_0", 0, 6},
        {"tip 6's pause", 5, "Combo2_0", 3, 6},  {"tip 6's frequency", 5, "Combo3_0", 4, 6},
        {"tip 6's length", 5, "Combo4_0", 3, 0},
    };
    for (const auto& c : cases) {
        for (const bool closing : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (closing ? ", closing" : ", pending-edit hook"));
            doc.Record.Tips[0] = WorkedTip();
            doc.ChannelList[0].RBTone = 6;
            open();
            child<QTabBar>(QStringLiteral("TabStrip1"))->setCurrentIndex(c.tab);
            if (c.list)
                pick(combo(QString::fromLatin1(c.list)), c.item);
            closing ? static_cast<void>(form->close()) : form->commitPendingEdits();
            EXPECT_EQ(doc.ChannelList[0].RBTone, c.expected);
        }
    }
}

TEST_F(ToneTipsTest, FocusLeavingTheWindowCommitsItsEditing)
{
    QWidget host;
    form = std::make_unique<FrmToneTips>(doc, &host);
    auto* elsewhere = new QPushButton(&host);
    host.show();
    host.activateWindow();
    QApplication::processEvents();
    QComboBox* loop = combo("Combo1_0");
    loop->setFocus(Qt::TabFocusReason);
    pick(loop, 0);
    loop->setFocus(Qt::TabFocusReason);  // within the window: nothing is committed
    combo("Combo2_0")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(doc.ChannelList[0].RBTone, 1);
    elsewhere->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(doc.ChannelList[0].RBTone, 0);
    form.reset();
}

TEST_F(ToneTipsTest, ThePictureSharesItsWidthByLengthAndScalesHeightByFrequency)
{
    const ToneTip tip = MakeTip({{128, 10}, {255, 30}, {200, 0}}, 1, 0);
    ToneTipPicture picture;
    picture.setTip(&tip);
    const int m = ToneTipPicture::margin();
    for (const QSize size : {QSize(400 + 2 * m, 100 + 2 * m), QSize(800 + 2 * m, 256 + 2 * m)}) {
        picture.resize(size);
        const QImage image = picture.grab().toImage();
        const int w = size.width() - 2 * m;
        const int h = size.height() - 2 * m;
        const int row = size.height() - m - 1;
        auto colourAt = [&image](int x, int y) { return image.pixelColor(x, y); };
        auto runOf = [&](const QColor& c, int from) {
            int x = from;
            while (x < image.width() && colourAt(x, row) == c)
                ++x;
            return x - from;
        };
        EXPECT_EQ(colourAt(m - 1, row), QColor(Qt::white));
        const int red = runOf(QColor(255, 0, 0), m);
        const int blue = runOf(QColor(0, 0, 255), m + red);
        EXPECT_EQ(red, w / 4) << size.width();
        EXPECT_EQ(blue, 3 * w / 4) << size.width();
        EXPECT_EQ(colourAt(m + red + blue, row), QColor(Qt::white)) << "a tone of length 0 has no bar";
        EXPECT_EQ(colourAt(m, size.height() - m), QColor(Qt::white)) << "bars stand on the baseline";
        // Heights: 128 / 256 and 255 / 256 of the inner height.
        auto heightAt = [&](int x) {
            int y = row;
            while (y >= 0 && colourAt(x, y) != QColor(Qt::white))
                --y;
            return row - y;
        };
        EXPECT_EQ(heightAt(m + red / 2), h / 2) << size.width();
        EXPECT_NEAR(heightAt(m + red + blue / 2), h * 255 / 256.0, 0.5) << size.width();
    }
}

TEST_F(ToneTipsTest, PlayRunsUntilStoppedAndTellsWhenThereIsNoSoundDevice)
{
    doc.Record.Tips[0] = MakeTip({{100, 255}}, 10, 255);
    open();
    auto* status = child<QLabel>(QStringLiteral("SoundStatus"));
    EXPECT_FALSE(status->isVisibleTo(form.get()));
    QTest::mouseClick(button("Command1_0"), Qt::LeftButton);
    ASSERT_TRUE(form->isPlaying());
    EXPECT_FALSE(button("Command1_0")->isEnabled());
    EXPECT_EQ(status->isVisibleTo(form.get()), form->sound().silent());
    EXPECT_EQ(status->text(), LangText(Txt::NoSoundDevice));
    QTest::mouseClick(button("Command2_0"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!form->isPlaying(), 5000);
    EXPECT_TRUE(button("Command1_0")->isEnabled());
}

TEST_F(ToneTipsTest, ATipThatWouldNotPlayLeavesPlayAlone)
{
    doc.Record.Tips[0] = MakeTip({{100, 0}}, 10, 255);
    open();
    QTest::mouseClick(button("Command1_0"), Qt::LeftButton);
    EXPECT_FALSE(form->isPlaying());
    EXPECT_TRUE(button("Command1_0")->isEnabled());
}

TEST_F(ToneTipsTest, ClosingTheWindowDuringPlaybackStopsIt)
{
    frmMain main(doc);  // builds a new document
    registerToneTips(main, doc);
    doc.Record.Tips[0] = MakeTip({{100, 255}}, 10, 255);
    EXPECT_TRUE(main.isCommandEnabled(Command::ToneTips));
    main.runCommand(Command::ToneTips);
    main.runCommand(Command::ToneTips);
    ASSERT_EQ(main.mdiArea()->subWindowList().size(), 1);
    auto* shown = static_cast<FrmToneTips*>(main.mdiArea()->subWindowList().front()->widget());
    QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("Command1_0")), Qt::LeftButton);
    ASSERT_TRUE(shown->isPlaying());
    QTest::qWait(30);
    main.CloseCurAllWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FindChildForm(main.mdiArea(), FrmToneTips::FormName), nullptr);
    // The event loop goes on without the window or its playback; the tip is as it was.
    QTest::qWait(30);
    EXPECT_EQ(doc.Record.Tips[0], MakeTip({{100, 255}}, 10, 255));
}

}  // namespace
