#include "opt_features_fixture.h"

#include "gui/app/frm_main.h"
#include "gui/base/twips.h"
#include "gui/base/widget_helpers.h"
#include "gui/app/opt_feature_command.h"
#include "lang_text_ids.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// The value a pick of the list's last item stores.
int lastItemValue(const OptionField& f, const QComboBox* list)
{
    if (f.conversion == OptionConversion::ItemNumber)
        return list->itemText(list->count() - 1).toInt();
    return list->count() - 1;
}

void setField(DocumentRecord& record, const OptionField& f, int value)
{
    if (f.record == OptionRecord::Options)
        record.OptFeat.*f.option = static_cast<std::int16_t>(value);
    else
        record.PublicChannel.*ChannelFieldMember(f.publicField) = static_cast<std::int16_t>(value);
}

TEST_F(OptFeaturesTest, EachListChangesExactlyItsOwnField)
{
    open();
    const DocumentRecord initial = doc.Record;
    int lists = 0;
    for (const OptionField& f : OptionFields()) {
        QComboBox* list = form->list(f.storeCode);
        if (!list || !list->isVisibleTo(form.get()))
            continue;
        ++lists;
        doc.Record = initial;
        form = std::make_unique<FrmOptFeatures>(doc);
        list = form->list(f.storeCode);
        pick(list, list->count() - 1);
        DocumentRecord expected = initial;
        setField(expected, f, lastItemValue(f, list));
        EXPECT_EQ(doc.Record, expected) << f.name;
        EXPECT_NE(OptionFieldValue(doc, f), OptionFieldValue(Document{}, f)) << f.name << " did not change";
    }
    EXPECT_EQ(lists, 15 + 10) << "every option and every public row of the HF band but the 5 kHz shift";

    doc.Record = initial;
    open();
    QTest::mouseClick(check(), Qt::LeftButton);
    DocumentRecord expected = initial;
    expected.OptFeat.UseMaxSwr = 1;
    EXPECT_EQ(doc.Record, expected);
}

TEST_F(OptFeaturesTest, ListsShowTheirItemsWithUnitsAndTheStoredValues)
{
    doc.Record.OptFeat.TimeOutTimer = 30;
    doc.Record.OptFeat.SpeakerVolume = 56;
    doc.Record.OptFeat.GainControl = 11;
    doc.Record.PublicChannel.DTMF_Call = 16;
    open();
    EXPECT_EQ(combo("Combo1_3")->count(), 31);
    EXPECT_EQ(combo("Combo1_3")->currentText(), "30" + LangText(Txt::UnitMinutes));
    EXPECT_EQ(combo("Combo1_5")->currentText(), "56");
    EXPECT_EQ(combo("Combo1_9")->currentText(), LangText(Txt::GainMaximum));
    EXPECT_EQ(combo("Combo1_11")->itemText(0), LangText(Txt::ScanTime));
    EXPECT_EQ(combo("Combo1_12")->itemText(5), "30" + LangText(Txt::UnitSeconds));
    EXPECT_EQ(combo("Combo2_10")->count(), 2) << "off and the one defined tone tip";
    EXPECT_EQ(combo("Combo2_13")->currentText(), "16");
    EXPECT_EQ(box("Text2")->text(), "100");
    EXPECT_EQ(box("Text1")->text(), "16.0");
    EXPECT_EQ(form->windowTitle(), LangText(Txt::OptionsCaption));
}

TEST_F(OptFeaturesTest, AStoredValueOutsideItsListShowsTheFirstItemAndStaysStored)
{
    doc.Record.OptFeat.Backlight = 0;
    doc.Record.OptFeat.TimeOutTimer = 31;
    doc.Record.PublicChannel.RBTone = 3;    // tip 3 is not defined
    doc.Record.PublicChannel.DTMF_BOT = 2;  // slot 2 holds no code
    const DocumentRecord before = doc.Record;
    open();
    EXPECT_EQ(doc.Record, before) << "loading stores nothing";
    for (const char* name : {"Combo1_4", "Combo1_3", "Combo2_10", "Combo2_11"})
        EXPECT_EQ(combo(name)->currentIndex(), 0) << name;
    pick(combo("Combo1_4"), 1);
    EXPECT_EQ(doc.Record.OptFeat.Backlight, 2);
    QTest::keyClick(combo("Combo2_10"), Qt::Key_Down);
    QTest::keyClick(combo("Combo2_10"), Qt::Key_Up);
    EXPECT_EQ(doc.Record.PublicChannel.RBTone, 0) << "picking the first item stores 0";
}

TEST_F(OptFeaturesTest, AmShortensThePowerListAndLowersHighPower)
{
    doc.Record.PublicChannel.Tx_Power = 2;
    open();
    EXPECT_EQ(combo("Combo2_9")->count(), 3);
    pick(combo("Combo2_8"), 1);
    EXPECT_EQ(doc.Record.PublicChannel.AM_FM, 1);
    EXPECT_EQ(doc.Record.PublicChannel.Tx_Power, 1);
    EXPECT_EQ(combo("Combo2_9")->count(), 2);
    EXPECT_EQ(combo("Combo2_9")->currentIndex(), 1);
}

TEST_F(OptFeaturesTest, ShowingAnAmPublicChannelStoresItsHighPowerAsMedium)
{
    doc.Record.PublicChannel.AM_FM = 1;
    doc.Record.PublicChannel.Tx_Power = 2;
    open();
    EXPECT_EQ(doc.Record.PublicChannel.Tx_Power, 1);
    EXPECT_EQ(combo("Combo2_9")->currentIndex(), 1);
}

TEST_F(OptFeaturesTest, TheBandHidesTheRowsTheRadioLacks)
{
    struct Case {
        int band;
        std::vector<const char*> hidden;
        std::vector<const char*> shown;
    };
    const Case cases[] = {
        {0, {"Combo2_1", "Combo2_9", "Combo2_7", "Text2", "Label3_1", "Label2_1"}, {"Combo2_4", "Combo1_7"}},
        {1, {"Combo2_7", "Label3_7"}, {"Combo2_1", "Combo2_9", "Text2", "Label2_1"}},
        {2, {"Combo2_7"}, {"Combo2_1", "Combo2_9", "Text2"}},
    };
    for (const Case& c : cases) {
        setBand(c.band);
        open();
        for (const char* name : c.hidden)
            EXPECT_FALSE(form->findChild<QWidget*>(name)->isVisibleTo(form.get())) << c.band << " " << name;
        for (const char* name : c.shown)
            EXPECT_TRUE(form->findChild<QWidget*>(name)->isVisibleTo(form.get())) << c.band << " " << name;
    }
}

TEST_F(OptFeaturesTest, LabelsStandAFixedDistanceLeftOfTheirControls)
{
    open();
    for (const char* pair : {"Label1_2:Combo1_2", "Label3_10:Combo2_10", "Label2_1:Text2", "Label4:Text1"}) {
        const QStringList names = QString::fromLatin1(pair).split(':');
        const auto* label = form->findChild<QLabel*>(names[0]);
        const auto* control = form->findChild<QWidget*>(names[1]);
        ASSERT_TRUE(label && control) << pair;
        EXPECT_EQ(label->geometry().right() + 1 + twipsToPixels(100), control->geometry().left()) << pair;
        EXPECT_FALSE(label->text().isEmpty()) << pair;
    }
}

TEST_F(OptFeaturesTest, TheOffsetFollowsTheTypingAndShowsTheStoredValueOnLeaving)
{
    openShown();
    QLineEdit* offset = box("Text2");
    typeInto(offset, "1");
    EXPECT_EQ(doc.Record.PublicChannel.OffSetFre, 5) << "1 is clamped to 5";
    QTest::keyClicks(offset, "7x");
    EXPECT_EQ(offset->text(), "17") << "letters are swallowed";
    EXPECT_EQ(doc.Record.PublicChannel.OffSetFre, 15);
    QTest::keyClick(offset, Qt::Key_Return);
    EXPECT_FALSE(offset->hasFocus()) << "Enter moves on as Tab does";
    EXPECT_EQ(offset->text(), "15");
}

// Every way of leaving a half-typed box stores and shows the normalised value.
TEST_F(OptFeaturesTest, HalfTypedBoxesAreNormalisedOnEveryPath)
{
    struct Path {
        const char* name;
        std::function<void(FrmOptFeatures&, QLineEdit*)> leave;
    };
    const Path paths[] = {
        {"Enter", [](FrmOptFeatures&, QLineEdit* b) { QTest::keyClick(b, Qt::Key_Return); }},
        {"pending-edit hook", [](FrmOptFeatures& f, QLineEdit*) { f.commitPendingEdits(); }},
        {"close", [](FrmOptFeatures& f, QLineEdit*) { f.close(); }},
    };
    struct Case {
        const char* typed;
        const char* shown;
        int tenths;
    };
    const Case cases[] = {{"5", "7.0", 70},   {"25", "20.0", 200},    {"16.04", "16.0", 160},
                          {".", "20.0", 200}, {"1.2.3", "20.0", 200}, {"", "20.0", 200}};
    for (const Path& p : paths) {
        for (const Case& c : cases) {
            openShown();
            typeInto(box("Text1"), c.typed);
            p.leave(*form, box("Text1"));
            EXPECT_EQ(box("Text1")->text(), c.shown) << p.name << " " << c.typed;
            EXPECT_EQ(doc.Record.OptFeat.MaxSwr, c.tenths) << p.name << " " << c.typed;
            doc.Record.OptFeat.MaxSwr = 160;
        }
        openShown();
        typeInto(box("Text2"), "17");
        p.leave(*form, box("Text2"));
        EXPECT_EQ(box("Text2")->text(), "15") << p.name;
        EXPECT_EQ(doc.Record.PublicChannel.OffSetFre, 15) << p.name;
    }
}

TEST_F(OptFeaturesTest, TheListsFollowChangedToneTipsAndDtmfCodes)
{
    open();
    doc.Record.Tips[2].LoopCount = 1;
    doc.Record.Tips[2].Tones[4].Length = 2;
    doc.notifyChanged({DocumentChange::Scope::ToneTips, 0});
    EXPECT_EQ(combo("Combo2_10")->count(), 3);
    EXPECT_EQ(combo("Combo2_10")->itemText(1), "3");
    doc.Record.Dtmf.Codes[4].Length = 1;
    doc.notifyChanged({DocumentChange::Scope::Dtmf, 0});
    EXPECT_EQ(combo("Combo2_12")->itemText(1), "5");
}

TEST_F(OptFeaturesTest, TheMainWindowOpensOneWindowAndCommitsItBeforeASave)
{
    frmMain main(doc);
    registerOptFeatures(main, doc);
    EXPECT_TRUE(main.isCommandEnabled(Command::OptFeature));
    main.runCommand(Command::OptFeature);
    main.runCommand(Command::OptFeature);
    ASSERT_EQ(main.mdiArea()->subWindowList().size(), 1);
    auto* shown = static_cast<FrmOptFeatures*>(main.mdiArea()->subWindowList().front()->widget());
    auto* maxSwr = shown->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClicks(maxSwr, ".");  // "16.0." is no number
    main.commitPendingEdits();
    EXPECT_EQ(maxSwr->text(), "20.0");
    EXPECT_EQ(doc.Record.OptFeat.MaxSwr, 200);
    main.CloseCurAllWindows();
    EXPECT_EQ(FindChildForm(main.mdiArea(), FrmOptFeatures::FormName), nullptr);
}

}  // namespace
