#include "cli_run.h"

#include "release.h"

#include "core/model/data_file_format.h"

#include <sys/stat.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The verbs in an installation without default files, so that a new document
// is the built-in one.
class FileVerbs : public CliTest {
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        installBare();
    }
};

TEST_F(FileVerbs, HelpListsTheVerbs)
{
    const Run r = run("--help");
    EXPECT_EQ(r.status, 0);
    for (const char* verb : {"new", "show", "encode", "decode", "diff"})
        EXPECT_NE(r.out.find(std::string("  ") + verb + " "), std::string::npos) << verb;
}

TEST_F(FileVerbs, VersionIsOneLineWithReleaseAndDataVersion)
{
    for (const char* option : {"--version", "-v"}) {
        const Run r = run(option);
        EXPECT_EQ(r.status, 0) << option;
        EXPECT_EQ(r.out, "brisko7-cli " BRISKO7_RELEASE " (data version V100)\n") << option;
    }
}

TEST_F(FileVerbs, NewSavesTheNewDocumentOfTheBand)
{
    ASSERT_EQ(run("new -o '" + path("cb.dat") + "'").status, 0);
    const Run hf = run("new --band 1 -o '" + path("hf.dat") + "'");
    ASSERT_EQ(hf.status, 0) << hf.err;
    EXPECT_TRUE(hf.err.empty());
    const auto cb = ReadDataFileBytes(readBytes(path("cb.dat")));
    const auto contents = ReadDataFileBytes(readBytes(path("hf.dat")));
    ASSERT_TRUE(cb && contents);
    EXPECT_EQ(cb->Record.Model.Band, 0);
    EXPECT_EQ(cb->Channels[0].RxFreq, "02718500");
    EXPECT_EQ(contents->Record.Model.Band, 1);
    EXPECT_EQ(contents->Record.ChannelCount, 10);
    EXPECT_EQ(contents->Channels[1].ChannelNo, 401);
    EXPECT_EQ(contents->Channels[1].RxFreq, "02786000");
}

TEST_F(FileVerbs, UsageErrorsExitWithTwoAndWriteNothing)
{
    for (const std::string& args :
         {"new --band 3 -o '" + path("x.dat") + "'", std::string("new"), "new --colour red -o '" + path("x.dat") + "'",
          std::string("show"), "decode '" + path("img") + "' -o '" + path("x.dat") + "'", std::string("diff a"),
          std::string("frobnicate")}) {
        const Run r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(lineCount(r.err), 1) << args << r.err;
        EXPECT_FALSE(exists("x.dat"));
    }
}

TEST_F(FileVerbs, ShowListsEveryRecordAndJsonUsesTheFieldNames)
{
    ASSERT_EQ(run("new -o '" + path("a.dat") + "'").status, 0);
    const Run text = run("show '" + path("a.dat") + "'");
    ASSERT_EQ(text.status, 0) << text.err;
    for (const char* part : {"ModelRecord", "Model: BRISKO7", "ChannelCount: 9", "RxFreq: 02718500", "OptFeatRecord",
                             "MaxSwr: 160", "PublicChannel", "KeySettings", "DtmfSettings", "ToneTips"})
        EXPECT_NE(text.out.find(part), std::string::npos) << part;

    const Run json = run("show '" + path("a.dat") + "' --json");
    ASSERT_EQ(json.status, 0) << json.err;
    QJsonParseError error{};
    const QJsonDocument parsed = QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.substr(0, 200);
    const QJsonObject doc = parsed.object();
    EXPECT_EQ(doc["ModelRecord"].toObject()["Model"].toString(), "BRISKO7");
    EXPECT_EQ(doc["ModelRecord"].toObject()["Version"].toString(), "V100");
    EXPECT_EQ(doc["ChannelCount"].toInt(), 9);  // the CB band has no VFO channel
    const QJsonArray channels = doc["ChannelList"].toArray();
    ASSERT_EQ(channels.size(), 9);
    EXPECT_EQ(channels[1].toObject()["ChannelNo"].toInt(), 402);
    EXPECT_EQ(channels[0].toObject()["RxFreq"].toString(), "02718500");
    EXPECT_EQ(channels[0].toObject()["OffSetFre"].toInt(), 100);
    EXPECT_EQ(channels[0].toObject()["Add_Sub_5K"].toInt(), 0);
    EXPECT_EQ(doc["OptFeatRecord"].toObject()["MaxSwr"].toInt(), 160);
    EXPECT_EQ(doc["OptFeatRecord"].toObject()["GroupValid"].toArray()[0].toInt(), 1);
    EXPECT_EQ(doc["PublicChannel"].toObject()["OffSetFre"].toInt(), 5);
    EXPECT_EQ(doc["KeySettings"].toObject()["Keys"].toArray().size(), 18);
    EXPECT_EQ(doc["DtmfSettings"].toObject()["Codes"].toArray().size(), 16);
    EXPECT_EQ(doc["DtmfSettings"].toObject()["DtmfRate"].toInt(), 10);
    const QJsonArray tips = doc["ToneTips"].toArray();
    ASSERT_EQ(tips.size(), 8);
    EXPECT_EQ(tips[0].toObject()["Tones"].toArray()[0].toArray()[0].toInt(), 210);
    EXPECT_EQ(tips[0].toObject()["LoopCount"].toInt(), 1);
}

TEST_F(FileVerbs, EncodeGivesTheImageAndDecodeReadsItBack)
{
    ASSERT_EQ(run("new --band 1 -o '" + path("a.dat") + "'").status, 0);
    const Run encode = run("encode '" + path("a.dat") + "' -o '" + path("a.img") + "'");
    ASSERT_EQ(encode.status, 0) << encode.err;
    const auto image = readBytes(path("a.img"));
    ASSERT_EQ(image.size(), 7424u);
    EXPECT_EQ(image[0], 0x00);  // 27.860 MHz: digits 278600
    EXPECT_EQ(image[1], 0x86);
    EXPECT_EQ(image[2], 0x27);
    EXPECT_EQ(image[0x1900], 0x01);
    EXPECT_EQ(image[0x1A1C], 0xFF);
    EXPECT_EQ(image[0x1A54], 160);

    const Run decode = run("decode '" + path("a.img") + "' --band 1 -o '" + path("b.dat") + "'");
    ASSERT_EQ(decode.status, 0) << decode.err;
    EXPECT_EQ(readBytes(path("b.dat")).size(), 25611u);
    // A new document is what the radio keeps: no difference, in either band.
    const Run diff = run("diff '" + path("a.dat") + "' '" + path("b.dat") + "'");
    EXPECT_EQ(diff.status, 0) << diff.out;
    EXPECT_EQ(diff.out, "");
    ASSERT_EQ(run("new --band 0 -o '" + path("cb-new.dat") + "'").status, 0);
    ASSERT_EQ(run("encode '" + path("cb-new.dat") + "' -o '" + path("cb.img") + "'").status, 0);
    ASSERT_EQ(run("decode '" + path("cb.img") + "' --band 0 -o '" + path("cb-back.dat") + "'").status, 0);
    const Run cbDiff = run("diff '" + path("cb-new.dat") + "' '" + path("cb-back.dat") + "'");
    EXPECT_EQ(cbDiff.status, 0) << cbDiff.out;

    // In the CB band the VFO channel does not exist.
    ASSERT_EQ(run("decode '" + path("a.img") + "' --band 0 -o '" + path("c.dat") + "'").status, 0);
    const Run cb = run("diff '" + path("b.dat") + "' '" + path("c.dat") + "'");
    EXPECT_EQ(cb.status, 1);
    EXPECT_EQ(cb.out.rfind("ModelRecord.Band: 1 -> 0\n", 0), 0u) << cb.out;
    EXPECT_NE(cb.out.find("ChannelList[ChannelNo 401]: present -> -"), std::string::npos);
}

TEST_F(FileVerbs, DiffOfEqualFilesIsSilent)
{
    ASSERT_EQ(run("new -o '" + path("a.dat") + "'").status, 0);
    ASSERT_EQ(run("new -o '" + path("b.dat") + "'").status, 0);
    const Run r = run("diff '" + path("a.dat") + "' '" + path("b.dat") + "'");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.empty());
}

TEST_F(FileVerbs, RefusedInputsExitWithThreeAndOneLine)
{
    ASSERT_EQ(run("new -o '" + path("good.dat") + "'").status, 0);
    const auto good = readBytes(path("good.dat"));
    auto shortFile = good;
    shortFile.resize(100);
    writeBytes(path("short.dat"), shortFile);
    auto power = good;
    putLe16(power, 1071 + 14 + 18, 7);  // Tx_Power 7
    writeBytes(path("power.dat"), power);
    auto model = good;
    model[0] = 'Z';
    writeBytes(path("model.dat"), model);
    auto version = good;
    version[12] = '1';  // V101, not handled by this installation
    writeBytes(path("version.dat"), version);

    struct Case {
        std::string args;
        std::string output;
        std::string inMessage;
    };
    const std::vector<Case> cases{
        {"show '" + path("missing.dat") + "'", "", ""},
        {"show '" + path("short.dat") + "' --json", "", ""},
        {"encode '" + path("power.dat") + "' -o '" + path("out.img") + "'", "out.img", ""},
        {"encode '" + path("model.dat") + "' -o '" + path("out.img") + "'", "out.img", "model"},
        {"show '" + path("version.dat") + "'", "", "V1.01"},
        {"diff '" + path("good.dat") + "' '" + path("power.dat") + "'", "", ""},
    };
    for (const Case& c : cases) {
        const Run r = run(c.args);
        EXPECT_EQ(r.status, 3) << c.args;
        EXPECT_EQ(lineCount(r.err), 1) << c.args << "\n" << r.err;
        EXPECT_NE(r.err.find(c.inMessage), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << c.args;
        if (!c.output.empty()) {
            EXPECT_FALSE(exists(c.output)) << c.args;
        }
    }
}

TEST_F(FileVerbs, AnOutputThatCannotBeWrittenExitsWithFourInEveryVerb)
{
    ASSERT_EQ(run("new -o '" + path("good.dat") + "'").status, 0);
    ASSERT_EQ(run("encode '" + path("good.dat") + "' -o '" + path("good.img") + "'").status, 0);
    const std::string nowhere = path("no-folder/out");
    for (const std::string& args :
         {"new -o '" + nowhere + "'", "encode '" + path("good.dat") + "' -o '" + nowhere + "'",
          "decode '" + path("good.img") + "' --band 0 -o '" + nowhere + "'"}) {
        const Run r = run(args);
        EXPECT_EQ(r.status, 4) << args;
        EXPECT_EQ(lineCount(r.err), 1) << args << "\n" << r.err;
        EXPECT_FALSE(exists("no-folder")) << args;
    }
}

// Every verb that writes an output explains a pipe in its place as a failed
// save of a data file is explained, and takes an empty output name for a
// usage error.
TEST_F(FileVerbs, AnOutputThatIsAPipeOrNoNameIsExplainedAlikeInEveryVerb)
{
    ASSERT_EQ(run("new -o '" + path("good.dat") + "'").status, 0);
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    const std::string good = "'" + path("good.dat") + "'";
    const std::string saveFailed = "could not be opened, read or written";  // text 9002
    for (const std::string& verb :
         std::vector<std::string>{"new", "edit " + good + " MEM:1:Scan=0", "export-csv " + good,
                                  "tone " + good + " --tip 1", "encode " + good}) {
        const Run pipe = run(verb + " -o '" + path("pipe") + "'");
        EXPECT_EQ(pipe.status, 4) << verb;
        EXPECT_NE(pipe.err.find(saveFailed), std::string::npos) << verb << ": " << pipe.err;
        const Run noName = run(verb + " -o ''");
        EXPECT_EQ(noName.status, 2) << verb;
        EXPECT_NE(noName.err.find("-o needs a file name"), std::string::npos) << verb << ": " << noName.err;
    }
}

TEST_F(FileVerbs, AnOutputThatIsTheInputIsRefusedAndTheInputKept)
{
    ASSERT_EQ(run("new -o '" + path("a.dat") + "'").status, 0);
    ASSERT_EQ(run("encode '" + path("a.dat") + "' -o '" + path("a.img") + "'").status, 0);
    std::filesystem::create_symlink(path("a.dat"), path("link.dat"));
    std::filesystem::create_hard_link(path("a.img"), path("second-name.img"));
    const auto dat = readBytes(path("a.dat"));
    const auto img = readBytes(path("a.img"));
    for (const std::string& args : {"encode '" + path("a.dat") + "' -o '" + path("a.dat") + "'",
                                    "encode '" + path("a.dat") + "' -o '" + path("link.dat") + "'",
                                    "decode '" + path("a.img") + "' --band 0 -o '" + path("a.img") + "'",
                                    "decode '" + path("a.img") + "' --band 0 -o '" + path("second-name.img") + "'"}) {
        const Run r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(lineCount(r.err), 1) << args << "\n" << r.err;
        EXPECT_NE(r.err.find("is the input"), std::string::npos) << r.err;
        EXPECT_EQ(readBytes(path("a.dat")), dat) << args;
        EXPECT_EQ(readBytes(path("a.img")), img) << args;
    }
}

TEST_F(FileVerbs, DecodeRefusesAnythingButAWholeImage)
{
    writeBytes(path("small.img"), std::vector<std::uint8_t>(7000, 0));
    writeBytes(path("large.img"), std::vector<std::uint8_t>(7425, 0));
    for (const char* name : {"small.img", "large.img", "none.img"}) {
        const Run r = run(std::string("decode '") + path(name) + "' --band 2 -o '" + path("x.dat") + "'");
        EXPECT_EQ(r.status, 3) << name;
        EXPECT_EQ(lineCount(r.err), 1) << r.err;
        EXPECT_FALSE(exists("x.dat"));
    }
}

}  // namespace
