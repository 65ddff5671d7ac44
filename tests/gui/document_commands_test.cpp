// New, Open, Save, Save As and the initial settings with their questions.

#include "gui_test_support.h"
#include "core/base/file_error.h"

#include "core/app/data_file.h"
#include "gui/app/frm_main.h"
#include "lang_text_ids.h"
#include "core/model/document_compare.h"

#include <QAction>
#include <QMdiArea>

namespace {

using A = NoticeAnswer;

void modify(Document& doc)
{
    doc.Record.OptFeat.Beep = doc.Record.OptFeat.Beep == 0 ? 1 : 0;
}

}  // namespace

class DocumentCommandsTest : public GuiTest {
protected:
    // A titled document saved at the given place, then modified.
    void titledAndModified(const std::string& relative)
    {
        doc.DocFileName = path(relative);
        ASSERT_TRUE(SaveDocument(doc, silent));
        doc.IsUntitled = false;
        modify(doc);
        ASSERT_TRUE(IsDataChanged(doc));
    }
    void SetUp() override
    {
        GuiTest::SetUp();
        doc.addObserver(&replaced);
    }
    void TearDown() override
    {
        doc.removeObserver(&replaced);
        GuiTest::TearDown();
    }
    // A new document was built since the last call.
    bool becameNew()
    {
        const bool built = waitUntil([&] { return replaced.count > replaced.seen; });
        replaced.seen = replaced.count;
        return built && !IsDataChanged(doc) && doc.Record.OptFeat.Beep == 0 && doc.IsUntitled;
    }
    void forgetReplacements() { replaced.seen = replaced.count; }

    struct ReplaceCounter : DocumentObserver {
        void documentReplaced() override { ++count; }
        int count = 0;
        int seen = 0;
    } replaced;
    void settle() { QTest::qWait(frmMain::NewDocDelayMs * 2); }
    QString saveQuestion(const QString& name) const { return "\"" + name + "\"" + LangText(Txt::SaveConfirmation); }

    SilentNotifier silent;
    Document doc;
};

TEST_F(DocumentCommandsTest, NewOnAModifiedDocumentInEveryAnswerCombination)
{
    struct Case {
        const char* name;
        bool titled;
        std::vector<A> answers;
        std::vector<QString> saveDialog;  // answers of the Save As dialog
        bool savedToFile;                 // the original file now holds the edit
        bool askedNewQuestion;            // 9026 came
        bool newDocument;
    };
    const Case cases[] = {
        {"yes-titled-ok", true, {A::Yes, A::Ok}, {}, true, true, true},
        {"yes-titled-cancel", true, {A::Yes, A::Cancel}, {}, true, true, false},
        {"no-ok", true, {A::No, A::Ok}, {}, false, true, true},
        {"no-cancel", true, {A::No, A::Cancel}, {}, false, true, false},
        {"cancel-stops", true, {A::Cancel}, {}, false, false, false},
        {"yes-untitled-saveas-cancelled", false, {A::Yes}, {""}, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.asked.clear();
        frmMain w(doc);
        forgetReplacements();
        if (c.titled) {
            titledAndModified(std::string(c.name) + ".dat");
        } else {
            modify(doc);
        }
        prompts.answers.assign(c.answers.begin(), c.answers.end());
        prompts.fileNames.assign(c.saveDialog.begin(), c.saveDialog.end());
        w.mnuFileNew_Click();
        settle();
        ASSERT_GE(prompts.asked.size(), 1u);
        EXPECT_EQ(prompts.asked[0].text, LangText(Txt::SaveChangesQuestion));
        EXPECT_EQ(prompts.asked[0].buttons, NoticeButtons::YesNoCancel);
        EXPECT_EQ(prompts.asked[0].icon, NoticeIcon::Warning);
        const bool newAsked = prompts.asked.size() == 2 && prompts.asked[1].text == LangText(Txt::NewDocumentQuestion)
            && prompts.asked[1].buttons == NoticeButtons::OkCancel && prompts.asked[1].icon == NoticeIcon::Warning;
        EXPECT_EQ(newAsked, c.askedNewQuestion);
        EXPECT_EQ(prompts.saveDialogs, c.titled ? 0 : 1);
        prompts.saveDialogs = 0;
        if (c.titled) {
            Document reread;
            ASSERT_EQ(OpenDocument(reread, path(std::string(c.name) + ".dat"), silent).outcome, OpenOutcome::Opened);
            EXPECT_EQ(reread.Record.OptFeat.Beep == 1, c.savedToFile);
        }
        if (c.newDocument) {
            EXPECT_TRUE(becameNew());
        } else if (!c.savedToFile) {
            EXPECT_TRUE(IsDataChanged(doc));
        }
        EXPECT_TRUE(prompts.answers.empty());
        EXPECT_EQ(replaced.count > replaced.seen, false);
        // Back to an untouched new document for the next case.
        InitDocument(doc, AppState::instance().initFolder());
    }
}

TEST_F(DocumentCommandsTest, NewWithYesOnAnUntitledDocumentGoesThroughSaveAs)
{
    frmMain w(doc);
    forgetReplacements();
    modify(doc);
    prompts.answers = {A::Yes, A::Ok};
    prompts.fileNames = {qpath("chosen")};
    w.mnuFileNew_Click();
    EXPECT_EQ(prompts.saveDialogs, 1);
    EXPECT_EQ(fileSize(path("chosen.dat")), DataFileSize);
    EXPECT_TRUE(becameNew());
}

TEST_F(DocumentCommandsTest, NewStopsWhenTheSaveFails)
{
    frmMain w(doc);
    doc.DocFileName = path("missing-folder/file.dat");
    doc.IsUntitled = false;
    modify(doc);
    prompts.answers = {A::Yes};
    w.mnuFileNew_Click();
    settle();
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1].text,
              QString::fromStdString(FileErrorText(Txt::DataFileAccessFailed, path("missing-folder/file.dat"),
                                                   "no such file or directory")));
    EXPECT_TRUE(IsDataChanged(doc));
    EXPECT_EQ(doc.DocFileName, path("missing-folder/file.dat"));
}

TEST_F(DocumentCommandsTest, ToolbarNewAsksOnlyWhenTheDocumentChanged)
{
    frmMain w(doc);
    forgetReplacements();
    w.toolbarAction("NewFile")->trigger();
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(becameNew());

    modify(doc);
    prompts.answers = {A::Cancel};
    w.toolbarAction("NewFile")->trigger();
    settle();
    EXPECT_TRUE(IsDataChanged(doc));
    EXPECT_EQ(replaced.count, replaced.seen);
    prompts.answers = {A::No};
    w.toolbarAction("NewFile")->trigger();
    EXPECT_TRUE(becameNew());
    EXPECT_EQ(prompts.texts(),
              std::vector<QString>({LangText(Txt::SaveChangesQuestion), LangText(Txt::SaveChangesQuestion)}));
}

TEST_F(DocumentCommandsTest, CancelledInitialSettingsLeaveNoRequestBehind)
{
    frmMain w(doc);
    prompts.answers = {A::Cancel};
    w.runCommand(Command::InitSettings);
    EXPECT_FALSE(doc.InitRequest);
    prompts.answers = {A::Ok};
    w.runCommand(Command::InitSettings);
    EXPECT_TRUE(doc.InitRequest);
    EXPECT_TRUE(waitUntil([&] { return !doc.InitRequest; }));
}

TEST_F(DocumentCommandsTest, CancelInTheSaveQuestionStopsNewAndInitialSettings)
{
    for (const Command command : {Command::FileNew, Command::InitSettings}) {
        SCOPED_TRACE(static_cast<int>(command));
        frmMain w(doc);
        forgetReplacements();
        modify(doc);
        prompts.asked.clear();
        prompts.answers = {A::Cancel, A::Ok};
        w.runCommand(command);
        settle();
        EXPECT_EQ(prompts.texts(), std::vector<QString>({LangText(Txt::SaveChangesQuestion)}));
        EXPECT_EQ(replaced.count, replaced.seen);
        EXPECT_TRUE(IsDataChanged(doc));
        EXPECT_FALSE(doc.InitRequest);
        InitDocument(doc, AppState::instance().initFolder());
    }
}

TEST_F(DocumentCommandsTest, SaveOnAnUntitledDocumentOpensSaveAs)
{
    frmMain w(doc);
    prompts.fileNames = {""};
    EXPECT_FALSE(w.mnuFileSave_Click());
    EXPECT_EQ(prompts.saveDialogs, 1);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(prompts.lastFilter, w.fileFilter());
    EXPECT_TRUE(prompts.lastPreset.endsWith("new.dat"));
    EXPECT_TRUE(doc.IsUntitled);

    modify(doc);
    prompts.fileNames = {qpath("radio")};
    EXPECT_TRUE(w.mnuFileSave_Click());
    EXPECT_EQ(doc.DocFileName, path("radio.dat"));
    EXPECT_FALSE(doc.IsUntitled);
    EXPECT_FALSE(IsDataChanged(doc));
    EXPECT_EQ(fileSize(path("radio.dat")), DataFileSize);
    EXPECT_TRUE(w.windowTitle().endsWith(":radio.dat]"));
}

TEST_F(DocumentCommandsTest, SaveOnATitledDocumentConfirmsWithTheQuotedName)
{
    frmMain w(doc);
    titledAndModified("titled.dat");
    prompts.answers = {A::Cancel};
    EXPECT_FALSE(w.mnuFileSave_Click());
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, saveQuestion("titled.dat"));
    EXPECT_EQ(prompts.asked[0].buttons, NoticeButtons::OkCancel);
    EXPECT_EQ(prompts.asked[0].icon, NoticeIcon::Question);
    EXPECT_TRUE(IsDataChanged(doc));

    prompts.answers = {A::Ok};
    EXPECT_TRUE(w.mnuFileSave_Click());
    EXPECT_FALSE(IsDataChanged(doc));
    EXPECT_EQ(prompts.saveDialogs, 0);
}

TEST_F(DocumentCommandsTest, FailedSaveAsKeepsTheOldName)
{
    frmMain w(doc);
    titledAndModified("kept.dat");
    prompts.fileNames = {qpath("no-such-folder/other.dat")};
    EXPECT_FALSE(w.mnuFileSaveAs_Click());
    EXPECT_EQ(doc.DocFileName, path("kept.dat"));
    EXPECT_TRUE(IsDataChanged(doc));
    EXPECT_EQ(prompts.texts(),
              std::vector<QString>({QString::fromStdString(FileErrorText(
                  Txt::DataFileAccessFailed, path("no-such-folder/other.dat"), "no such file or directory"))}));
}

TEST_F(DocumentCommandsTest, OpenTakesTheNameOnlyOfAnOpenedFile)
{
    // A file of this program, with an edit in it.
    {
        Document other;
        InitDocument(other, AppState::instance().initFolder());
        other.Record.OptFeat.Beep = 1;
        other.DocFileName = path("good.dat");
        ASSERT_TRUE(SaveDocument(other, silent));
    }
    std::ofstream(path("broken.dat"), std::ios::binary) << "not a data file";

    frmMain w(doc);
    titledAndModified("mine.dat");
    prompts.answers = {A::No};
    prompts.fileNames = {qpath("broken.dat")};
    w.mnuFileOpen_Click();
    EXPECT_EQ(doc.DocFileName, path("mine.dat"));
    EXPECT_TRUE(IsDataChanged(doc));
    ASSERT_EQ(prompts.asked.size(), 2u);  // 9006, then the refusal
    EXPECT_FALSE(prompts.asked[1].question);
    EXPECT_TRUE(prompts.asked[1].text.startsWith(QStringLiteral("Not a data file of this program")));

    prompts.answers = {A::Cancel};
    w.mnuFileOpen_Click();
    EXPECT_EQ(prompts.openDialogs, 1);  // Cancel at 9006 stops before the dialog

    prompts.asked.clear();
    prompts.answers = {A::No};
    prompts.fileNames = {qpath("good.dat")};
    w.mnuFileOpen_Click();
    EXPECT_EQ(doc.DocFileName, path("good.dat"));
    EXPECT_FALSE(doc.IsUntitled);
    EXPECT_EQ(doc.Record.OptFeat.Beep, 1);
    EXPECT_FALSE(IsDataChanged(doc));
    EXPECT_EQ(prompts.asked.size(), 1u);
    EXPECT_TRUE(w.windowTitle().endsWith(":good.dat]"));
}

TEST_F(DocumentCommandsTest, ARefusedOpenLeavesTheWindowsOfTheDocumentOpen)
{
    std::ofstream(path("picture.dat"), std::ios::binary) << "\x89PNG\r\n\x1a\n";
    frmMain w(doc);
    w.showRadioInfo();
    const int open = static_cast<int>(w.mdiArea()->subWindowList().size());
    ASSERT_GE(open, 1);
    w.openFile(qpath("picture.dat"));
    EXPECT_EQ(w.mdiArea()->subWindowList().size(), open);
    EXPECT_EQ(prompts.asked.size(), 1u);
}

TEST_F(DocumentCommandsTest, OpenStopsWhenTheYesSaveDoesNotComplete)
{
    frmMain w(doc);
    modify(doc);
    prompts.answers = {A::Yes};
    prompts.fileNames = {""};  // the Save As dialog is cancelled
    w.mnuFileOpen_Click();
    EXPECT_EQ(prompts.openDialogs, 0);
    EXPECT_TRUE(IsDataChanged(doc));
}

TEST_F(DocumentCommandsTest, AskSaveChangesReportsWhetherTheCallerMayGoOn)
{
    frmMain w(doc);
    EXPECT_TRUE(w.askSaveChanges());
    EXPECT_TRUE(prompts.asked.empty());
    titledAndModified("ask.dat");
    prompts.answers = {A::Cancel};
    EXPECT_FALSE(w.askSaveChanges());
    prompts.answers = {A::No};
    EXPECT_TRUE(w.askSaveChanges());
    EXPECT_TRUE(IsDataChanged(doc));
    prompts.answers = {A::Yes};
    EXPECT_TRUE(w.askSaveChanges());
    EXPECT_FALSE(IsDataChanged(doc));
    // Pending edits are committed before the question.
    int commits = 0;
    w.addCommitHook([&] {
        ++commits;
        modify(doc);
    });
    prompts.answers = {A::No};
    EXPECT_TRUE(w.askSaveChanges());
    EXPECT_EQ(commits, 1);
}
