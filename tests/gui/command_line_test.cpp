// The desktop program's command line, and the file it names opened at start.

#include "gui_test_support.h"

#include "gui/app/command_line.h"
#include "core/app/data_file.h"
#include "gui/app/frm_main.h"
#include "lang_text_ids.h"
#include "core/model/document_compare.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <fstream>

namespace {

TEST(CommandLineTest, HelpVersionAFileOrAnError)
{
    using A = CommandLine::Action;
    const struct {
        QStringList arguments;
        A action;
        const char* output;  // a part of what is printed
        int status;
    } cases[] = {
        {{"brisko7"}, A::Run, "", 0},
        {{"brisko7", "--help"}, A::Help, "Usage: brisko7 [options] [file]", 0},
        {{"brisko7", "-h"}, A::Help, "--version", 0},
        {{"brisko7", "--version"}, A::Version, "brisko7 1.0.0 (data version V100)\n", 0},
        {{"brisko7", "-v"}, A::Version, "V100", 0},
        {{"brisko7", "--bogus"}, A::Error, "bogus", 2},
        {{"brisko7", "a.dat", "b.dat"}, A::Error, "one data file at most", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLine parsed = ParseCommandLine(c.arguments);
        EXPECT_EQ(parsed.action, c.action);
        EXPECT_TRUE(parsed.output.contains(QString::fromLatin1(c.output))) << parsed.output.toStdString();
        EXPECT_EQ(parsed.exitStatus(), c.status);
        EXPECT_TRUE(parsed.file.isEmpty());
    }
    const CommandLine withFile = ParseCommandLine({"brisko7", "radio.dat"});
    EXPECT_EQ(withFile.action, A::Run);
    EXPECT_EQ(withFile.file, QDir::current().absoluteFilePath("radio.dat"));
}

TEST(CommandLineTest, HelpAndVersionNeedNoDisplay)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    for (const char* option : {"--help", "--version"}) {
        SCOPED_TRACE(option);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(BRISKO7_STAGE_PROGRAM "/brisko7"), {QString::fromLatin1(option)});
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        EXPECT_TRUE(program.readAllStandardOutput().contains("brisko7"));
    }
}

using OpenAtStartTest = GuiTest;

TEST_F(OpenAtStartTest, TheNamedFileOpensAsFileOpenWouldAndARefusedOneLeavesTheNewDocument)
{
    Document saved;
    InitDocument(saved, AppState::instance().initFolder());
    saved.Record.OptFeat.Beep = 1;
    saved.DocFileName = path("radio.dat");
    SilentNotifier quiet;
    ASSERT_TRUE(SaveDocument(saved, quiet));
    {
        std::ofstream(path("short.dat")) << "BRISKO7";
    }

    Document doc;
    frmMain w(doc);
    w.openFile(qpath("short.dat"));
    ASSERT_EQ(prompts.asked.size(), 1u);
    // Seven bytes are no data file: that cause leads, the file follows.
    EXPECT_TRUE(prompts.asked[0].text.endsWith(QStringLiteral(": 7 bytes\r\n") + qpath("short.dat")));
    EXPECT_EQ(prompts.asked[0].icon, NoticeIcon::Error);
    EXPECT_TRUE(doc.IsUntitled);
    EXPECT_EQ(doc.DocFileName, "new.dat");
    EXPECT_FALSE(IsDataChanged(doc));

    w.openFile(qpath("radio.dat"));
    EXPECT_EQ(prompts.asked.size(), 1u);
    EXPECT_FALSE(doc.IsUntitled);
    EXPECT_EQ(doc.DocFileName, path("radio.dat"));
    EXPECT_EQ(doc.Record.OptFeat.Beep, 1);
    EXPECT_TRUE(w.windowTitle().contains("radio.dat"));
}

}  // namespace
