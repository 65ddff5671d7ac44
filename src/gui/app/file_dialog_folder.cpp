#include "gui/app/file_dialog_folder.h"

#include "gui/app/main_placement.h"
#include "core/base/paths.h"
#include "core/model/document.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString LastFolderKey = QStringLiteral("Files/LastFolder");

QSettings userSettings()
{
    return QSettings(QString::fromLatin1(SettingsOrganisation), QString::fromLatin1(SettingsApplication));
}

bool isFolder(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

}  // namespace

namespace FileDialogFolder {

QString startFolder(const Document& doc)
{
    if (!doc.IsUntitled) {
        const QString own = QFileInfo(QString::fromStdString(doc.DocFileName)).absolutePath();
        if (isFolder(own))
            return own;
    }
    const QString last = userSettings().value(LastFolderKey).toString();
    if (isFolder(last))
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (isFolder(documents))
        return documents;
    return QDir::homePath();
}

QString presetPath(const Document& doc)
{
    const QString name = QString::fromStdString(FileNameOfPath(doc.DocFileName));
    return QDir(startFolder(doc)).filePath(name);
}

void remember(const QString& chosenPath)
{
    if (chosenPath.isEmpty())
        return;
    const QString folder = QFileInfo(chosenPath).absolutePath();
    if (isFolder(folder))
        userSettings().setValue(LastFolderKey, folder);
}

}  // namespace FileDialogFolder
