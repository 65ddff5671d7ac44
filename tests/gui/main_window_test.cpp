// The main window's texts, menus, toolbar, tree and command registry.

#include "gui_test_support.h"

#include "gui/app/frm_main.h"
#include "core/base/lang_texts.h"
#include "gui/app/tree_pane.h"
#include "gui/app/user_guide.h"
#include "gui/base/widget_helpers.h"
#include "core/model/band_range.h"
#include "lang_text_ids.h"
#include "core/model/document_compare.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTextBrowser>
#include <QTreeWidget>

#include <algorithm>
#include <tuple>

namespace {

QAction* entry(frmMain& w, const char* name)
{
    return w.findChild<QAction*>(QString::fromLatin1(name));
}

QTreeWidgetItem* node(frmMain& w, const QString& text)
{
    QTreeWidgetItem* root = w.treePane()->tree()->topLevelItem(0);
    for (int i = 0; root && i < root->childCount(); ++i) {
        if (root->child(i)->text(0) == text)
            return root->child(i);
    }
    return nullptr;
}

}  // namespace

using MainWindowTest = GuiTest;

TEST_F(MainWindowTest, CaptionAndStatusPanelsFollowTheBand)
{
    Document doc;
    frmMain w(doc);
    struct Case {
        int band;
        QString mode;
        QString shownRange;
        QString range;
    };
    const Case cases[] = {
        {0, "CB", "Frequency", "26.965 - 27.405 MHz"},
        {1, "HF", "25.615 - 30.105 MHz", "25.615 - 30.105 MHz"},
        {2, "HAM", "28.000 - 29.700 MHz", "28.000 - 29.700 MHz"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(ApplyBandMode(doc, c.band));
        w.SetMainTexts();
        EXPECT_EQ(w.windowTitle(),
                  LangText(Txt::AppTitle) + "[BRISKO7:" + c.mode + ":" + c.shownRange + "]["
                      + LangText(Txt::CaptionFileWord) + ":new.dat]")
            << c.band;
        EXPECT_EQ(w.statusPanel(2)->text(), "BRISKO7[" + c.mode + ":" + c.range + "]");
        EXPECT_EQ(w.treePane()->rootText(), "BRISKO7:" + c.mode);
        EXPECT_EQ(w.treePane()->tree()->topLevelItem(0)->text(0), "BRISKO7:" + c.mode);
    }
    AppState::instance().ComPort = 7;
    doc.DocFileName = path("sub/my radio.dat");
    w.SetMainTexts();
    EXPECT_EQ(w.statusPanel(3)->text(), LangText(Txt::StatusPort) + "7");
    EXPECT_TRUE(w.windowTitle().endsWith("[" + LangText(Txt::CaptionFileWord) + ":my radio.dat]"))
        << w.windowTitle().toStdString();
    EXPECT_EQ(w.fileFilter(), LangText(Txt::DataFileType) + " (*.dat)");
}

TEST_F(MainWindowTest, MenusInOrderWithTextsShortcutsAndHiddenEntries)
{
    Document doc;
    frmMain w(doc);
    QStringList titles;
    for (QAction* a : w.menuBar()->actions()) {
        if (a->isVisible())
            titles << a->text();
    }
    QStringList expected;
    for (int n : {10000, 10100, 10200, 10300, 10400, 10500, 10600, 10700})
        expected << LangText(n);
    EXPECT_EQ(titles, expected);

    const QMenu* file = w.findChild<QMenu*>("mnuFile");
    QStringList fileEntries;
    for (QAction* a : file->actions()) {
        if (!a->isSeparator())
            fileEntries << a->objectName();
    }
    EXPECT_EQ(fileEntries,
              QStringList({"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuFileImportCsv",
                           "mnuFileExportCsv", "mnuFileBackup", "mnuFileRecentAction", "mnuFileExit"}));
    EXPECT_EQ(entry(w, "mnuToneTips")->text(), LangText(Txt::MenuEditToneTips));
    EXPECT_EQ(entry(w, "MnuLocalInfo")->text(), LangText(Txt::MenuEditRadioInfo));

    EXPECT_EQ(entry(w, "mnuFileNew")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(entry(w, "mnuFileOpen")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(entry(w, "mnuReadFromRadio")->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(entry(w, "mnuWriteToRadio")->shortcut(), QKeySequence("Ctrl+W"));
    EXPECT_EQ(entry(w, "MnuProPassWord")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(entry(w, "mnuUserGuide")->shortcut(), QKeySequence(Qt::Key_F1));

    EXPECT_FALSE(entry(w, "mnuHelpTopic")->isVisible());
    for (const char* hidden : {"mnuWindowTileHorizontal", "mnuWindowTileVertical", "mnuWindowArrangeIcons"})
        EXPECT_FALSE(entry(w, hidden)->isVisible()) << hidden;
    EXPECT_EQ(entry(w, "mnuWindowTileVertical")->text(), "Tile Windows &Vertically");
    EXPECT_FALSE(w.chEditMenu()->menuAction()->isVisible());
    for (const char* checked : {"mnuTreeView", "mnuViewToolbar", "mnuViewStatusBar"})
        EXPECT_TRUE(entry(w, checked)->isChecked()) << checked;
}

TEST_F(MainWindowTest, ToolbarHasTwentyPositionsWithSeparatorsAndTooltips)
{
    Document doc;
    frmMain w(doc);
    const QList<QAction*> items = w.findChild<QToolBar*>("tbToolBar")->actions();
    ASSERT_EQ(items.size(), 20);
    for (int position : {4, 6, 10, 14, 19})
        EXPECT_TRUE(items[position - 1]->isSeparator()) << position;
    const std::pair<const char*, int> keyed[] = {
        {"NewFile", Txt::TipNew},      {"OpenFile", Txt::TipOpen},  {"SaveFile", Txt::TipSave},
        {"Print", Txt::TipPrint},      {"ReadRadio", Txt::TipRead}, {"CommSet", Txt::TipPort},
        {"WriteRadio", Txt::TipWrite}, {"About", Txt::TipAbout},    {"BtnCHMoveDown", Txt::TipChannelMoveDown}};
    for (auto [key, tip] : keyed) {
        ASSERT_NE(w.toolbarAction(key), nullptr) << key;
        EXPECT_EQ(w.toolbarAction(key)->toolTip(), LangText(tip)) << key;
        EXPECT_FALSE(w.toolbarAction(key)->icon().isNull()) << key;
    }
    EXPECT_EQ(items[0]->data().toString(), "NewFile");
    EXPECT_EQ(items[19]->data().toString(), "About");
    // The channel-edit buttons and their separators stay hidden until the channel window asks for them.
    for (int position = 11; position <= 19; ++position)
        EXPECT_FALSE(items[position - 1]->isVisible()) << position;
    EXPECT_TRUE(items[9]->isVisible());
    w.ShowCHInfo(true);
    for (int position = 11; position <= 19; ++position)
        EXPECT_TRUE(items[position - 1]->isVisible()) << position;
    EXPECT_TRUE(w.chEditMenu()->menuAction()->isVisible());
    EXPECT_FALSE(w.toolbarAction("Print")->isEnabled());
}

TEST_F(MainWindowTest, UnregisteredCommandsStayDisabledUntilAHandlerArrives)
{
    Document doc;
    frmMain w(doc);
    w.LoadTree();
    EXPECT_FALSE(entry(w, "mnuChannelInfo")->isEnabled());
    EXPECT_FALSE(entry(w, "mnuReadFromRadio")->isEnabled());
    EXPECT_FALSE(w.toolbarAction("ReadRadio")->isEnabled());
    ASSERT_NE(node(w, LangText(Txt::PageOptions)), nullptr);
    EXPECT_TRUE(node(w, LangText(Txt::PageOptions))->isDisabled());
    EXPECT_TRUE(entry(w, "mnuFileSave")->isEnabled());

    int options = 0;
    int reads = 0;
    w.registerCommand(Command::OptFeature, [&] { ++options; });
    w.registerCommand(Command::ReadFromRadio, [&] { ++reads; });
    EXPECT_TRUE(entry(w, "mnuOptFeature")->isEnabled());
    EXPECT_FALSE(node(w, LangText(Txt::PageOptions))->isDisabled());
    entry(w, "mnuOptFeature")->trigger();
    QTreeWidgetItem* page = node(w, LangText(Txt::PageOptions));
    emit w.treePane()->tree()->itemClicked(page, 0);
    EXPECT_EQ(options, 2);
    w.toolbarAction("ReadRadio")->trigger();
    entry(w, "mnuReadFromRadio")->trigger();
    EXPECT_EQ(reads, 2);
    // The tree still holds the registration after it is rebuilt.
    w.LoadTree();
    EXPECT_FALSE(node(w, LangText(Txt::PageOptions))->isDisabled());
    EXPECT_TRUE(node(w, LangText(Txt::PageDtmf))->isDisabled());
    // Clicking the root does nothing.
    emit w.treePane()->tree()->itemClicked(w.treePane()->tree()->topLevelItem(0), 0);
    EXPECT_EQ(options, 2);
}

// Every command left to a later window is listed (and disabled) until one
// registers it, wherever it stands in the enum; the commands of the main
// window itself take no handler.
TEST_F(MainWindowTest, UnregisteredCommandsAreListedUntilAWindowServesThem)
{
    Document doc;
    frmMain w(doc);
    const std::vector<Command> missing = w.unregisteredCommands();
    for (int i = 0; i < static_cast<int>(Command::Count); ++i) {
        const auto c = static_cast<Command>(i);
        const bool listed = std::find(missing.begin(), missing.end(), c) != missing.end();
        EXPECT_FALSE(listed && w.isCommandEnabled(c)) << i;
        w.registerCommand(c, [] {});
        EXPECT_EQ(w.isCommandRegistered(c), listed) << i;
    }
    EXPECT_FALSE(missing.empty());
    EXPECT_TRUE(w.unregisteredCommands().empty());
}

TEST_F(MainWindowTest, EnterAndSpaceOpenAPageAndTheFileCommandsHaveTheirKeys)
{
    Document doc;
    frmMain w(doc);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    int options = 0;
    w.registerCommand(Command::OptFeature, [&] { ++options; });
    QTreeWidget* tree = w.treePane()->tree();
    QTreeWidgetItem* optionsPage = node(w, LangText(Txt::PageOptions));
    QTreeWidgetItem* root = tree->topLevelItem(0);
    const struct {
        const char* what;
        QTreeWidgetItem* item;
        Qt::Key key;
        int opened;
    } presses[] = {
        {"options, Return", optionsPage, Qt::Key_Return, 1}, {"options, Enter", optionsPage, Qt::Key_Enter, 2},
        {"options, Space", optionsPage, Qt::Key_Space, 3},   {"options, a letter", optionsPage, Qt::Key_A, 3},
        {"the root, Return", root, Qt::Key_Return, 3},
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(p.what);
        tree->setCurrentItem(p.item);
        QTest::keyClick(tree, p.key);
        EXPECT_EQ(options, p.opened);
    }

    EXPECT_EQ(entry(w, "mnuFileSave")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(entry(w, "mnuFileSaveAs")->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(entry(w, "mnuFileExit")->shortcut(), QKeySequence("Ctrl+Q"));
    prompts.fileNames = {QString()};
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(prompts.saveDialogs, 1);
    QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, RunningTransferLocksTheCommandsThatReplaceTheDocument)
{
    Document doc;
    frmMain w(doc);
    int reads = 0;
    w.registerCommand(Command::ReadFromRadio, [&] { ++reads; });
    w.registerCommand(Command::LocalInfo, [] {});
    w.setTransferRunning(true);
    for (const char* locked : {"mnuFileNew", "mnuFileOpen", "mnuModelInfo", "MnuInit", "mnuReadFromRadio",
                               "MnuLocalInfo", "mnuLanguage", "mnuCloseAll"})
        EXPECT_FALSE(entry(w, locked)->isEnabled()) << locked;
    EXPECT_FALSE(w.toolbarAction("NewFile")->isEnabled());
    EXPECT_FALSE(w.toolbarAction("OpenFile")->isEnabled());
    for (const char* free : {"mnuFileSave", "mnuFileSaveAs", "mnuHelpAbout", "mnuFileExit", "mnuTreeView"})
        EXPECT_TRUE(entry(w, free)->isEnabled()) << free;
    w.runCommand(Command::ReadFromRadio);
    w.runCommand(Command::FileNew);  // would ask 9026; nothing may be asked
    EXPECT_EQ(reads, 0);
    EXPECT_TRUE(prompts.asked.empty());
    w.setTransferRunning(false);
    EXPECT_TRUE(entry(w, "mnuFileNew")->isEnabled());
    w.runCommand(Command::ReadFromRadio);
    EXPECT_EQ(reads, 1);
}

TEST_F(MainWindowTest, RadioInformationCommandClosesTheOpenWindowFirst)
{
    Document doc;
    frmMain w(doc);
    bool windowWasOpen = true;
    w.registerCommand(Command::LocalInfo,
                      [&] { windowWasOpen = FindChildForm(w.mdiArea(), "FrmRadioInfo") != nullptr; });
    w.showRadioInfo();
    ASSERT_NE(FindChildForm(w.mdiArea(), "FrmRadioInfo"), nullptr);
    w.runCommand(Command::LocalInfo);
    EXPECT_FALSE(windowWasOpen);
    // Showing it twice keeps one window.
    w.showRadioInfo();
    w.showRadioInfo();
    QTest::qWait(20);
    int open = 0;
    for (QMdiSubWindow* sub : w.mdiArea()->subWindowList())
        open += sub->isHidden() ? 0 : 1;
    EXPECT_EQ(open, 1);
}

TEST_F(MainWindowTest, WindowMenuListsOpenChildWindowsAndCloseAllClosesThem)
{
    Document doc;
    frmMain w(doc);
    w.show();
    for (const char* name : {"First", "Second"}) {
        ShowChildForm(w.mdiArea(), name, [name] {
            auto* page = new QWidget;
            page->setWindowTitle(QString::fromLatin1(name));
            return page;
        });
    }
    QMenu* windows = w.findChild<QMenu*>("mnuWindow");
    emit windows->aboutToShow();
    QStringList listed;
    for (QAction* a : windows->actions()) {
        if (a->objectName().startsWith("mnuWindowList"))
            listed << a->text();
    }
    EXPECT_EQ(listed, QStringList({"&1 First", "&2 Second"}));
    entry(w, "mnuCloseAll")->trigger();
    EXPECT_TRUE(waitUntil([&] { return w.mdiArea()->subWindowList().isEmpty(); }));
    emit windows->aboutToShow();
    for (QAction* a : windows->actions())
        EXPECT_FALSE(a->objectName().startsWith("mnuWindowList"));
}

TEST_F(MainWindowTest, ViewEntriesToggleTreeToolbarAndStatusBar)
{
    Document doc;
    frmMain w(doc);
    w.show();
    entry(w, "mnuViewToolbar")->trigger();
    EXPECT_FALSE(w.findChild<QToolBar*>("tbToolBar")->isVisible());
    entry(w, "mnuViewToolbar")->trigger();
    EXPECT_TRUE(w.findChild<QToolBar*>("tbToolBar")->isVisible());
    entry(w, "mnuViewStatusBar")->trigger();
    EXPECT_FALSE(entry(w, "mnuViewStatusBar")->isChecked());
    EXPECT_FALSE(w.statusPanel(2)->isVisible());
    // The pane's own close button hides it and clears the check mark.
    w.findChild<QAction*>("TB_CLOSE")->trigger();
    EXPECT_FALSE(w.treePane()->isVisible());
    EXPECT_FALSE(entry(w, "mnuTreeView")->isChecked());
    entry(w, "mnuTreeView")->trigger();
    EXPECT_TRUE(w.treePane()->isVisible());
}

TEST_F(MainWindowTest, CoreWarningsAppearAsMessageBoxes)
{
    Document doc;
    frmMain w(doc);
    w.notifier().message("Not IsNumeric", NoticeIcon::Warning);
    w.notifier().message(GetLangText(Txt::BadFrequency), NoticeIcon::Warning);
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[0].text, "Not IsNumeric");
    EXPECT_EQ(prompts.asked[1].text, LangText(Txt::BadFrequency));
    EXPECT_FALSE(prompts.asked[1].question);
}

TEST_F(MainWindowTest, EveryMenuHoldsItsEntriesInOrderWithTheirTexts)
{
    Document doc;
    frmMain w(doc);
    struct Entry {
        const char* name;
        int text;
    };
    const std::vector<std::pair<const char*, std::vector<Entry>>> menus = {
        {"mnuFile",
         {{"mnuFileNew", Txt::MenuFileNew},
          {"mnuFileOpen", Txt::MenuFileOpen},
          {"mnuFileSave", Txt::MenuFileSave},
          {"mnuFileSaveAs", Txt::MenuFileSaveAs},
          {"mnuFileImportCsv", Txt::MenuImportCsv},
          {"mnuFileExportCsv", Txt::MenuExportCsv},
          {"mnuFileBackup", Txt::MenuBackupFolder},
          {"mnuFileRecentAction", Txt::MenuRecentFiles},
          {"mnuFileExit", Txt::MenuFileExit}}},
        {"mnuModel", {{"mnuModelInfo", Txt::MenuModelInformation}}},
        {"mnuEdit",
         {{"mnuEditUndo", Txt::MenuEditUndo},
          {"mnuEditRedo", Txt::MenuEditRedo},
          {"mnuChannelInfo", Txt::MenuEditChannels},
          {"mnuOptFeature", Txt::MenuEditOptions},
          {"mnuToneTips", Txt::MenuEditToneTips},
          {"MnuDTMF", Txt::MenuEditDtmf},
          {"MnuKey", Txt::MenuEditKeys},
          {"MnuLocalInfo", Txt::MenuEditRadioInfo}}},
        {"mnuProgram",
         {{"mnuReadFromRadio", Txt::MenuProgramRead},
          {"mnuWriteToRadio", Txt::MenuProgramWrite},
          {"MnuProPassWord", Txt::MenuProgramPassword}}},
        {"mnuSet",
         {{"mnuComm", Txt::MenuSettingsPort},
          {"mnuLanguage", Txt::MenuSettingsLanguage},
          {"MnuInit", Txt::MenuSettingsInitial}}},
        {"mnuView",
         {{"mnuTreeView", Txt::MenuViewPageTree},
          {"mnuViewToolbar", Txt::MenuViewToolbar},
          {"mnuViewStatusBar", Txt::MenuViewStatusBar}}},
        {"mnuWindow", {{"mnuWindowCascade", Txt::MenuWindowCascade}, {"mnuCloseAll", Txt::MenuWindowCloseAll}}},
        {"mnuHelp", {{"mnuUserGuide", Txt::MenuHelpUserGuide}, {"mnuHelpAbout", Txt::MenuHelpAbout}}},
    };
    for (const auto& [menuName, entries] : menus) {
        SCOPED_TRACE(menuName);
        const QMenu* menu = w.findChild<QMenu*>(menuName);
        ASSERT_NE(menu, nullptr);
        QStringList shown;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator() && a->isVisible())
                shown << a->objectName();
        }
        QStringList expected;
        for (const Entry& e : entries) {
            expected << e.name;
            EXPECT_EQ(entry(w, e.name)->text(), LangText(e.text)) << e.name;
            EXPECT_FALSE(entry(w, e.name)->text().isEmpty()) << e.name;
        }
        EXPECT_EQ(shown, expected);
    }
    EXPECT_EQ(w.findChild<QMenu*>("MnuCHEdit")->title(), LangText(Txt::MenuChannelEdit));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(w.chEditAction(i)->text(), LangText(Txt::ChannelMenuEntry + i)) << i;
    for (const char* noShortcut : {"mnuModelInfo", "mnuLanguage"})
        EXPECT_TRUE(entry(w, noShortcut)->shortcut().isEmpty()) << noShortcut;
}

TEST_F(MainWindowTest, ToolbarKeysStandAtTheirPositions)
{
    Document doc;
    frmMain w(doc);
    const QList<QAction*> items = w.findChild<QToolBar*>("tbToolBar")->actions();
    ASSERT_EQ(items.size(), 20);
    const std::vector<std::pair<int, const char*>> keys = {
        {1, "NewFile"},      {2, "OpenFile"},     {3, "SaveFile"},     {5, "Print"},          {7, "ReadRadio"},
        {8, "CommSet"},      {9, "WriteRadio"},   {11, "BtnCHCut"},    {12, "BtnCHCopy"},     {13, "BtnCHPaste"},
        {15, "BtnCHInsert"}, {16, "BtnCHDelete"}, {17, "BtnCHMoveUp"}, {18, "BtnCHMoveDown"}, {20, "About"},
    };
    const int tips[] = {11000, 11001, 11002, 11003, 11004, 11005, 11006, 11010,
                        11011, 11012, 11013, 11014, 11015, 11016, 11007};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        QAction* item = items[keys[i].first - 1];
        EXPECT_FALSE(item->isSeparator()) << keys[i].first;
        EXPECT_EQ(item->data().toString(), keys[i].second) << keys[i].first;
        EXPECT_EQ(item->toolTip(), LangText(tips[i])) << keys[i].first;
    }
    // The toolbar's buttons run the same commands as the menu.
    int reads = 0;
    int writes = 0;
    int ports = 0;
    w.registerCommand(Command::ReadFromRadio, [&] { ++reads; });
    w.registerCommand(Command::WriteToRadio, [&] { ++writes; });
    w.registerCommand(Command::CommSet, [&] { ++ports; });
    items[6]->trigger();
    EXPECT_EQ(std::tuple(reads, ports, writes), std::tuple(1, 0, 0));
    items[7]->trigger();
    EXPECT_EQ(std::tuple(reads, ports, writes), std::tuple(1, 1, 0));
    items[8]->trigger();
    EXPECT_EQ(std::tuple(reads, ports, writes), std::tuple(1, 1, 1));
}

TEST_F(MainWindowTest, TreeHoldsItsPagesInOrderUnderTheRoot)
{
    Document doc;
    frmMain w(doc);
    QTreeWidget* tree = w.treePane()->tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(root->data(0, Qt::UserRole).toString(), "N0");
    const std::vector<std::pair<const char*, int>> pages = {{"N1", Txt::PageChannels}, {"N2", Txt::PageOptions},
                                                            {"N4", Txt::PageDtmf},     {"N12", Txt::PageToneTips},
                                                            {"N8", Txt::PageKeys},     {"N7", Txt::PageRadioInfo}};
    ASSERT_EQ(root->childCount(), static_cast<int>(pages.size()));
    for (int i = 0; i < root->childCount(); ++i) {
        EXPECT_EQ(root->child(i)->data(0, Qt::UserRole).toString(), pages[i].first) << i;
        EXPECT_EQ(root->child(i)->text(0), LangText(pages[i].second)) << i;
    }
    // Each page runs its own command.
    std::vector<Command> ran;
    for (Command c : {Command::ChannelInfo, Command::OptFeature, Command::Dtmf, Command::ToneTips, Command::Key,
                      Command::LocalInfo})
        w.registerCommand(c, [&ran, c] { ran.push_back(c); });
    for (int i = 0; i < root->childCount(); ++i)
        emit tree->itemClicked(root->child(i), 0);
    EXPECT_EQ(ran,
              (std::vector<Command>{Command::ChannelInfo, Command::OptFeature, Command::Dtmf, Command::ToneTips,
                                    Command::Key, Command::LocalInfo}));
}

// Help > User Guide hands the guide to the desktop's browser, or says that
// there is none. A QTextBrowser stands in for the browser.
TEST_F(MainWindowTest, UserGuideOpensInTheBrowserOrIsReportedMissing)
{
    if (!UserGuidePath(QStringLiteral("/nonexistent")).isEmpty())
        GTEST_SKIP() << "a user guide is installed on this machine";
    const std::filesystem::path buildGuide = m_root / "V100" / "guide" / "index.html";
    for (const bool present : {false, true}) {
        SCOPED_TRACE(present);
        if (present) {
            std::filesystem::create_directories(buildGuide.parent_path());
            std::ofstream(buildGuide) << "<html></html>";
        }
        Document doc;
        frmMain w(doc);
        prompts.asked.clear();
        QTextBrowser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "setSource");
        entry(w, "mnuUserGuide")->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        const QUrl expected = present ? QUrl::fromLocalFile(QString::fromStdString(buildGuide.string())) : QUrl();
        EXPECT_EQ(browser.source(), expected);
        ASSERT_EQ(prompts.asked.size(), present ? 0u : 1u);
        if (!present) {
            EXPECT_EQ(prompts.asked.front().text, LangText(Txt::UserGuideNotOpened));
        }
    }
}
