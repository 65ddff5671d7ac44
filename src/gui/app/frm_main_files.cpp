// The document commands of the main window: New, Open, Save, Save As and the
// initial settings, with the questions that protect unsaved work.

#include "gui/app/frm_main.h"

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "gui/app/file_dialog_folder.h"
#include "gui/app/file_extras.h"
#include "gui/base/lang_text.h"
#include "core/base/paths.h"
#include "gui/base/ui_prompts.h"
#include "lang_text_ids.h"
#include "core/model/document.h"
#include "core/model/document_compare.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QTimer>

namespace {

NoticeAnswer askUnsavedChanges()
{
    return UiPrompts::current().ask(LangText(Txt::SaveChangesQuestion), NoticeButtons::YesNoCancel,
                                    NoticeIcon::Warning);
}

// A name typed without an extension gets the data files' ".dat".
QString withDataSuffix(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".dat") : path;
}

}  // namespace

void frmMain::addFileExtras(QMenu* file)
{
    new FileExtras(*this, file);  // owned by the main window
}

bool frmMain::saveToCurrentFile()
{
    const bool saved = SaveDocument(m_doc, m_notifier);
    if (saved) {
        m_doc.IsUntitled = false;
        FileExtras::remember(QString::fromStdString(m_doc.DocFileName));
    }
    ShowMainTxt();
    return saved;
}

bool frmMain::completeSave()
{
    // An untitled document has no file of its own yet: ask where it goes
    // rather than writing "new.dat" into whatever the current folder is.
    if (m_doc.IsUntitled)
        return mnuFileSaveAs_Click();
    return saveToCurrentFile();
}

bool frmMain::askSaveChanges()
{
    commitPendingEdits();
    if (!IsDataChanged(m_doc))
        return true;
    switch (askUnsavedChanges()) {
    case NoticeAnswer::Yes:
        return completeSave();
    case NoticeAnswer::No:
        return true;
    default:
        return false;
    }
}

void frmMain::mnuFileNew_Click()
{
    commitPendingEdits();
    if (IsDataChanged(m_doc)) {
        // No goes on without saving; Cancel stops the command here, and Yes
        // must end in a completed save.
        const NoticeAnswer answer = askUnsavedChanges();
        const bool goOn = answer == NoticeAnswer::No || (answer == NoticeAnswer::Yes && completeSave());
        if (!goOn) {
            m_doc.InitRequest = false;
            return;
        }
    }
    if (UiPrompts::current().ask(LangText(Txt::NewDocumentQuestion), NoticeButtons::OkCancel, NoticeIcon::Warning)
        == NoticeAnswer::Ok) {
        LoadNewDoc();
        return;
    }
    // A cancelled initial-settings command must not leave its request behind.
    m_doc.InitRequest = false;
}

void frmMain::toolbarNew_Click()
{
    // The toolbar's New asks nothing else, but never drops unsaved edits.
    if (askSaveChanges())
        LoadNewDoc();
}

void frmMain::MnuInit_Click()
{
    m_doc.InitRequest = true;
    mnuFileNew_Click();
}

void frmMain::mnuFileOpen_Click()
{
    if (!askSaveChanges())
        return;
    const QString path = UiPrompts::current().openFileName(fileFilter(), FileDialogFolder::presetPath(m_doc));
    if (path.isEmpty())
        return;
    FileDialogFolder::remember(path);
    openFile(path);
}

void frmMain::openFileAsked(const QString& path)
{
    if (!askSaveChanges())
        return;
    FileDialogFolder::remember(path);
    openFile(path);
}

void frmMain::openFile(const QString& path)
{
    // The document takes the file's name only once the file has been opened,
    // and its windows close only then: a refused file leaves them as they were.
    const OpenResult result = OpenDocument(m_doc, QFileInfo(path).absoluteFilePath().toStdString(), m_notifier,
                                           [this] { CloseCurAllWindows(); });
    switch (result.outcome) {
    case OpenOutcome::Opened:
        m_doc.IsUntitled = false;
        FileExtras::remember(path);
        openChannelWindow();
        ShowMainTxt();
        Change_Language();
        m_mdiArea->cascadeSubWindows();
        break;
    case OpenOutcome::HandOver:
        handOverAndQuit(result.handOverVersion);
        break;
    case OpenOutcome::Refused:
        break;
    }
}

bool frmMain::mnuFileSave_Click()
{
    commitPendingEdits();
    if (m_doc.IsUntitled)
        return mnuFileSaveAs_Click();
    const QString question = QLatin1Char('"') + QString::fromStdString(FileNameOfPath(m_doc.DocFileName))
        + QLatin1Char('"') + LangText(Txt::SaveConfirmation);
    if (UiPrompts::current().ask(question, NoticeButtons::OkCancel, NoticeIcon::Question) != NoticeAnswer::Ok)
        return false;
    return saveToCurrentFile();
}

bool frmMain::mnuFileSaveAs_Click()
{
    commitPendingEdits();
    const QString chosen = UiPrompts::current().saveFileName(fileFilter(), FileDialogFolder::presetPath(m_doc));
    if (chosen.isEmpty())
        return false;
    FileDialogFolder::remember(chosen);
    // A failed save keeps the old name, so that the next Save does not aim
    // at a file that was never written.
    const std::string previous = m_doc.DocFileName;
    m_doc.DocFileName = withDataSuffix(chosen).toStdString();
    if (saveToCurrentFile())
        return true;
    m_doc.DocFileName = previous;
    ShowMainTxt();
    return false;
}

void frmMain::LoadNewDoc()
{
    CloseCurAllWindows();
    m_newDocTimer->start();
}

void frmMain::NewDocTimer_Timer()
{
    m_newDocTimer->stop();
    // The texts follow the document's replacement.
    InitDocument(m_doc, AppState::instance().initFolders());
    openChannelWindow();
    m_mdiArea->cascadeSubWindows();
    m_doc.InitRequest = false;
}

void frmMain::LoadNewDoc2()
{
    // The texts follow the document's replacement.
    InitDocument(m_doc, AppState::instance().initFolders());
    // While the main window loads, the channel window opens once the event loop runs.
    if (!m_loading)
        openChannelWindow();
}
