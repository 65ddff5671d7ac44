#include "gui/app/frm_main.h"

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "gui/base/document_signals.h"
#include "gui/app/edit_history.h"
#include "gui/app/frm_about.h"
#include "gui/app/frm_model_info.h"
#include "gui/app/frm_pass_word.h"
#include "gui/app/frm_radio_info.h"
#include "gui/app/frm_set_language.h"
#include "gui/base/lang_text.h"
#include "gui/app/main_placement.h"
#include "gui/base/scroll_page.h"
#include "gui/app/toolkit_language.h"
#include "gui/app/start_handler.h"
#include "gui/app/tree_pane.h"
#include "gui/base/twips.h"
#include "gui/base/ui_prompts.h"
#include "gui/base/widget_helpers.h"
#include "gui/app/window_fit.h"
#include "lang_text_ids.h"
#include "core/model/document.h"
#include "core/model/document_compare.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

// The tree's pages and the commands they run.
const QHash<QString, Command>& treeCommands()
{
    static const QHash<QString, Command> commands = {
        {QStringLiteral("N1"), Command::ChannelInfo}, {QStringLiteral("N2"), Command::OptFeature},
        {QStringLiteral("N4"), Command::Dtmf},        {QStringLiteral("N12"), Command::ToneTips},
        {QStringLiteral("N8"), Command::Key},         {QStringLiteral("N7"), Command::LocalInfo},
    };
    return commands;
}

const QString RadioInfoName = QStringLiteral("FrmRadioInfo");

}  // namespace

frmMain::frmMain(Document& doc, QWidget* parent)
    : QMainWindow(parent)
    , m_doc(doc)
    , m_docSignals(new DocumentSignals(doc, this))
    , m_editHistory(new EditHistory(doc, this))
{
    // Build the window, then show the open document's model, band and file.
    m_loading = true;
    setObjectName(QStringLiteral("frmMain"));
    // The toolbar and status bar are shown and hidden through the View menu
    // only, so that its check marks always tell the truth.
    setContextMenuPolicy(Qt::PreventContextMenu);
    buildCentre();
    buildMenus();
    buildToolbar();
    buildStatusBar();
    for (auto it = treeCommands().cbegin(); it != treeCommands().cend(); ++it)
        m_commands[it.value()].treeKey = it.key();

    // Caption and status bar name the model, band and file of whatever
    // document the contents were replaced with.
    connect(m_docSignals, &DocumentSignals::replaced, this, &frmMain::SetMainTexts);

    m_newDocTimer = new QTimer(this);
    m_newDocTimer->setObjectName(QStringLiteral("NewDocTimer"));
    m_newDocTimer->setSingleShot(true);
    m_newDocTimer->setInterval(NewDocDelayMs);
    connect(m_newDocTimer, &QTimer::timeout, this, &frmMain::NewDocTimer_Timer);

    m_entries.value(QStringLiteral("mnuHelpTopic"))->setVisible(AppState::instance().HelpAvailable);
    m_placementTimer = new QTimer(this);
    m_placementTimer->setSingleShot(true);
    m_placementTimer->setInterval(PlacementDelayMs);
    connect(m_placementTimer, &QTimer::timeout, this, [this] {
        if (!isMinimized())
            storePlacement();
    });
    restorePlacement();
    for (const char* name : {"mnuWindowTileHorizontal", "mnuWindowTileVertical", "mnuWindowArrangeIcons"})
        m_entries.value(QString::fromLatin1(name))->setVisible(false);
    SetMainTexts();
    LoadTree();
    LoadNewDoc2();
    ShowCHInfo(false);
    refreshCommandStates();
    m_loading = false;
    // The channel window registers itself once the main window exists; it
    // opens when the event loop first runs.
    QTimer::singleShot(0, this, &frmMain::openChannelWindow);
}

frmMain::~frmMain()
{
    // Child windows still open close after this destructor; what the child
    // area announces then (no active window any more) must not reach the
    // handlers of a main window that is no longer whole.
    DisconnectChildrenFrom(this);
}

void frmMain::buildCentre()
{
    auto* centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("centre"));
    m_treePane = new TreePane(centre);
    m_mdiArea = new QMdiArea(centre);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* row = new QHBoxLayout(centre);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_treePane);
    row->addWidget(m_mdiArea, 1);
    setCentralWidget(centre);
    connect(m_treePane, &TreePane::nodeClicked, this, &frmMain::onTreeNode);
    connect(m_treePane, &TreePane::closeRequested, this, [this] {
        m_treePane->hide();
        m_entries.value(QStringLiteral("mnuTreeView"))->setChecked(false);
    });
}

// --- Command registry ---------------------------------------------------------

void frmMain::registerCommand(Command command, std::function<void()> handler)
{
    if (!isRegisteredCommand(command))
        return;
    m_commands[command].handler = std::move(handler);
    refreshCommandStates();
}

bool frmMain::isCommandRegistered(Command command) const
{
    const auto it = m_commands.find(command);
    return it != m_commands.end() && static_cast<bool>(it->second.handler);
}

std::vector<Command> frmMain::unregisteredCommands() const
{
    std::vector<Command> missing;
    for (const CommandInfo& info : CommandTable) {
        if (info.servedBy == ServedBy::LaterWindow && !isCommandRegistered(info.command))
            missing.push_back(info.command);
    }
    return missing;
}

bool frmMain::isCommandEnabled(Command command) const
{
    if (command == Command::HelpTopic)
        return false;
    if (m_transferRunning && isBlockedDuringTransfer(command))
        return false;
    if (command == Command::Undo)
        return m_editHistory->history().canUndo();
    if (command == Command::Redo)
        return m_editHistory->history().canRedo();
    return !isRegisteredCommand(command) || isCommandRegistered(command);
}

void frmMain::runCommand(Command command)
{
    if (!isCommandEnabled(command))
        return;
    const auto it = m_commands.find(command);
    if (it != m_commands.end() && !it->second.actions.empty()) {
        it->second.actions.front()->trigger();
        return;
    }
    serveCommand(command);
}

void frmMain::setTransferRunning(bool running)
{
    m_transferRunning = running;
    refreshCommandStates();
}

void frmMain::refreshCommandStates()
{
    for (auto& [command, slot] : m_commands) {
        const bool enabled = isCommandEnabled(command);
        for (QAction* action : slot.actions)
            action->setEnabled(enabled);
        if (!slot.treeKey.isEmpty())
            m_treePane->setNodeEnabled(slot.treeKey, enabled);
    }
}

void frmMain::onTreeNode(const QString& key)
{
    const auto it = treeCommands().constFind(key);
    if (it != treeCommands().cend())
        runCommand(it.value());
}

void frmMain::serveCommand(Command command)
{
    if (!isCommandEnabled(command))
        return;
    switch (command) {
    case Command::FileNew:
        mnuFileNew_Click();
        break;
    case Command::ToolbarNew:
        toolbarNew_Click();
        break;
    case Command::FileOpen:
        mnuFileOpen_Click();
        break;
    case Command::FileSave:
        mnuFileSave_Click();
        break;
    case Command::FileSaveAs:
        mnuFileSaveAs_Click();
        break;
    case Command::FileExit:
        close();
        break;
    case Command::Undo:
        commitPendingEdits();
        m_editHistory->history().undo();
        break;
    case Command::Redo:
        commitPendingEdits();
        m_editHistory->history().redo();
        break;
    case Command::ModelInfo: {
        FrmModelInfo dialog(
            m_doc, [this] { LoadNewDoc(); }, this);
        dialog.exec();
        break;
    }
    case Command::ProPassWord: {
        FrmPassWord dialog(this);
        dialog.exec();
        break;
    }
    case Command::Language: {
        FrmSetLanguage dialog(this);
        dialog.exec();
        // Closing the dialog returns the user to this window; not every
        // platform reports that as an activation, so apply the rule here too.
        MDIForm_Activate();
        break;
    }
    case Command::InitSettings:
        MnuInit_Click();
        break;
    case Command::TreeView:
        m_treePane->setVisible(m_entries.value(QStringLiteral("mnuTreeView"))->isChecked());
        break;
    case Command::ViewToolbar:
        m_tbToolBar->setVisible(m_entries.value(QStringLiteral("mnuViewToolbar"))->isChecked());
        break;
    case Command::ViewStatusBar:
        statusBar()->setVisible(m_entries.value(QStringLiteral("mnuViewStatusBar"))->isChecked());
        break;
    case Command::WindowCascade:
        m_mdiArea->cascadeSubWindows();
        FitChildWindows(m_mdiArea);
        break;
    case Command::CloseAll:
        CloseCurAllWindows();
        break;
    case Command::About: {
        frmAbout dialog(this);
        dialog.exec();
        break;
    }
    case Command::LocalInfo:
        closeRadioInfo();
        [[fallthrough]];
    default:
        if (isCommandRegistered(command))
            m_commands[command].handler();
        break;
    }
}

// --- Hooks ----------------------------------------------------------------------

void frmMain::addCommitHook(std::function<void()> hook)
{
    m_commitHooks.push_back(std::move(hook));
}

void frmMain::commitPendingEdits()
{
    for (const auto& hook : m_commitHooks)
        hook();
}

void frmMain::addExitHook(std::function<void()> hook)
{
    m_exitHooks.push_back(std::move(hook));
}

// --- Public operations ------------------------------------------------------------

void frmMain::Change_Language()
{
    ApplyToolkitLanguage(AppState::instance().LanguageId);
    SetMainTexts();
    LoadTree();
}

void frmMain::LoadTree()
{
    m_treePane->LoadTree();
    ShowMainTxt();
    refreshCommandStates();
}

void frmMain::CloseCurAllWindows()
{
    m_mdiArea->closeAllSubWindows();
}

void frmMain::openChannelWindow()
{
    // Until the channel window registers itself there is nothing to open.
    if (isCommandRegistered(Command::ChannelInfo) && isCommandEnabled(Command::ChannelInfo))
        m_commands[Command::ChannelInfo].handler();
}

void frmMain::showRadioInfo()
{
    QMdiSubWindow* sub = ShowChildForm(m_mdiArea, RadioInfoName, [this] { return new FrmRadioInfo(m_doc); });
    if (auto* info = qobject_cast<FrmRadioInfo*>(sub->widget()))
        info->ShowByData();
}

void frmMain::closeRadioInfo()
{
    UnloadFormsNamed(m_mdiArea, RadioInfoName);
}

void frmMain::MDIForm_Activate()
{
    AppState& state = AppState::instance();
    if (state.LanguageId == state.AppliedLanguageId)
        return;
    state.AppliedLanguageId = state.LanguageId;
    Change_Language();
    CloseCurAllWindows();
    openChannelWindow();
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        MDIForm_Activate();
}

// --- Placement and exit ---------------------------------------------------------------

QString frmMain::placementTitle() const
{
    const std::string& title = AppState::instance().AppTitle;
    return title.empty() ? LangText(Txt::AppTitle) : QString::fromStdString(title);
}

void frmMain::restorePlacement()
{
    // A placement from a larger or removed screen, or a default larger than
    // this screen, would hide part of the window (the status bar first).
    QRect wanted = WindowFit::placementInPixels(LoadMainPlacement(placementTitle()), logicalDpi());
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        areas << primary->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    // The first start has no placement yet: the window takes most of the
    // screen, where the channel window and an editor fit side by side.
    if (!HasStoredMainPlacement(placementTitle()) && !areas.isEmpty())
        wanted = WindowFit::firstStartPlacement(areas.front());
    // Wayland does not let a program place its windows; the size still fits.
    const bool canPlace = !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
    const QRect placed = WindowFit::fitOntoScreens(wanted, areas, canPlace);
    if (canPlace)
        move(placed.topLeft());
    resize(placed.size());
}

void frmMain::placementChanged()
{
    // Stored a moment after the user moved or sized the window, so that the
    // placement comes back however the program ends (also when it is ended
    // by the session or a signal, which skips the exit handling).
    if (!m_loading && !m_exitDone && isVisible() && !isMinimized())
        m_placementTimer->start();
}

void frmMain::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    placementChanged();
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    placementChanged();
}

void frmMain::storePlacement()
{
    StoreMainPlacement(
        placementTitle(),
        MainPlacement{pixelsToTwips(x()), pixelsToTwips(y()), pixelsToTwips(width()), pixelsToTwips(height())});
}

bool frmMain::handOverAndQuit(const std::string& dataVersion)
{
    // Ending after a failed start would leave the user with no program at
    // all; staying keeps the session and its document.
    if (!StartHandler(dataVersion))
        return false;
    m_quitAtOnce = true;
    close();
    return true;
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (m_exitDone) {
        event->accept();
        return;
    }
    if (!isMinimized())
        storePlacement();
    if (!m_quitAtOnce) {
        commitPendingEdits();
        if (IsDataChanged(m_doc)) {
            const NoticeAnswer answer = UiPrompts::current().ask(LangText(Txt::SaveChangesQuestion),
                                                                 NoticeButtons::YesNoCancel, NoticeIcon::Warning);
            // Only a completed save lets the program end after Yes.
            if (answer == NoticeAnswer::Cancel || (answer == NoticeAnswer::Yes && !mnuFileSave_Click())) {
                event->ignore();
                return;
            }
        }
    }
    m_newDocTimer->stop();
    for (const auto& hook : m_exitHooks)
        hook();
    AppState::instance().writeSettingsRecord();
    m_exitDone = true;
    event->accept();
}
