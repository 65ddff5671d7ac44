#include "gui/app/file_extras.h"

#include "gui/app/file_dialog_folder.h"
#include "core/base/file_save.h"
#include "gui/app/frm_main.h"
#include "gui/base/lang_text.h"
#include "gui/app/main_placement.h"
#include "core/app/read_backup.h"
#include "gui/base/ui_prompts.h"
#include "core/freq/channel_groups.h"
#include "core/interchange/csv_export.h"
#include "core/interchange/csv_import.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QSettings>

namespace {

constexpr const char* RecentFilesKey = "RecentFiles";
constexpr qint64 MaxCsvBytes = 16 * 1024 * 1024;

QSettings userSettings()
{
    return QSettings(QString::fromLatin1(SettingsOrganisation), QString::fromLatin1(SettingsApplication));
}

// The first local file among dropped things; empty when there is none.
QString droppedFile(const QMimeData* data)
{
    if (!data)
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

}  // namespace

FileExtras::FileExtras(frmMain& main, QMenu* fileMenu) : QObject(&main), m_main(main)
{
    fileMenu->addSeparator();
    m_import = fileMenu->addAction(QString(), this, &FileExtras::importCsv);
    m_import->setObjectName(QStringLiteral("mnuFileImportCsv"));
    m_export = fileMenu->addAction(QString(), this, &FileExtras::exportCsv);
    m_export->setObjectName(QStringLiteral("mnuFileExportCsv"));
    m_backup = fileMenu->addAction(QString(), this, &FileExtras::openBackup);
    m_backup->setObjectName(QStringLiteral("mnuFileBackup"));
    m_recent = fileMenu->addMenu(QString());
    m_recent->setObjectName(QStringLiteral("mnuFileRecent"));
    m_recent->menuAction()->setObjectName(QStringLiteral("mnuFileRecentAction"));
    // Texts and the list follow the language and the settings each time the menu opens.
    connect(fileMenu, &QMenu::aboutToShow, this, &FileExtras::refresh);
    refresh();
    main.setAcceptDrops(true);
    main.installEventFilter(this);
}

QStringList FileExtras::recentFiles()
{
    return userSettings().value(QString::fromLatin1(RecentFilesKey)).toStringList();
}

void FileExtras::remember(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > MaxRecentFiles)
        files.removeLast();
    userSettings().setValue(QString::fromLatin1(RecentFilesKey), files);
}

void FileExtras::refresh()
{
    m_import->setText(LangText(Txt::MenuImportCsv));
    m_export->setText(LangText(Txt::MenuExportCsv));
    m_backup->setText(LangText(Txt::MenuBackupFolder));
    m_recent->setTitle(LangText(Txt::MenuRecentFiles));
    m_recent->clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* entry = m_recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        connect(entry, &QAction::triggered, this, [this, path] { m_main.openFileAsked(path); });
    }
    m_recent->setEnabled(!files.isEmpty());
    const bool idle = !m_main.isTransferRunning();
    m_import->setEnabled(idle);
    m_backup->setEnabled(idle);
}

QString FileExtras::csvFilter() const
{
    return LangText(Txt::CsvFileType) + QStringLiteral(" (*.csv)");
}

void FileExtras::exportCsv()
{
    m_main.commitPendingEdits();
    const QString preset = QFileInfo(FileDialogFolder::presetPath(m_main.document())).completeBaseName();
    const QString path = UiPrompts::current().saveFileName(
        csvFilter(), QDir(FileDialogFolder::startFolder(m_main.document())).filePath(preset + QStringLiteral(".csv")));
    if (path.isEmpty())
        return;
    FileDialogFolder::remember(path);
    const std::string text = ExportCsv(m_main.document());
    if (!SaveFileBytes(path.toStdString(), {text.begin(), text.end()}).ok())
        UiPrompts::current().message(LangText(Txt::DataFileAccessFailed), NoticeIcon::Error);
}

void FileExtras::importCsv()
{
    const QString path = UiPrompts::current().openFileName(csvFilter(),
                                                           FileDialogFolder::startFolder(m_main.document()));
    if (path.isEmpty())
        return;
    FileDialogFolder::remember(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxCsvBytes) {
        UiPrompts::current().message(LangText(Txt::DataFileAccessFailed), NoticeIcon::Error);
        return;
    }
    const QByteArray bytes = file.readAll();
    const std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    CsvImportOptions options;
    if (CsvRowsNeedGroup(text)) {
        const QString group = chooseGroup();
        if (group.isEmpty())
            return;
        options.group = group.toStdString();
    }
    m_main.commitPendingEdits();
    const CsvImportSummary summary = ImportCsv(m_main.document(), text, options);
    // A file of which not a row was taken changed nothing: the summary says
    // so first, and the document stays as it was.
    const bool clean = summary.clean();
    UiPrompts::current().message(QString::fromStdString(CsvImportSummaryText(summary)),
                                 clean ? NoticeIcon::Information : NoticeIcon::Warning, LangText(Txt::ImportTitle));
}

QString FileExtras::chooseGroup()
{
    const Document& doc = m_main.document();
    QStringList groups;
    for (const std::string& name : GroupComboItems(doc.BandMode))
        groups << QString::fromStdString(name);
    const int preset = groups.indexOf(doc.BandMode == 0 ? QStringLiteral("MEM") : QStringLiteral("A"));
    bool ok = false;
    const QString chosen = QInputDialog::getItem(&m_main, LangText(Txt::ImportTitle), LangText(Txt::ImportGroupPrompt),
                                                 groups, std::max(preset, 0), false, &ok);
    return ok ? chosen : QString();
}

void FileExtras::openBackup()
{
    if (!m_main.askSaveChanges())
        return;
    const QString folder = QString::fromStdString(BackupFolder());
    QDir().mkpath(folder);
    const QString path = UiPrompts::current().openFileName(m_main.fileFilter(), folder + QLatin1Char('/'));
    if (!path.isEmpty())
        m_main.openFile(path);
}

bool FileExtras::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_main)
        return false;
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (!droppedFile(enter->mimeData()).isEmpty() && !m_main.isTransferRunning())
            enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty() || m_main.isTransferRunning())
            return true;
        drop->acceptProposedAction();
        m_main.openFileAsked(path);
        return true;
    }
    return false;
}
