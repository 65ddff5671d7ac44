#include "dtmf_keys_fixture.h"

#include "gui/app/frm_main.h"
#include "gui/base/twips.h"
#include "gui/base/widget_helpers.h"
#include "gui/app/dtmf_key_commands.h"
#include "core/editors/dtmf_update.h"
#include "gui/editors/frm_dtmf.h"
#include "gui/editors/frm_opt_features.h"
#include "lang_text_ids.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>

#include <functional>

namespace {

using FrmDtmfTest = DtmfKeysTest<FrmDTMF>;

QString listName(int i)
{
    return QStringLiteral("Combo1_%1").arg(i);
}

const std::vector<int> AllReferences{3, 5, 3, 3, 5, 3, 3, 5, 3};
const std::vector<int> Slot3Cleared{0, 5, 0, 0, 5, 0, 0, 5, 0};

TEST_F(FrmDtmfTest, ValuesTheListsCannotShowAreStoredAsTheFirstItemWhenShown)
{
    struct Case {
        const char* name;
        int storedValue;
        int list;
        const char* shown;
        int storedAfter;
    };
    const Case cases[] = {
        {"DtmfRate", 0, 0, "10", 1},         {"FirstDigitDelay", 0, 2, "100", 1}, {"StarHashTone", 2, 3, "0", 0},
        {"FirstDigitTime", 11, 1, "0", 0},   {"DKeySetting", 17, 4, "Off", 0},    {"DtmfRate", 50, 0, "500", 50},
        {"StarHashTone", 10, 3, "1000", 10}, {"DKeySetting", 16, 4, "16s", 16},
    };
    const DocumentRecord initial = doc.Record;
    for (const Case& c : cases) {
        doc.Record = initial;
        std::int16_t& field = doc.Record.Dtmf.*DtmfSettingByName(c.name)->member;
        field = static_cast<std::int16_t>(c.storedValue);
        open();
        EXPECT_EQ(control(listName(c.list))->currentText(), c.shown) << c.name << "=" << c.storedValue;
        EXPECT_EQ(field, c.storedAfter) << c.name << "=" << c.storedValue;
    }
    doc.Record = initial;
    doc.Record.Dtmf.DtmfDisplay = 2;
    open();
    EXPECT_FALSE(control<QCheckBox>(QStringLiteral("Check1"))->isChecked());
    EXPECT_EQ(doc.Record.Dtmf.DtmfDisplay, 0);
}

TEST_F(FrmDtmfTest, ShowingValuesTheControlsCanShowWritesNothing)
{
    doc.Record.Dtmf.Codes[8] = {20, PadFixed("12", 16)};  // a length no box shows
    const DocumentRecord before = doc.Record;
    openShown();
    EXPECT_EQ(doc.Record, before);
    EXPECT_TRUE(recorder.changes.empty());
    EXPECT_EQ(codeBox(3)->text(), "123");
    EXPECT_EQ(codeBox(5)->text(), "A*#");
    EXPECT_EQ(codeBox(9)->text(), "") << "a slot whose length is above 16 shows an empty box";
    form->close();
    EXPECT_EQ(doc.Record, before) << "and is not rewritten until its box is edited";
    open();
    QTest::keyClicks(codeBox(9), "7");
    EXPECT_EQ(doc.Record.Dtmf.Codes[8], (DtmfCode{1, PadFixed("7", 16)}));
}

TEST_F(FrmDtmfTest, EachListAndTheCheckBoxStoreTheirOwnField)
{
    struct Case {
        int list;
        int position;
        const char* name;
        int storedValue;
    };
    const Case cases[] = {{0, 49, "DtmfRate", 50},   {1, 10, "FirstDigitTime", 10}, {2, 24, "FirstDigitDelay", 25},
                          {3, 2, "StarHashTone", 5}, {4, 15, "DKeySetting", 15},    {0, 0, "DtmfRate", 1}};
    const DocumentRecord initial = doc.Record;
    for (const Case& c : cases) {
        doc.Record = initial;
        open();
        pick(control(listName(c.list)), c.position);
        DocumentRecord expected = initial;
        expected.Dtmf.*DtmfSettingByName(c.name)->member = static_cast<std::int16_t>(c.storedValue);
        EXPECT_EQ(doc.Record, expected) << c.name;
    }
    doc.Record = initial;
    openShown();
    auto* display = control<QCheckBox>(QStringLiteral("Check1"));
    QTest::mouseClick(display, Qt::LeftButton, {}, QPoint(display->height() / 2, display->height() / 2));
    EXPECT_EQ(doc.Record.Dtmf.DtmfDisplay, 0);
    EXPECT_EQ(control(listName(4))->itemText(1), "1s");
    EXPECT_EQ(control(listName(3))->count(), 4);
}

TEST_F(FrmDtmfTest, TypedDigitsAreUpperCasedAndOtherCharactersRefused)
{
    open();
    QLineEdit* box = codeBox(1);
    QTest::keyClicks(box, "a");
    QTest::keyClicks(box, "1");
    QTest::keyClicks(box, "#");
    EXPECT_EQ(box->text(), "A1#");
    EXPECT_EQ(doc.Record.Dtmf.Codes[0], (DtmfCode{3, PadFixed("A1#", 16)}));
    QTest::keyClicks(box, "xeE +-.");
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QStringLiteral("\u00e9"), Qt::NoModifier);
    EXPECT_EQ(box->text(), "A1#") << "letters beyond D, blanks, signs and non-ASCII are refused";
    QTest::keyClicks(box, "bcd*012345678");
    EXPECT_EQ(box->text(), "A1#BCD*012345678");
    EXPECT_EQ(doc.Record.Dtmf.Codes[0].Length, 16) << "a code of 16 digits fills the slot";
    QTest::keyClicks(box, "9");
    EXPECT_EQ(doc.Record.Dtmf.Codes[0].Length, 16) << "the 17th digit is refused";
    EXPECT_EQ(doc.Record.Dtmf.Codes[0].Digits, "A1#BCD*012345678");
}

TEST_F(FrmDtmfTest, PastedTextCannotBringInCharactersASlotCannotHold)
{
    open();
    QLineEdit* box = codeBox(2);
    struct Case {
        const char* clipboard;
        const char* boxAfter;
    };
    const Case cases[] = {{"12x4", ""},
                          {"1 2", ""},
                          {"ab*#", "AB*#"},
                          {"0123456789ABCD*#9", "0123456789ABCD*#"},
                          {"12x4", "0123456789ABCD*#"}};
    for (const Case& c : cases) {
        QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
        box->selectAll();
        box->paste();  // as the context menu's Paste does
        EXPECT_EQ(box->text(), c.boxAfter) << c.clipboard;
        EXPECT_EQ(QString::fromLatin1(DtmfCodeShownText(doc.Record.Dtmf.Codes[1])), c.boxAfter) << c.clipboard;
    }
    QApplication::clipboard()->setText(QStringLiteral("1"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "0123456789ABCD*#") << "Ctrl+V is swallowed";
}

// Emptying a box and leaving it (by Tab, closing the window or the main
// window's pending-edit hook) clears every reference to the slot; while the
// box is being retyped the references stay.
TEST_F(FrmDtmfTest, ReferencesGoWhenAnEmptiedBoxIsCommittedNotWhileItIsRetyped)
{
    struct Path {
        const char* name;
        std::function<void(FrmDTMF&, QLineEdit*)> commit;
    };
    const Path paths[] = {
        {"Tab", [](FrmDTMF&, QLineEdit* b) { QTest::keyClick(b, Qt::Key_Tab); }},
        {"Enter", [](FrmDTMF&, QLineEdit* b) { QTest::keyClick(b, Qt::Key_Return); }},
        {"close", [](FrmDTMF& f, QLineEdit*) { f.close(); }},
        {"pending-edit hook", [](FrmDTMF& f, QLineEdit*) { f.commitPendingEdits(); }},
    };
    const DocumentRecord initialRecord = doc.Record;
    const auto initialChannels = doc.ChannelList;
    for (const Path& p : paths) {
        for (const bool retyped : {false, true}) {
            doc.Record = initialRecord;
            doc.ChannelList = initialChannels;
            openShown();
            QLineEdit* box = codeBox(3);
            box->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(box, Qt::Key_Backspace);
            EXPECT_EQ(doc.Record.Dtmf.Codes[2].Length, 0) << p.name;
            EXPECT_EQ(references(), AllReferences) << p.name << ": cleared while typing";
            if (retyped)
                QTest::keyClicks(box, "9");
            p.commit(*form, box);
            EXPECT_EQ(references(), retyped ? AllReferences : Slot3Cleared) << p.name << " retyped=" << retyped;
        }
    }
}

TEST_F(FrmDtmfTest, AnEmptiedSlotLeavesTheDtmfListsOfAnOpenOptionsWindow)
{
    FrmOptFeatures options(doc);
    auto* bot = options.findChild<QComboBox*>(QStringLiteral("Combo2_11"));
    auto* eot = options.findChild<QComboBox*>(QStringLiteral("Combo2_12"));
    ASSERT_TRUE(bot && eot);
    EXPECT_EQ(bot->currentText(), "3");
    openShown();
    codeBox(3)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClick(codeBox(3), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(codeBox(3), Qt::Key_Delete);
    QTest::keyClick(codeBox(3), Qt::Key_Tab);
    EXPECT_EQ(references(), Slot3Cleared);
    EXPECT_EQ(bot->findText(QStringLiteral("3")), -1) << "the slot is no longer offered";
    EXPECT_EQ(bot->currentIndex(), 0) << "a list that showed the slot shows its first item";
    EXPECT_EQ(eot->currentText(), "5");
}

TEST_F(FrmDtmfTest, TheDecodeTabNeverShowsAndTheLabelsStandBesideTheirControls)
{
    openShown();
    auto* tabs = control<QTabWidget>(QStringLiteral("SSTab1"));
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_FALSE(tabs->isTabVisible(1));
    EXPECT_TRUE(tabs->isTabVisible(0));
    EXPECT_TRUE(tabs->isTabVisible(2));
    EXPECT_EQ(tabs->tabText(2), LangText(Txt::DtmfTabAutoDial));
    struct Pair {
        QString label, control;
        int gapTwips;
    };
    const Pair pairs[] = {{"Label1_0", "Combo1_0", 100},
                          {"Label1_4", "Combo1_4", 100},
                          {"Label4_0", "Text2_0", 20},
                          {"Label4_15", "Text2_15", 20}};
    for (const Pair& p : pairs) {
        const auto* label = control<QLabel>(p.label);
        const auto* box = control<QWidget>(p.control);
        EXPECT_EQ(label->geometry().right() + 1 + twipsToPixels(p.gapTwips), box->geometry().left())
            << p.label.toStdString();
    }
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label4_15"))->text(), "16");
    EXPECT_LT(codeBox(1)->geometry().top(), codeBox(8)->geometry().top()) << "slots 1..8 down the left column";
    EXPECT_LT(codeBox(8)->geometry().left(), codeBox(9)->geometry().left());
    EXPECT_EQ(codeBox(1)->geometry().top(), codeBox(9)->geometry().top());
}

TEST_F(FrmDtmfTest, TheMainWindowOpensOneWindowAndCommitsItBeforeASave)
{
    frmMain main(doc);  // starts a new document
    ASSERT_TRUE(prepareDocument(doc));
    registerDtmfAndKeys(main, doc);
    EXPECT_TRUE(main.isCommandEnabled(Command::Dtmf));
    EXPECT_TRUE(main.isCommandEnabled(Command::Key));
    main.runCommand(Command::Dtmf);
    main.runCommand(Command::Dtmf);
    ASSERT_EQ(main.mdiArea()->subWindowList().size(), 1);
    auto* shown = static_cast<FrmDTMF*>(main.mdiArea()->subWindowList().front()->widget());
    auto* box = shown->findChild<QLineEdit*>(QStringLiteral("Text2_2"));
    QTest::keyClick(box, Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(references(), AllReferences);
    main.commitPendingEdits();
    EXPECT_EQ(references(), Slot3Cleared);
    main.CloseCurAllWindows();
    EXPECT_EQ(FindChildForm(main.mdiArea(), FrmDTMF::FormName), nullptr);
}

}  // namespace
