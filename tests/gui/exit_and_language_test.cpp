// Exit with its question, the window placement and the language switch.

#include "gui_test_support.h"
#include "core/base/file_error.h"

#include "core/app/data_file.h"
#include "gui/app/frm_main.h"
#include "gui/app/frm_set_language.h"
#include "core/base/ini_file.h"
#include "gui/app/main_placement.h"
#include "gui/app/tree_pane.h"
#include "gui/base/twips.h"
#include "gui/app/window_fit.h"
#include "lang_text_ids.h"
#include "core/model/document_compare.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

namespace {

using A = NoticeAnswer;

void modify(Document& doc)
{
    doc.Record.OptFeat.Beep = doc.Record.OptFeat.Beep == 0 ? 1 : 0;
}

QString placementTitle()
{
    return QString::fromStdString(AppState::instance().AppTitle);
}

}  // namespace

class ExitTest : public GuiTest {
protected:
    SilentNotifier silent;
    Document doc;
};

TEST_F(ExitTest, UnchangedDocumentExitsWithoutAQuestion)
{
    frmMain w(doc);
    w.show();
    int exitHooks = 0;
    w.addExitHook([&] { ++exitHooks; });
    AppState::instance().SettingsRecord = {9, 8, 7, 6};
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(exitHooks, 1);
    std::ifstream record(AppState::instance().settingsRecordPath(), std::ios::binary);
    char bytes[4] = {};
    ASSERT_TRUE(record.read(bytes, 4));
    EXPECT_EQ(std::string(bytes, 4), std::string("\x09\x08\x07\x06", 4));
}

TEST_F(ExitTest, ModifiedDocumentAsksAndCancelKeepsTheProgramRunning)
{
    frmMain w(doc);
    w.show();
    w.move(150, 120);
    w.resize(700, 500);
    QTest::qWait(20);
    int exitHooks = 0;
    w.addExitHook([&] { ++exitHooks; });
    modify(doc);
    prompts.answers = {A::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(exitHooks, 0);
    EXPECT_TRUE(IsDataChanged(doc));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, LangText(Txt::SaveChangesQuestion));
    EXPECT_EQ(prompts.asked[0].buttons, NoticeButtons::YesNoCancel);
    EXPECT_EQ(prompts.asked[0].icon, NoticeIcon::Warning);
    // The placement keys already hold the current placement.
    const MainPlacement stored = LoadMainPlacement(placementTitle());
    EXPECT_EQ(stored,
              (MainPlacement{pixelsToTwips(w.x()), pixelsToTwips(w.y()), pixelsToTwips(w.width()),
                             pixelsToTwips(w.height())}));
    EXPECT_EQ(stored.width, pixelsToTwips(700));

    prompts.answers = {A::No};
    EXPECT_TRUE(w.close());
    EXPECT_EQ(exitHooks, 1);
}

TEST_F(ExitTest, YesMustEndInACompletedSave)
{
    frmMain w(doc);
    w.show();
    doc.DocFileName = path("exit.dat");
    ASSERT_TRUE(SaveDocument(doc, silent));
    doc.IsUntitled = false;
    modify(doc);

    // Titled: Yes runs Save, whose confirmation can be cancelled.
    prompts.answers = {A::Yes, A::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(IsDataChanged(doc));

    // A failing save keeps the program open as well.
    doc.DocFileName = path("gone/exit.dat");
    prompts.answers = {A::Yes, A::Ok};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(IsDataChanged(doc));
    EXPECT_EQ(prompts.asked.back().text,
              QString::fromStdString(
                  FileErrorText(Txt::DataFileAccessFailed, path("gone/exit.dat"), "no such file or directory")));

    // Untitled: Yes goes through Save As; cancelling it keeps the program open.
    doc.IsUntitled = true;
    doc.DocFileName = "new.dat";
    prompts.answers = {A::Yes};
    prompts.fileNames = {""};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());

    prompts.answers = {A::Yes};
    prompts.fileNames = {qpath("at-exit.dat")};
    EXPECT_TRUE(w.close());
    EXPECT_EQ(fileSize(path("at-exit.dat")), DataFileSize);
    EXPECT_TRUE(prompts.answers.empty());
}

TEST_F(ExitTest, PlacementKeysHoldTwipsUnderTheApplicationTitle)
{
    {
        frmMain w(doc);
        // Nothing stored yet: the window takes most of the screen, centred.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect outer(w.pos(), w.size().grownBy(WindowFit::DefaultFrame));
        EXPECT_NEAR(outer.width(), screen.width() * WindowFit::FirstStartShare, 1);
        EXPECT_NEAR(outer.height(), screen.height() * WindowFit::FirstStartShare, 1);
        EXPECT_NEAR(w.x() - screen.left(), screen.right() - outer.right(), 1);
        w.show();
        w.move(90, 60);
        w.resize(720, 540);
        QTest::qWait(20);
        EXPECT_TRUE(w.close());
    }
    QSettings settings(SettingsOrganisation, SettingsApplication);
    settings.beginGroup(placementTitle() + "/Settings");
    // 1440 twips to the inch at the screen's logical resolution.
    const double twipsPerPixel = 1440.0 / logicalDpi();
    EXPECT_EQ(settings.value("MainWidth").toString(), QString::number(std::lround(720 * twipsPerPixel)));
    EXPECT_EQ(settings.value("MainHeight").toString(), QString::number(std::lround(540 * twipsPerPixel)));
    EXPECT_TRUE(settings.contains("MainLeft"));
    EXPECT_TRUE(settings.contains("MainTop"));
    EXPECT_EQ(settings.allKeys().size(), 4);
}

TEST_F(ExitTest, PlacementIsStoredSoonAfterAMoveWithoutWaitingForExit)
{
    // A program ended by the session or a signal skips the exit handling;
    // its size still comes back.
    frmMain w(doc);
    w.show();
    w.resize(610, 430);
    QTest::qWait(frmMain::PlacementDelayMs + 200);
    const MainPlacement stored = LoadMainPlacement(placementTitle());
    EXPECT_EQ(QSize(stored.width, stored.height), QSize(pixelsToTwips(610), pixelsToTwips(430)));
}

TEST_F(ExitTest, MinimisedWindowLeavesTheStoredPlacementAlone)
{
    StoreMainPlacement(placementTitle(), MainPlacement{111, 222, 9000, 7000});
    {
        frmMain w(doc);
        // The window opens where it was left.
        EXPECT_EQ(w.pos(), QPoint(twipsToPixels(111), twipsToPixels(222)));
        EXPECT_EQ(w.size(), QSize(twipsToPixels(9000), twipsToPixels(7000)));
        w.show();
        w.resize(640, 480);
        w.setWindowState(Qt::WindowMinimized);
        EXPECT_TRUE(w.close());
    }
    EXPECT_EQ(LoadMainPlacement(placementTitle()), (MainPlacement{111, 222, 9000, 7000}));
}

TEST_F(ExitTest, PlacementDefaultsAndDamagedValues)
{
    EXPECT_EQ(LoadMainPlacement(placementTitle()), (MainPlacement{1000, 1000, 12500, 9500}));
    QSettings settings(SettingsOrganisation, SettingsApplication);
    settings.setValue(placementTitle() + "/Settings/MainLeft", "abc");
    settings.setValue(placementTitle() + "/Settings/MainTop", " 300 ");
    settings.setValue(placementTitle() + "/Settings/MainWidth", "-5");
    settings.sync();
    const MainPlacement p = LoadMainPlacement(placementTitle());
    EXPECT_EQ(p.left, 1000);
    EXPECT_EQ(p.top, 300);
    EXPECT_EQ(p.width, 12500);
}

using LanguageTest = GuiTest;

TEST_F(LanguageTest, SwitchReappliesTheTextsOnTheNextActivation)
{
    Document doc;
    frmMain w(doc);
    int channelWindows = 0;
    w.registerCommand(Command::ChannelInfo, [&] { ++channelWindows; });
    w.show();
    QTest::qWait(20);  // the channel window opens once the event loop runs
    EXPECT_EQ(channelWindows, 1);
    w.showRadioInfo();
    const QString englishFile = LangText(Txt::MenuFile);
    const QString englishTitle = w.windowTitle();

    FrmSetLanguage dialog(&w);
    auto* combo = dialog.findChild<QComboBox*>("Combo1");
    ASSERT_EQ(combo->currentIndex(), 0);
    combo->setCurrentIndex(1);
    dialog.findChild<QPushButton*>("CommandOK")->click();
    AppState& state = AppState::instance();
    EXPECT_EQ(state.LanguageId, 2);
    EXPECT_EQ(state.AppliedLanguageId, 1);
    EXPECT_EQ(IniFile::read(state.setupFilePath(), "language", "CurrentLanguage"), "2");
    // Nothing changes until the main window is activated again.
    EXPECT_EQ(w.findChild<QMenu*>("mnuFile")->title(), englishFile);
    ASSERT_NE(LangText(Txt::MenuFile), englishFile);

    channelWindows = 0;
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.MDIForm_Activate();  // a second activation changes nothing more
    EXPECT_EQ(state.AppliedLanguageId, 2);
    EXPECT_EQ(w.findChild<QMenu*>("mnuFile")->title(), LangText(Txt::MenuFile));
    EXPECT_EQ(w.findChild<QAction*>("mnuFileExit")->text(), LangText(Txt::MenuFileExit));
    EXPECT_EQ(w.toolbarAction("OpenFile")->toolTip(), LangText(Txt::TipOpen));
    EXPECT_NE(w.windowTitle(), englishTitle);
    EXPECT_EQ(w.treePane()->tree()->topLevelItem(0)->child(0)->text(0), LangText(Txt::PageChannels));
    EXPECT_EQ(channelWindows, 1);
    EXPECT_TRUE(waitUntil([&] { return w.mdiArea()->subWindowList().isEmpty(); }));
}

TEST_F(LanguageTest, CancelAndSameLanguageChangeNothing)
{
    FrmSetLanguage dialog;
    dialog.findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
    dialog.findChild<QPushButton*>("CommandCancel")->click();
    EXPECT_EQ(AppState::instance().LanguageId, 1);
    FrmSetLanguage again;
    again.findChild<QPushButton*>("CommandOK")->click();
    EXPECT_EQ(AppState::instance().LanguageId, 1);
    EXPECT_EQ(AppState::instance().AppliedLanguageId, 1);
}

TEST_F(LanguageTest, ListsEveryInstalledLanguageInItsOwnName)
{
    std::filesystem::remove(path("V100/language/italian.ini"));
    FrmSetLanguage dialog;
    auto* combo = dialog.findChild<QComboBox*>("Combo1");
    QStringList names;
    for (int i = 0; i < combo->count(); ++i)
        names << combo->itemText(i);
    EXPECT_EQ(names,
              (QStringList{LangText(Txt::LanguageEnglish), LangText(Txt::LanguageChinese), "Deutsch", "Polski",
                           QString::fromUtf8("Fran\u00e7ais"), QString::fromUtf8("Espa\u00f1ol")}));

    // The number stored is the language's own, whatever its place in the list.
    combo->setCurrentIndex(names.indexOf("Deutsch"));
    dialog.findChild<QPushButton*>("CommandOK")->click();
    EXPECT_EQ(AppState::instance().LanguageId, 3);
    EXPECT_EQ(AppState::instance().LanguageFile, "german.ini");
    EXPECT_EQ(IniFile::read(AppState::instance().setupFilePath(), "language", "CurrentLanguage"), "3");
    FrmSetLanguage again;
    EXPECT_EQ(again.findChild<QComboBox*>("Combo1")->currentText(), "Deutsch");
}

TEST_F(LanguageTest, LanguageMenuEntrySwitchesOnceTheDialogCloses)
{
    Document doc;
    frmMain w(doc);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const QString english = w.findChild<QMenu*>("mnuHelp")->title();
    QTimer::singleShot(50, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        modal->findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
        modal->findChild<QPushButton*>("CommandOK")->click();
    });
    w.findChild<QAction*>("mnuLanguage")->trigger();
    // The main window becomes active again when the dialog has gone.
    EXPECT_TRUE(waitUntil([&] { return w.findChild<QMenu*>("mnuHelp")->title() != english; }));
    EXPECT_EQ(w.findChild<QMenu*>("mnuHelp")->title(), LangText(Txt::MenuHelp));
    EXPECT_EQ(AppState::instance().AppliedLanguageId, 2);
}

TEST_F(LanguageTest, ShortcutsReachTheirCommands)
{
    Document doc;
    frmMain w(doc);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    int reads = 0;
    w.registerCommand(Command::ReadFromRadio, [&] { ++reads; });
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(reads, 1);
    prompts.answers = {NoticeAnswer::Cancel};
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(prompts.texts(), std::vector<QString>({LangText(Txt::NewDocumentQuestion)}));
}
