// Where the open and save dialogs start.

#include "gui_test_support.h"

#include "core/app/data_file.h"
#include "gui/app/frm_main.h"

#include <QDir>

#include <cstdlib>

namespace {

class FileDialogFolderTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        m_oldHome = qgetenv("HOME");
        m_oldCwd = QDir::currentPath();
        std::filesystem::create_directories(path("home"));
        std::filesystem::create_directories(path("elsewhere"));
        std::filesystem::create_directories(path("kept"));
        ::setenv("HOME", path("home").c_str(), 1);
        // A system-wide installation: the program folder, which is also the
        // current directory, cannot be written.
        QDir::setCurrent(qpath("V100"));
        std::filesystem::permissions(path("V100"), std::filesystem::perms(0555));
    }
    void TearDown() override
    {
        QDir::setCurrent(m_oldCwd);
        qputenv("HOME", m_oldHome);
        std::filesystem::permissions(path("V100"), std::filesystem::perms(0755));
        GuiTest::TearDown();
    }

    // What the Save As and Open dialogs propose (both cancelled).
    QStringList presets(frmMain& w)
    {
        prompts.fileNames = {QString(), QString()};
        w.mnuFileSaveAs_Click();
        const QString saveAs = prompts.lastPreset;
        w.mnuFileOpen_Click();
        return {saveAs, prompts.lastPreset};
    }

    QByteArray m_oldHome;
    QString m_oldCwd;
};

TEST_F(FileDialogFolderTest, DialogsStartBesideTheDocumentElseInTheLastChosenFolderElseInDocumentsOrHome)
{
    Document doc;
    frmMain w(doc);
    const QString newName = QStringLiteral("new.dat");

    // Nothing chosen yet and no documents folder: the home folder.
    EXPECT_EQ(presets(w), QStringList({qpath("home/") + newName, qpath("home/") + newName}));
    // With a documents folder: there.
    std::filesystem::create_directories(path("home/Documents"));
    EXPECT_EQ(presets(w), QStringList({qpath("home/Documents/") + newName, qpath("home/Documents/") + newName}));

    // Saved elsewhere: the document's own folder, and the folder is remembered.
    prompts.fileNames = {qpath("elsewhere/mine.dat")};
    ASSERT_TRUE(w.mnuFileSaveAs_Click());
    EXPECT_EQ(presets(w), QStringList({qpath("elsewhere/mine.dat"), qpath("elsewhere/mine.dat")}));
    // A new document starts in the folder last chosen, even after a restart.
    InitDocument(doc, AppState::instance().initFolder());
    frmMain restarted(doc);
    EXPECT_EQ(presets(restarted), QStringList({qpath("elsewhere/") + newName, qpath("elsewhere/") + newName}));
    // A remembered folder that is gone no longer counts.
    std::filesystem::remove_all(path("elsewhere"));
    EXPECT_EQ(presets(restarted)[0], qpath("home/Documents/") + newName);

    // Never the program folder.
    for (const QString& preset : presets(restarted))
        EXPECT_FALSE(preset.startsWith(qpath("V100"))) << preset.toStdString();
}

}  // namespace
