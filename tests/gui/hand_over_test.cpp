// Handing a file over to the installed version that handles its data version.

#include "gui_test_support.h"

#include "core/app/data_file.h"
#include "gui/app/frm_main.h"
#include "gui/app/start_handler.h"
#include "lang_text_ids.h"
#include "core/model/document_compare.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <sys/stat.h>

class HandOverTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        VersionList::instance().setHandlers({{"V100", "V100"}, {"V101", "V101"}});
        m_program = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    }
    // A sibling installation V101 whose program leaves a mark when started.
    void installSibling()
    {
        std::filesystem::create_directories(path("V101"));
        const std::string script = path("V101/" + m_program);
        std::ofstream(script) << "#!/bin/sh\ntouch \"" << path("V101/started") << "\"\n";
        ::chmod(script.c_str(), 0755);
    }
    // A data file of this program with another data version written into it.
    void writeFileOfVersion(const std::string& relative, const char* version)
    {
        Document other;
        InitDocument(other, AppState::instance().initFolder());
        other.DocFileName = path(relative);
        SilentNotifier silent;
        ASSERT_TRUE(SaveDocument(other, silent));
        std::fstream f(path(relative), std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(9);
        f.write(version, 4);
    }
    std::string m_program;
};

TEST_F(HandOverTest, StartHandlerStartsTheSiblingOrSaysWhyNot)
{
    EXPECT_FALSE(StartHandler("V102"));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, LangText(Txt::NoVersionForData));

    EXPECT_FALSE(StartHandler("V101"));  // not installed
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1].text, LangText(Txt::OtherVersionNotStarted));

    installSibling();
    EXPECT_TRUE(StartHandler("V101"));
    EXPECT_EQ(prompts.asked.size(), 2u);
    EXPECT_TRUE(waitUntil([&] { return std::filesystem::exists(path("V101/started")); }, 5000));
}

TEST_F(HandOverTest, OpeningAFileOfAnotherVersionHandsOverAndEndsWithoutTheUnsavedQuestion)
{
    installSibling();
    writeFileOfVersion("newer.dat", "V101");
    Document doc;
    frmMain w(doc);
    w.show();
    int exitHooks = 0;
    w.addExitHook([&] { ++exitHooks; });
    doc.Record.OptFeat.Beep = 1;                              // unsaved work; the hand-over does not ask about it
    prompts.answers = {NoticeAnswer::No, NoticeAnswer::Yes};  // 9006, then the version question
    prompts.fileNames = {qpath("newer.dat")};
    w.mnuFileOpen_Click();
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1].buttons, NoticeButtons::YesNo);
    EXPECT_TRUE(prompts.asked[1].text.contains(LangText(Txt::VersionQuestion)));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(exitHooks, 1);
    EXPECT_EQ(doc.DocFileName, "new.dat");
    EXPECT_TRUE(waitUntil([&] { return std::filesystem::exists(path("V101/started")); }, 5000));
}

TEST_F(HandOverTest, AHandOverThatCannotStartKeepsTheProgramAndItsDocument)
{
    // No sibling installed: V101 is named by the list but its program is missing.
    writeFileOfVersion("newer.dat", "V101");
    Document doc;
    frmMain w(doc);
    w.show();
    int exitHooks = 0;
    w.addExitHook([&] { ++exitHooks; });
    prompts.answers = {NoticeAnswer::Yes};  // the version question
    prompts.fileNames = {qpath("newer.dat")};
    w.mnuFileOpen_Click();
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1].text, LangText(Txt::OtherVersionNotStarted));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(exitHooks, 0);
    EXPECT_EQ(doc.DocFileName, "new.dat");
}

TEST_F(HandOverTest, NoToTheVersionQuestionKeepsTheDocument)
{
    writeFileOfVersion("newer.dat", "V101");
    Document doc;
    frmMain w(doc);
    w.show();
    prompts.answers = {NoticeAnswer::No};
    prompts.fileNames = {qpath("newer.dat")};
    w.mnuFileOpen_Click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(doc.DocFileName, "new.dat");
    EXPECT_TRUE(doc.IsUntitled);
}
