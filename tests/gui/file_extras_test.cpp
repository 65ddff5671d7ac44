// The File menu's CSV entries, backup folder, recent files and dropped files,
// and the check before a write.

#include "gui_test_support.h"

#include "core/app/data_file.h"
#include "gui/app/file_extras.h"
#include "gui/app/frm_main.h"
#include "core/channels/channel_update.h"
#include "lang_text_ids.h"
#include "gui/base/write_check_dialog.h"
#include "core/model/document_compare.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

using A = NoticeAnswer;

class FileExtrasTest : public GuiTest {
protected:
    // A data file of this program with a mark in it.
    QString dataFile(const std::string& name, int beep = 1)
    {
        Document other;
        InitDocument(other, AppState::instance().initFolder());
        other.Record.OptFeat.Beep = static_cast<std::int16_t>(beep);
        other.DocFileName = path(name);
        EXPECT_TRUE(SaveDocument(other, silent));
        return qpath(name);
    }
    QAction* entry(frmMain& w, const char* name) { return w.findChild<QAction*>(QString::fromLatin1(name)); }
    static void writeText(const std::string& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
    static std::string readText(const std::string& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    SilentNotifier silent;
    Document doc;
};

TEST_F(FileExtrasTest, RecentFilesKeepTheLastEightNewestFirstAndOpenAgain)
{
    frmMain w(doc);
    for (int i = 1; i <= 9; ++i) {
        const QString file = dataFile("f" + std::to_string(i) + ".dat", i % 2);
        w.openFile(file);
    }
    const QStringList recent = FileExtras::recentFiles();
    ASSERT_EQ(recent.size(), FileExtras::MaxRecentFiles);
    EXPECT_EQ(recent.front(), qpath("f9.dat"));
    EXPECT_EQ(recent.back(), qpath("f2.dat"));

    QMenu* menu = w.findChild<QMenu*>(QStringLiteral("mnuFileRecent"));
    ASSERT_TRUE(menu);
    emit w.findChild<QMenu*>(QStringLiteral("mnuFile"))->aboutToShow();
    ASSERT_EQ(menu->actions().size(), 8);
    doc.Record.OptFeat.SquelchLevel = 7;  // unsaved: the entry asks as File > Open does
    prompts.answers = {A::No};
    menu->actions().at(3)->trigger();  // f6.dat
    EXPECT_EQ(doc.DocFileName, path("f6.dat"));
    EXPECT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(FileExtras::recentFiles().front(), qpath("f6.dat"));
}

TEST_F(FileExtrasTest, ADroppedDataFileOpensWithTheQuestionsOfOpen)
{
    frmMain w(doc);
    const QString file = dataFile("dropped.dat");
    doc.Record.OptFeat.SquelchLevel = 7;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    // As the desktop delivers a drop: the drag enters, then it is dropped.
    auto drop = [&] {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &dropped);
    };

    prompts.answers = {A::Cancel};
    drop();
    EXPECT_EQ(doc.Record.OptFeat.SquelchLevel, 7);
    EXPECT_EQ(prompts.asked.size(), 1u);

    prompts.answers = {A::No};
    drop();
    EXPECT_EQ(doc.DocFileName, file.toStdString());
    EXPECT_EQ(doc.Record.OptFeat.Beep, 1);
    EXPECT_EQ(prompts.asked.size(), 2u);
}

TEST_F(FileExtrasTest, ExportThenImportShowsOneSummary)
{
    frmMain w(doc);
    prompts.fileNames = {qpath("list.csv")};
    entry(w, "mnuFileExportCsv")->trigger();
    const std::string csv = readText(path("list.csv"));
    ASSERT_EQ(csv.rfind("Location,Name,Frequency,Duplex,", 0), 0u) << csv;

    // The list changed elsewhere: a tone on the first channel, a row the band cannot hold.
    writeText(path("changed.csv"),
              "Frequency,Tone,rToneFreq,Group,Position\n27.185,Tone,103.5,EU,1\n"
              "146.52,,,EU,2\n");
    prompts.fileNames = {qpath("changed.csv")};
    entry(w, "mnuFileImportCsv")->trigger();
    EXPECT_EQ(ChannelAt(doc, 0, 1)->TDCT, 13);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_TRUE(
        prompts.asked[0].text.startsWith(QStringLiteral("1 rows imported, 0 of them changed by a rule, 1 refused.")))
        << prompts.asked[0].text.toStdString();
    EXPECT_EQ(prompts.asked[0].icon, NoticeIcon::Warning);
}

// A file of which no row can be taken says so first and leaves the document
// as it was, unmarked.
TEST_F(FileExtrasTest, AnImportThatTakesNothingSaysSoAndChangesNothing)
{
    frmMain w(doc);
    writeText(path("bad.csv"), "Frequency,Group,Position\n146.52,EU,2\nabc,EU,3\n");
    const auto before = doc.ChannelList;
    prompts.fileNames = {qpath("bad.csv")};
    entry(w, "mnuFileImportCsv")->trigger();
    ASSERT_EQ(prompts.asked.size(), 1u);
    const QString text = prompts.asked[0].text;
    EXPECT_TRUE(text.startsWith(LangText(Txt::ImportTookNothing))) << text.toStdString();
    EXPECT_EQ(prompts.asked[0].icon, NoticeIcon::Warning);
    EXPECT_EQ(doc.ChannelList, before);
    EXPECT_FALSE(IsDataChanged(doc));
}

TEST_F(FileExtrasTest, BackupEntryOpensTheDialogInTheBackupFolder)
{
    frmMain w(doc);
    prompts.fileNames = {QString()};
    entry(w, "mnuFileBackup")->trigger();
    EXPECT_EQ(prompts.openDialogs, 1);
    EXPECT_TRUE(prompts.lastPreset.startsWith(qpath("userdata/brisko7/backups"))) << prompts.lastPreset.toStdString();
}

TEST_F(FileExtrasTest, TheCheckBeforeAWriteAsksOnlyWhenItFindsSomething)
{
    InitDocument(doc, AppState::instance().initFolder());
    doc.ChannelCount = 1;  // only the built-in first channel: nothing to find
    doc.Record.OptFeat.Value1B = 0;
    EXPECT_TRUE(WriteCheckDialog::confirmWrite(doc));
    EXPECT_TRUE(prompts.findingsShown.isEmpty());

    doc.Record.OptFeat.GroupValid.fill(0);
    doc.Record.PublicChannel.AM_FM = 1;
    doc.Record.PublicChannel.Tx_Power = 2;
    prompts.writeAnyway = {false, true};
    EXPECT_FALSE(WriteCheckDialog::confirmWrite(doc));
    EXPECT_EQ(prompts.findingsShown,
              (QStringList{QStringLiteral("Public channel: AM with High power."),
                           QStringLiteral("No group is switched on, so the radio has no channels to show.")}));
    EXPECT_TRUE(WriteCheckDialog::confirmWrite(doc));
}

TEST_F(FileExtrasTest, TheCheckDialogListsTheFindingsWithWriteAnywayAndCancel)
{
    WriteCheckDialog dialog({QStringLiteral("one"), QStringLiteral("two")});
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("FindingList"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(dialog.windowTitle(), LangText(Txt::CheckTitle));
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Cancel")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("WriteAnyway")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
