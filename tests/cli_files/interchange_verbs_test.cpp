#include "cli_run.h"

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "core/base/notifier.h"
#include "core/model/band_range.h"
#include "core/model/document.h"

namespace {

// check, export-csv and import-csv in the staged installation.
class InterchangeVerbs : public CliTest {
protected:
    std::string newFile(int band, const std::string& name)
    {
        const Run r = run("new --band " + std::to_string(band) + " -o '" + path(name) + "'");
        EXPECT_EQ(r.status, 0) << r.err;
        return path(name);
    }
    // A new document of the band, broken by a change no editor makes.
    std::string brokenFile(int band, void (*breakIt)(Document&))
    {
        AppState::instance().setProgramFolder(BRISKO7_STAGE_PROGRAM);
        Document doc;
        ApplyBandMode(doc, band);
        InitDocument(doc, std::string(BRISKO7_STAGE_PROGRAM) + "/Init");
        breakIt(doc);
        doc.DocFileName = path("broken.dat");
        SilentNotifier quiet;
        EXPECT_TRUE(SaveDocument(doc, quiet));
        return doc.DocFileName;
    }
    static void writeText(const std::string& p, const std::string& text) { writeBytes(p, {text.begin(), text.end()}); }
};

TEST_F(InterchangeVerbs, CheckIsQuietAboutNewDocumentsOfEveryBand)
{
    for (int band = 0; band <= 2; ++band) {
        const Run r = run("check '" + newFile(band, "new.dat") + "'");
        EXPECT_EQ(r.status, 0) << band << ": " << r.out << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(InterchangeVerbs, CheckPrintsOneLinePerFindingAndExitsOne)
{
    const std::string file = brokenFile(1, [](Document& d) {
        d.Record.OptFeat.GroupValid.fill(0);
        d.Record.PublicChannel.AM_FM = 1;
        d.Record.PublicChannel.Tx_Power = 2;
    });
    const Run r = run("check '" + file + "'");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out,
              "Public channel: AM with High power.\n"
              "No group is switched on, so the radio has no channels to show.\n");
}

TEST_F(InterchangeVerbs, ExportedChannelsImportIntoAnotherDocumentUnchanged)
{
    const std::string hf = newFile(1, "hf.dat");
    ASSERT_EQ(run("edit '" + hf + "' -o '" + path("edited.dat") + "' B:7:RxFreq=28.455 B:GroupValid=1").status, 0);
    const Run exported = run("export-csv '" + path("edited.dat") + "' -o '" + path("hf.csv") + "'");
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_NE(readText(path("hf.csv")).find("\n47,,28.455000,"), std::string::npos) << readText(path("hf.csv"));

    const Run imported = run("import-csv '" + hf + "' '" + path("hf.csv") + "' -o '" + path("back.dat") + "'");
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.err.find("rows imported, 0 of them changed by a rule, 0 refused."), std::string::npos)
        << imported.err;
    const Run diff = run("diff '" + path("edited.dat") + "' '" + path("back.dat") + "'");
    EXPECT_EQ(diff.status, 0) << diff.out;
}

struct ImportRefusal {
    const char* name;
    std::string csv;
    std::string options;
    int status;
    const char* message;
};

class InterchangeRefusals : public InterchangeVerbs, public ::testing::WithParamInterface<ImportRefusal> {};

TEST_P(InterchangeRefusals, WriteNoOutput)
{
    const std::string hf = newFile(1, "hf.dat");
    writeText(path("in.csv"), GetParam().csv);
    const Run r = run("import-csv '" + hf + "' '" + path("in.csv") + "' -o '" + path("out.dat") + "' "
                      + GetParam().options);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_FALSE(exists("out.dat"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, InterchangeRefusals,
    ::testing::Values(ImportRefusal{"NotCsv", std::string("BRISKO7\0\0", 9), "", 3, "not a CSV file"},
                      ImportRefusal{"NoFrequency", "Location,Name\n1,a\n", "", 3, "no Frequency column"},
                      ImportRefusal{"StrictWithAClampedRow", "Frequency\n31.0\n", "--strict", 3, "--strict"},
                      ImportRefusal{"StrictWithARefusedRow", "Frequency\n28.0\n146.52\n", "--group C --strict", 3,
                                    "line 3"},
                      ImportRefusal{"UnknownGroup", "Frequency\n28.0\n", "--group Q", 2, "no group Q"},
                      ImportRefusal{"StrictWithAnOffsetNotTaken", "Frequency,Duplex,Offset\n28.0,+,-0.5\n", "--strict",
                                    3, "line 2: the value of Offset"},
                      ImportRefusal{"StrictWithAPositionNotWhole", "Frequency,Group,Position\n28.0,A,1\n28.1,A,1.5\n",
                                    "--strict", 3, "line 3"},
                      ImportRefusal{"EveryRowRefused", "Frequency\n146.52\nabc\n", "", 3, "Nothing was imported"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InterchangeVerbs, OutputThatIsAnInputIsRefused)
{
    const std::string hf = newFile(1, "hf.dat");
    EXPECT_EQ(run("export-csv '" + hf + "' -o '" + hf + "'").status, 2);
    writeText(path("in.csv"), "Frequency\n28.0\n");
    EXPECT_EQ(run("import-csv '" + hf + "' '" + path("in.csv") + "' -o '" + path("in.csv") + "'").status, 2);
}

}  // namespace
