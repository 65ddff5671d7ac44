#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class frmMain;

// The File menu's ways in and out besides the data files themselves: CSV
// export and import of the channels, the folder of the automatic backups,
// the recent files, and data files dropped on the main window.
class FileExtras : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxRecentFiles = 8;

    // Adds the entries at the end of the menu as it stands.
    FileExtras(frmMain& main, QMenu* fileMenu);

    // The recent files, newest first, from the user's settings store.
    static QStringList recentFiles();
    // Puts a file opened or saved at the top of the recent files.
    static void remember(const QString& path);

    void exportCsv();
    void importCsv();
    void openBackup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    QString csvFilter() const;
    // The group rows without a group of their own go to; empty when the user cancelled.
    QString chooseGroup();

    frmMain& m_main;
    QAction* m_export = nullptr;
    QAction* m_import = nullptr;
    QAction* m_backup = nullptr;
    QMenu* m_recent = nullptr;
};
