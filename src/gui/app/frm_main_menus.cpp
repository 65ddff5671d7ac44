// The main window's menus, toolbar and status bar, and the texts they show.

#include "gui/app/frm_main.h"

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "gui/app/edit_history.h"
#include "gui/app/fallback_icons.h"
#include "gui/base/lang_text.h"
#include "core/base/paths.h"
#include "gui/app/tree_pane.h"
#include "gui/app/user_guide.h"
#include "gui/base/widget_helpers.h"
#include "core/model/band_range.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <tuple>
#include <utility>

namespace {

struct MenuText {
    const char* name;
    int textNumber;
};

// Every menu with its text, in the order of the menu bar.
constexpr MenuText MenuTexts[] = {
    {"mnuFile", Txt::MenuFile},          {"mnuModel", Txt::MenuModel},     {"mnuEdit", Txt::MenuEdit},
    {"MnuCHEdit", Txt::MenuChannelEdit}, {"mnuProgram", Txt::MenuProgram}, {"mnuSet", Txt::MenuSettings},
    {"mnuView", Txt::MenuView},          {"mnuWindow", Txt::MenuWindow},   {"mnuHelp", Txt::MenuHelp},
};

// Every menu entry that carries a text number.
constexpr MenuText EntryTexts[] = {
    {"mnuFileNew", Txt::MenuFileNew},
    {"mnuFileOpen", Txt::MenuFileOpen},
    {"mnuFileSave", Txt::MenuFileSave},
    {"mnuFileSaveAs", Txt::MenuFileSaveAs},
    {"mnuFileExit", Txt::MenuFileExit},
    {"mnuModelInfo", Txt::MenuModelInformation},
    {"mnuChannelInfo", Txt::MenuEditChannels},
    {"mnuOptFeature", Txt::MenuEditOptions},
    {"mnuToneTips", Txt::MenuEditToneTips},
    {"MnuDTMF", Txt::MenuEditDtmf},
    {"MnuKey", Txt::MenuEditKeys},
    {"MnuLocalInfo", Txt::MenuEditRadioInfo},
    {"mnuReadFromRadio", Txt::MenuProgramRead},
    {"mnuWriteToRadio", Txt::MenuProgramWrite},
    {"MnuProPassWord", Txt::MenuProgramPassword},
    {"mnuComm", Txt::MenuSettingsPort},
    {"mnuLanguage", Txt::MenuSettingsLanguage},
    {"MnuInit", Txt::MenuSettingsInitial},
    {"mnuTreeView", Txt::MenuViewPageTree},
    {"mnuViewToolbar", Txt::MenuViewToolbar},
    {"mnuViewStatusBar", Txt::MenuViewStatusBar},
    {"mnuWindowCascade", Txt::MenuWindowCascade},
    {"mnuCloseAll", Txt::MenuWindowCloseAll},
    {"mnuHelpTopic", Txt::MenuHelpTopics},
    {"mnuHelpAbout", Txt::MenuHelpAbout},
};

// The three window arrangements that keep their own captions.
constexpr struct {
    const char* name;
    const char* caption;
} FixedWindowEntries[] = {
    {"mnuWindowTileHorizontal", "Tile Windows &Horizontally"},
    {"mnuWindowTileVertical", "Tile Windows &Vertically"},
    {"mnuWindowArrangeIcons", "&Arrange Icons"},
};

// The toolbar: 20 positions; an empty key is a separator.
struct ToolbarPosition {
    const char* key;
    int tooltip;
    Command command;
};

constexpr ToolbarPosition ToolbarPositions[] = {
    {"NewFile", Txt::TipNew, Command::ToolbarNew},
    {"OpenFile", Txt::TipOpen, Command::FileOpen},
    {"SaveFile", Txt::TipSave, Command::FileSave},
    {"", 0, Command::Print},
    {"Print", Txt::TipPrint, Command::Print},
    {"", 0, Command::Print},
    {"ReadRadio", Txt::TipRead, Command::ReadFromRadio},
    {"CommSet", Txt::TipPort, Command::CommSet},
    {"WriteRadio", Txt::TipWrite, Command::WriteToRadio},
    {"", 0, Command::Print},
    {"BtnCHCut", Txt::TipChannelCut, Command::Print},
    {"BtnCHCopy", Txt::TipChannelCopy, Command::Print},
    {"BtnCHPaste", Txt::TipChannelPaste, Command::Print},
    {"", 0, Command::Print},
    {"BtnCHInsert", Txt::TipChannelInsert, Command::Print},
    {"BtnCHDelete", Txt::TipChannelDelete, Command::Print},
    {"BtnCHMoveUp", Txt::TipChannelMoveUp, Command::Print},
    {"BtnCHMoveDown", Txt::TipChannelMoveDown, Command::Print},
    {"", 0, Command::Print},
    {"About", Txt::TipAbout, Command::About},
};

// Positions 11 to 19 belong to the channel window's editing commands.
constexpr int FirstChEditPosition = 11;
constexpr int LastChEditPosition = 19;

bool isChannelEditKey(const QString& key)
{
    return key.startsWith(QStringLiteral("BtnCH"));
}

}  // namespace

QAction* frmMain::addEntry(QMenu* menu, const char* name, int textNumber, Command command)
{
    auto* action = menu->addAction(LangText(textNumber));
    action->setObjectName(QString::fromLatin1(name));
    m_entries.insert(action->objectName(), action);
    bind(command, action);
    return action;
}

void frmMain::bind(Command command, QAction* action)
{
    m_commands[command].actions.push_back(action);
    connect(action, &QAction::triggered, this, [this, command] { serveCommand(command); });
}

void frmMain::buildMenus()
{
    for (const MenuText& m : MenuTexts) {
        QMenu* menu = menuBar()->addMenu(LangText(m.textNumber));
        menu->setObjectName(QString::fromLatin1(m.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(m.name) + QStringLiteral("Action"));
        m_menus.insert(menu->objectName(), menu);
    }
    m_mnuWindow = m_menus.value(QStringLiteral("mnuWindow"));
    m_mnuCHEdit = m_menus.value(QStringLiteral("MnuCHEdit"));
    buildFileMenu();
    buildEditMenus();
    buildSettingsMenus();
    buildWindowMenu();
}

void frmMain::buildFileMenu()
{
    QMenu* file = m_menus.value(QStringLiteral("mnuFile"));
    addEntry(file, "mnuFileNew", Txt::MenuFileNew, Command::FileNew)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    addEntry(file, "mnuFileOpen", Txt::MenuFileOpen, Command::FileOpen)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    // Save, Save As and Exit take the keys every desktop program gives them.
    addEntry(file, "mnuFileSave", Txt::MenuFileSave, Command::FileSave)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    addEntry(file, "mnuFileSaveAs", Txt::MenuFileSaveAs, Command::FileSaveAs)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addFileExtras(file);
    file->addSeparator();
    addEntry(file, "mnuFileExit", Txt::MenuFileExit, Command::FileExit)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addEntry(m_menus.value(QStringLiteral("mnuModel")), "mnuModelInfo", Txt::MenuModelInformation, Command::ModelInfo);
}

void frmMain::buildEditMenus()
{
    QMenu* edit = m_menus.value(QStringLiteral("mnuEdit"));
    addEntry(edit, "mnuEditUndo", Txt::MenuEditUndo, Command::Undo)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    addEntry(edit, "mnuEditRedo", Txt::MenuEditRedo, Command::Redo)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addSeparator();
    connect(m_editHistory, &EditHistory::changed, this, [this] {
        refreshCommandStates();
        setUndoTexts();
    });
    addEntry(edit, "mnuChannelInfo", Txt::MenuEditChannels, Command::ChannelInfo);
    addEntry(edit, "mnuOptFeature", Txt::MenuEditOptions, Command::OptFeature);
    addEntry(edit, "mnuToneTips", Txt::MenuEditToneTips, Command::ToneTips);
    addEntry(edit, "MnuDTMF", Txt::MenuEditDtmf, Command::Dtmf);
    addEntry(edit, "MnuKey", Txt::MenuEditKeys, Command::Key);
    addEntry(edit, "MnuLocalInfo", Txt::MenuEditRadioInfo, Command::LocalInfo);
    // The channel window's editing entries: no command of the main window.
    for (int i = 0; i < 8; ++i) {
        QAction* entry = m_mnuCHEdit->addAction(LangText(Txt::ChannelMenuEntry + i));
        entry->setObjectName(QStringLiteral("MnuCHEdit%1").arg(i + 1));
        m_chEditEntries.push_back(entry);
    }
}

void frmMain::buildSettingsMenus()
{
    QMenu* program = m_menus.value(QStringLiteral("mnuProgram"));
    addEntry(program, "mnuReadFromRadio", Txt::MenuProgramRead, Command::ReadFromRadio)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    addEntry(program, "mnuWriteToRadio", Txt::MenuProgramWrite, Command::WriteToRadio)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    addEntry(program, "MnuProPassWord", Txt::MenuProgramPassword, Command::ProPassWord)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    QMenu* set = m_menus.value(QStringLiteral("mnuSet"));
    addEntry(set, "mnuComm", Txt::MenuSettingsPort, Command::CommSet);
    addEntry(set, "mnuLanguage", Txt::MenuSettingsLanguage, Command::Language);
    addEntry(set, "MnuInit", Txt::MenuSettingsInitial, Command::InitSettings);
    QMenu* view = m_menus.value(QStringLiteral("mnuView"));
    for (auto [name, number, command] :
         {std::tuple{"mnuTreeView", Txt::MenuViewPageTree, Command::TreeView},
          std::tuple{"mnuViewToolbar", Txt::MenuViewToolbar, Command::ViewToolbar},
          std::tuple{"mnuViewStatusBar", Txt::MenuViewStatusBar, Command::ViewStatusBar}}) {
        QAction* entry = addEntry(view, name, number, command);
        entry->setCheckable(true);
        entry->setChecked(true);
    }
    QMenu* help = m_menus.value(QStringLiteral("mnuHelp"));
    addEntry(help, "mnuHelpTopic", Txt::MenuHelpTopics, Command::HelpTopic);
    QAction* guide = help->addAction(LangText(Txt::MenuHelpUserGuide), this, &OpenUserGuide);
    guide->setObjectName(QStringLiteral("mnuUserGuide"));
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    addEntry(help, "mnuHelpAbout", Txt::MenuHelpAbout, Command::About);
}

void frmMain::buildWindowMenu()
{
    addEntry(m_mnuWindow, "mnuWindowCascade", Txt::MenuWindowCascade, Command::WindowCascade);
    for (const auto& fixed : FixedWindowEntries) {
        QAction* entry = m_mnuWindow->addAction(QString::fromLatin1(fixed.caption));
        entry->setObjectName(QString::fromLatin1(fixed.name));
        m_entries.insert(entry->objectName(), entry);
    }
    addEntry(m_mnuWindow, "mnuCloseAll", Txt::MenuWindowCloseAll, Command::CloseAll);
    m_windowListSeparator = m_mnuWindow->addSeparator();
    connect(m_mnuWindow, &QMenu::aboutToShow, this, &frmMain::refreshWindowMenu);
}

void frmMain::refreshWindowMenu()
{
    // The open child windows follow the separator, the active one checked.
    const QList<QAction*> all = m_mnuWindow->actions();
    for (qsizetype i = all.indexOf(m_windowListSeparator) + 1; i < all.size(); ++i) {
        m_mnuWindow->removeAction(all[i]);
        all[i]->deleteLater();
    }
    int number = 0;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList()) {
        if (sub->isHidden())
            continue;
        ++number;
        QAction* entry = m_mnuWindow->addAction(QStringLiteral("&%1 %2").arg(number).arg(sub->windowTitle()));
        entry->setObjectName(QStringLiteral("mnuWindowList%1").arg(number));
        entry->setCheckable(true);
        entry->setChecked(sub == m_mdiArea->activeSubWindow());
        connect(entry, &QAction::triggered, this, [this, sub] { m_mdiArea->setActiveSubWindow(sub); });
    }
    m_windowListSeparator->setVisible(number > 0);
}

void frmMain::buildToolbar()
{
    m_tbToolBar = addToolBar(QString());
    m_tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_tbToolBar->setMovable(false);
    m_tbToolBar->setIconSize(QSize(24, 24));
    m_tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    int position = 0;
    for (const ToolbarPosition& p : ToolbarPositions) {
        ++position;
        const QString key = QString::fromLatin1(p.key);
        QAction* item = key.isEmpty() ? m_tbToolBar->addSeparator()
                                      : m_tbToolBar->addAction(toolbarIcon(key), QString());
        if (!key.isEmpty()) {
            item->setObjectName(QStringLiteral("tb") + key);
            item->setData(key);
            m_toolbarKeys.insert(key, item);
            if (!isChannelEditKey(key))
                bind(p.command, item);
        }
        if (position >= FirstChEditPosition && position <= LastChEditPosition)
            m_chEditToolItems.push_back(item);
    }
}

void frmMain::buildStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    m_panel1 = new QLabel(this);
    m_panel1->setObjectName(QStringLiteral("sbPanel1"));
    m_panel2 = new QLabel(this);
    m_panel2->setObjectName(QStringLiteral("sbPanel2"));
    m_panel3 = new QLabel(this);
    m_panel3->setObjectName(QStringLiteral("sbPanel3"));
    for (QLabel* panel : {m_panel2, m_panel3}) {
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setContentsMargins(6, 0, 6, 0);
    }
    statusBar()->addWidget(m_panel1, 1);
    statusBar()->addPermanentWidget(m_panel2);
    statusBar()->addPermanentWidget(m_panel3);
}

QLabel* frmMain::statusPanel(int number) const
{
    switch (number) {
    case 1:
        return m_panel1;
    case 2:
        return m_panel2;
    case 3:
        return m_panel3;
    default:
        return nullptr;
    }
}

QString frmMain::fileFilter() const
{
    return LangText(Txt::DataFileType) + QStringLiteral(" (*.dat)");
}

void frmMain::ShowMainTxt()
{
    const QString model = QString::fromStdString(ModelDisplayName(m_doc.ModelName));
    const QString band = QString::fromStdString(BandModeName(m_doc.BandMode));
    const QString range = QString::fromStdString(BandDisplayText(m_doc.BandRangeText));
    const QString file = QString::fromStdString(FileNameOfPath(m_doc.DocFileName));
    setWindowTitle(LangText(Txt::AppTitle) + QStringLiteral("[%1:%2:%3]").arg(model, band, range)
                   + QStringLiteral("[%1:%2]").arg(LangText(Txt::CaptionFileWord), file));
    m_treePane->setRootText(model + QLatin1Char(':') + band);
}

void frmMain::SetMainTexts()
{
    const QString port = LangText(Txt::StatusPort) + QString::number(AppState::instance().ComPort);
    const QString model = QString::fromStdString(ModelDisplayName(m_doc.ModelName)) + QLatin1Char('[')
        + QString::fromStdString(BandModeName(m_doc.BandMode)) + QLatin1Char(':')
        + QString::fromStdString(m_doc.BandRangeText) + QLatin1Char(']');
    // The status bar is out of the focus: a panel that changes is announced.
    for (auto [panel, text] : {std::pair{m_panel3, port}, std::pair{m_panel2, model}}) {
        if (panel->text() == text)
            continue;
        const bool wasShown = !panel->text().isEmpty();
        panel->setText(text);
        if (wasShown)
            Announce(panel, text);
    }
    ShowMainTxt();
    setMenuTexts();
    setToolbarTexts();
}

void frmMain::setMenuTexts()
{
    for (const MenuText& m : MenuTexts) {
        if (QMenu* menu = m_menus.value(QString::fromLatin1(m.name)))
            menu->setTitle(LangText(m.textNumber));
    }
    for (const MenuText& e : EntryTexts) {
        if (QAction* entry = m_entries.value(QString::fromLatin1(e.name)))
            entry->setText(LangText(e.textNumber));
    }
    for (const auto& fixed : FixedWindowEntries)
        m_entries.value(QString::fromLatin1(fixed.name))->setText(QString::fromLatin1(fixed.caption));
    for (std::size_t i = 0; i < m_chEditEntries.size(); ++i)
        m_chEditEntries[i]->setText(LangText(Txt::ChannelMenuEntry + static_cast<int>(i)));
    setUndoTexts();
}

void frmMain::setUndoTexts()
{
    const UndoHistory& history = m_editHistory->history();
    for (auto [name, number, step] : {std::tuple{"mnuEditUndo", Txt::MenuEditUndo, history.undoName()},
                                      std::tuple{"mnuEditRedo", Txt::MenuEditRedo, history.redoName()}}) {
        const QString what = UndoStepText(step);
        m_entries.value(QString::fromLatin1(name))
            ->setText(LangText(number) + (what.isEmpty() ? QString() : QLatin1Char(' ') + what));
    }
}

void frmMain::setToolbarTexts()
{
    for (const ToolbarPosition& p : ToolbarPositions) {
        if (QAction* item = m_toolbarKeys.value(QString::fromLatin1(p.key))) {
            item->setText(LangText(p.tooltip));
            item->setToolTip(LangText(p.tooltip));
        }
    }
    m_treePane->setCloseToolTip(LangText(Txt::CloseButton));
}

void frmMain::ShowCHInfo(bool show)
{
    m_mnuCHEdit->menuAction()->setVisible(show);
    for (QAction* item : m_chEditToolItems)
        item->setVisible(show);
}

QAction* frmMain::chEditAction(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_chEditEntries.size()))
        return nullptr;
    return m_chEditEntries[static_cast<std::size_t>(index)];
}

QAction* frmMain::toolbarAction(const QString& key) const
{
    return m_toolbarKeys.value(key);
}
