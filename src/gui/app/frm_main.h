#pragma once

#include "gui/app/command.h"
#include "gui/app/prompt_notifier.h"

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <map>
#include <string>
#include <vector>

class Document;
class DocumentSignals;
class EditHistory;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class TreePane;

// The main window: menus, toolbar, the page tree, the status bar and the area
// that holds the child windows. It runs the document's life (New, Open, Save,
// Save As, Exit with the unsaved-changes question) and dispatches every menu,
// toolbar and tree command.
//
// Windows that come later (the channel window, the editors, the radio link)
// serve their commands by registering a handler; a command without a handler
// stays disabled in the menu, on the toolbar and in the tree.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Window placement keys (twips) and their defaults.
    static constexpr int DefaultLeft = 1000;
    static constexpr int DefaultTop = 1000;
    static constexpr int DefaultWidth = 12500;
    static constexpr int DefaultHeight = 9500;
    // How long the child windows get to close before a new document is built.
    static constexpr int NewDocDelayMs = 100;
    // How long after the last move or resize the placement is stored.
    static constexpr int PlacementDelayMs = 500;

    explicit frmMain(Document& doc, QWidget* parent = nullptr);
    ~frmMain() override;

    Document& document() { return m_doc; }
    // The document's notifications as signals, for the windows to connect to.
    DocumentSignals& documentSignals() const { return *m_docSignals; }
    QMdiArea* mdiArea() const { return m_mdiArea; }
    // Undo and redo of the user's changes to the records.
    EditHistory& editHistory() const { return *m_editHistory; }
    // The core's messages and questions, shown as message boxes.
    Notifier& notifier() { return m_notifier; }

    // --- Command registry ---------------------------------------------------
    // Enables the menu entry, toolbar button and tree node of the command and
    // runs the handler when the user chooses it. Registering again replaces
    // the handler. For Command::LocalInfo an open radio-information window is
    // closed before the handler runs.
    void registerCommand(Command command, std::function<void()> handler);
    bool isCommandRegistered(Command command) const;
    // The commands a later window must serve that have no handler yet; the
    // program refuses to start with any left once every window has registered.
    std::vector<Command> unregisteredCommands() const;
    // Whether the command can be chosen now (served, registered, not blocked
    // by a running transfer).
    bool isCommandEnabled(Command command) const;
    // Runs a command as if the user had chosen it; nothing happens while it is disabled.
    void runCommand(Command command);

    // While a transfer with the radio runs, the commands that replace the
    // document or start another transfer are disabled.
    void setTransferRunning(bool running);
    bool isTransferRunning() const { return m_transferRunning; }

    // --- Document lifecycle ---------------------------------------------------
    // The unsaved-changes question (text 9006, Yes/No/Cancel). Returns true
    // when the caller may go on: the document was unchanged, the user chose
    // No, or chose Yes and the save completed (an untitled document goes
    // through the Save As dialog). Cancel, a cancelled dialog and a failed
    // save return false.
    bool askSaveChanges();
    // Hands the data over to the installed version that handles its data
    // version and ends this program at once, without the unsaved-changes
    // question. When no installed version could be started (text 9063 or
    // 9526 says why) the program stays open with its document and this
    // returns false.
    bool handOverAndQuit(const std::string& dataVersion);

    // Editors with a pending edit (a cell being typed in, say) commit it
    // through these hooks before a transfer or a save reads the records.
    void addCommitHook(std::function<void()> hook);
    void commitPendingEdits();
    // Run when the program ends (after the unsaved-changes question): the
    // radio link closes its port here.
    void addExitHook(std::function<void()> hook);

    // --- Public operations of the main window -----------------------------------
    // Caption, the tree pane's label and the tree's root text.
    void ShowMainTxt();
    // Every text of the main window: file filter, status panels, caption,
    // menus and tooltips. Call it after the port number changed.
    void SetMainTexts();
    // SetMainTexts, then LoadTree.
    void Change_Language();
    void LoadTree();
    // Closes every child window, then builds a new document a moment later.
    void LoadNewDoc();
    // Builds a new document at once and opens the channel window.
    void LoadNewDoc2();
    void CloseCurAllWindows();
    // Shows or hides the channel-edit menu and toolbar buttons 11 to 19.
    void ShowCHInfo(bool show);
    // The radio information window: opened (or brought to the front) and
    // filled from the document's radio information record.
    void showRadioInfo();
    void closeRadioInfo();

    // The filter of the open and save dialogs (text 9001 and "*.dat").
    QString fileFilter() const;

    // The actions of the channel-edit menu (entries 10801..10808 by index
    // 0..7) and of the toolbar (by key, e.g. "BtnCHCut"), for the channel
    // window to connect to.
    QAction* chEditAction(int index) const;
    QAction* toolbarAction(const QString& key) const;
    QMenu* chEditMenu() const { return m_mnuCHEdit; }

    // The languages the window shows; re-applied on activation after a change.
    void MDIForm_Activate();

    // Document commands (also reached from menus and toolbar).
    void mnuFileNew_Click();
    void toolbarNew_Click();
    void mnuFileOpen_Click();
    // Opens a data file with the checks and messages of File > Open (a
    // refused file leaves the document as it was); the file named on the
    // command line comes this way.
    void openFile(const QString& path);
    // File > Open without its dialog: the unsaved-changes question, then
    // openFile (a recent file, a dropped file).
    void openFileAsked(const QString& path);
    // Both return true when the document was written.
    bool mnuFileSave_Click();
    bool mnuFileSaveAs_Click();
    void MnuInit_Click();

    TreePane* treePane() const { return m_treePane; }
    QLabel* statusPanel(int number) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct CommandSlot {
        std::vector<QAction*> actions;
        QString treeKey;
        std::function<void()> handler;
    };

    void buildMenus();
    void buildFileMenu();
    void addFileExtras(QMenu* file);
    void buildEditMenus();
    void buildSettingsMenus();
    void buildWindowMenu();
    void buildToolbar();
    void buildStatusBar();
    void buildCentre();
    void setMenuTexts();
    void setUndoTexts();
    void setToolbarTexts();
    QAction* addEntry(QMenu* menu, const char* name, int textNumber, Command command);
    void bind(Command command, QAction* action);
    void refreshCommandStates();
    void refreshWindowMenu();
    void onTreeNode(const QString& key);
    void openChannelWindow();
    bool completeSave();
    QString placementTitle() const;
    void NewDocTimer_Timer();
    void serveCommand(Command command);
    bool saveToCurrentFile();
    void storePlacement();
    void placementChanged();
    void restorePlacement();

    Document& m_doc;
    DocumentSignals* m_docSignals = nullptr;
    EditHistory* m_editHistory = nullptr;
    PromptNotifier m_notifier;
    QMdiArea* m_mdiArea = nullptr;
    TreePane* m_treePane = nullptr;
    QToolBar* m_tbToolBar = nullptr;
    QLabel* m_panel1 = nullptr;
    QLabel* m_panel2 = nullptr;
    QLabel* m_panel3 = nullptr;
    QTimer* m_newDocTimer = nullptr;
    QTimer* m_placementTimer = nullptr;
    QMenu* m_mnuWindow = nullptr;
    QMenu* m_mnuCHEdit = nullptr;
    QAction* m_windowListSeparator = nullptr;
    QHash<QString, QMenu*> m_menus;           // by object name
    QHash<QString, QAction*> m_entries;       // menu entries by object name
    QHash<QString, QAction*> m_toolbarKeys;   // toolbar buttons by key
    std::vector<QAction*> m_chEditToolItems;  // toolbar positions 11 to 19
    std::vector<QAction*> m_chEditEntries;    // entries 10801..10808
    std::map<Command, CommandSlot> m_commands;
    std::vector<std::function<void()>> m_commitHooks;
    std::vector<std::function<void()>> m_exitHooks;
    bool m_transferRunning = false;
    bool m_quitAtOnce = false;
    bool m_exitDone = false;
    bool m_loading = false;
};
