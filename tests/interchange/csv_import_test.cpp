#include "document_fixture.h"

#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/interchange/csv_import.h"
#include "core/model/document_snapshot.h"
#include "core/app/undo_history.h"
#include "core/channels/group_settings.h"
#include "core/base/notifier.h"
#include "core/base/text_fill.h"
#include "core/base/lang_texts.h"
#include "core/interchange/csv_table.h"
#include "lang_text_ids.h"

#include <algorithm>

namespace {

using Groups::BankMem;

class CsvImport : public DocumentFixture {
protected:
    const ChannelRecord& at(const Document& doc, int group, int position)
    {
        const ChannelRecord* c = ChannelAt(doc, group, position);
        EXPECT_TRUE(c) << "no channel at " << group << "/" << position;
        static const ChannelRecord none;
        return c ? *c : none;
    }
    static std::string freq(const Document& doc, const ChannelRecord& c) { return FreqCodeToText(c.RxFreq, doc); }
};

// A file of another program: the common columns only, in another order,
// with a header, CRLF line ends and a byte-order mark.
const char* const OtherProgramFile =
    "\xEF\xBB\xBF"
    "Mode,Frequency,Name,Location,Tone,rToneFreq,cToneFreq,DtcsCode,RxDtcsCode,CrossMode,Duplex,Offset,Power,Skip\r\n"
    "NFM,28.500000,a,0,,88.5,88.5,023,023,Tone->Tone,,0.000000,High,\r\n"         // line 2: no tone at all
    "FM,28.510000,b,1,Tone,103.5,88.5,023,023,Tone->Tone,-,0.100000,low,S\r\n"    // 3: CTCSS on transmit
    "FM,28.520000,c,2,TSQL,88.5,103.5,023,023,Tone->Tone,+,0.600000,MEDIUM,\r\n"  // 4: CTCSS both ways
    "FM,28.530000,d,3,DTCS,88.5,88.5,114,023,Tone->Tone,,0.000000,5.0W,\r\n"      // 5: DCS both ways, odd power
    "AM,28.540000,e,4,Cross,103.5,88.5,114,754,Tone->DTCS,off,0.000000,Low,\r\n"  // 6: cross, no transmit
    "WFM,28.553000,f,5,Tone,69.3,88.5,023,023,Tone->Tone,,0,High,\r\n";           // 7: off the raster, unknown tone

TEST_F(CsvImport, TheWholeImportIsOneUndoStep)
{
    auto doc = newDocument(2);
    UndoHistory history(*doc);
    const DocumentSnapshot before = TakeSnapshot(*doc);
    ASSERT_EQ(ImportCsv(*doc, OtherProgramFile, {"b"}).imported, 6);
    const DocumentSnapshot imported = TakeSnapshot(*doc);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(TakeSnapshot(*doc), before);
    EXPECT_FALSE(history.canUndo()) << "six rows, one step";
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(TakeSnapshot(*doc), imported);
}

TEST_F(CsvImport, FileOfAnotherProgramFillsTheChosenGroupFromPositionOne)
{
    auto doc = newDocument(2);
    const CsvImportSummary s = ImportCsv(*doc, OtherProgramFile, {"b"});
    ASSERT_TRUE(s.accepted());
    EXPECT_EQ(s.imported, 6);
    EXPECT_EQ(s.changedByRule, 3);  // lines 5, 6, 7
    EXPECT_TRUE(s.refusedLines.empty());
    const std::vector<CsvNote> expectedNotes{{5, CsvNoteKind::UnknownPower, "5.0W"},
                                             {6, CsvNoteKind::DuplexOff, ""},
                                             {7, CsvNoteKind::FreqMoved, ""},
                                             {7, CsvNoteKind::ToneUnavailable, ""}};
    EXPECT_EQ(s.notes, expectedNotes);

    struct Expected {
        const char* freq;
        int rdct, tdct, dup, offset, am, power, scan;  // -1: not checked
    };
    const Expected expected[] = {
        {"28.50000", 0, 0, 0, -1, 0, 2, 1},    {"28.51000", 0, 13, 2, 100, 0, 0, 0},
        {"28.52000", 13, 13, 1, 600, 0, 1, 1}, {"28.53000", 55, 55, 0, -1, 0, -1, 1},
        {"28.54000", 142, 13, 0, -1, 1, 0, 1}, {"28.55000", 0, 0, 0, -1, 0, 2, 1},
    };
    for (int p = 1; p <= 6; ++p) {
        const ChannelRecord& c = at(*doc, 1, p);
        const Expected& e = expected[p - 1];
        SCOPED_TRACE(p);
        EXPECT_EQ(freq(*doc, c), e.freq);
        EXPECT_EQ(c.RDCT, e.rdct);
        EXPECT_EQ(c.TDCT, e.tdct);
        EXPECT_EQ(c.DUP, e.dup);
        if (e.offset >= 0) {
            EXPECT_EQ(c.OffSetFre, e.offset);
        }
        EXPECT_EQ(c.AM_FM, e.am);
        EXPECT_EQ(c.Scan, e.scan);
        EXPECT_EQ(c.Public, 0);  // its own settings count, not the public channel's
        if (e.power >= 0) {      // an unknown power keeps what the position held
            EXPECT_EQ(c.Tx_Power, e.power);
        }
    }
}

TEST_F(CsvImport, OlderFilesWithoutTheNewerColumnsImport)
{
    auto doc = newDocument(1);
    const CsvImportSummary s = ImportCsv(*doc,
                                         "Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,Mode\n"
                                         "1,27.185,DTCS,88.5,88.5,025,FM\n",
                                         {"MEM"});
    ASSERT_TRUE(s.accepted());
    EXPECT_EQ(s.imported, 1);
    const ChannelRecord& c = at(*doc, BankMem, 1);
    EXPECT_EQ(freq(*doc, c), "27.18500");
    EXPECT_EQ(c.RDCT, 40);
    EXPECT_EQ(c.TDCT, 40);
}

TEST_F(CsvImport, RowsThatTheBandCannotHoldAreRefusedByLine)
{
    auto doc = newDocument(1);
    const CsvImportSummary s = ImportCsv(*doc,
                                         "Frequency,Group,Position\n"
                                         "146.520000,A,1\n"  // line 2: two metres
                                         "28.100000,A,1\n"   // 3
                                         "28.100000,Q,1\n"   // 4: no such group
                                         "28.100000,A,41\n"  // 5: no such position
                                         "abc,A,2\n"         // 6
                                         "30.500000,,\n");   // 7: outside what the radio tunes
    ASSERT_TRUE(s.accepted());
    EXPECT_EQ(s.imported, 1);
    EXPECT_EQ(s.refusedLines, (std::vector<int>{2, 4, 5, 6, 7}));
    EXPECT_EQ(freq(*doc, at(*doc, 0, 1)), "28.10000");
}

TEST_F(CsvImport, FrequencyOutsideTheBandButInTheRadioIsClampedAndReported)
{
    auto doc = newDocument(2);
    const CsvImportSummary s = ImportCsv(*doc, "Frequency,Group,Position\n27.185,B,3\n");
    EXPECT_EQ(s.imported, 1);
    EXPECT_EQ(s.notes, (std::vector<CsvNote>{{2, CsvNoteKind::FreqMoved, ""}}));
    EXPECT_EQ(freq(*doc, at(*doc, 1, 3)), "28.00000");
}

TEST_F(CsvImport, CountryGroupsTakeOnlySettingsOntoTheChannelOfTheFrequency)
{
    auto doc = newDocument(0);
    const auto before = channels(*doc);
    const CsvImportSummary s = ImportCsv(*doc,
                                         "Frequency,Tone,rToneFreq,Skip\n"
                                         "26.965000,Tone,103.5,S\n"  // EU 1
                                         "26.970000,Tone,103.5,\n",  // 2: no EU channel there
                                         {"EU"});
    EXPECT_EQ(s.imported, 1);
    EXPECT_EQ(s.refusedLines, std::vector<int>{3});
    const ChannelRecord& eu1 = at(*doc, 0, 1);
    EXPECT_EQ(eu1.TDCT, 13);
    EXPECT_EQ(eu1.Scan, 0);
    EXPECT_EQ(eu1.RxFreq, before.front().RxFreq);
    EXPECT_EQ(doc->ChannelCount, static_cast<std::int16_t>(before.size()));
}

struct RefusedFile {
    const char* name;
    std::string text;
    CsvImportRefusal refusal;
};

class CsvImportRefusedFile : public CsvImport, public ::testing::WithParamInterface<RefusedFile> {};

TEST_P(CsvImportRefusedFile, ChangesNothing)
{
    auto doc = newDocument(1);
    const auto before = channels(*doc);
    const CsvImportSummary s = ImportCsv(*doc, GetParam().text, {"A"});
    EXPECT_EQ(s.refusal, GetParam().refusal);
    EXPECT_EQ(s.imported, 0);
    EXPECT_EQ(channels(*doc), before);
    EXPECT_FALSE(CsvImportSummaryText(s).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, CsvImportRefusedFile,
    ::testing::Values(RefusedFile{"DataFile", std::string("BRISKO7\0\0\0V100", 15), CsvImportRefusal::NotCsv},
                      RefusedFile{"Empty", "", CsvImportRefusal::NotCsv},
                      RefusedFile{"OpenQuote", "Frequency\n\"28.1\n", CsvImportRefusal::NotCsv},
                      RefusedFile{"NoFrequencyColumn", "Location,Name\n1,x\n", CsvImportRefusal::NoFrequencyColumn},
                      RefusedFile{"PlainText", "just some words\nand more\n", CsvImportRefusal::NoFrequencyColumn}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CsvImport, SummaryNamesTheCountsAndTheRefusedLines)
{
    CsvImportSummary s;
    s.imported = 4;
    s.changedByRule = 1;
    s.refusedLines = {3, 9};
    s.notes = {{3, CsvNoteKind::NoRoom, ""}};
    const std::string text = CsvImportSummaryText(s);
    EXPECT_NE(text.find("4 rows imported, 1 of them changed by a rule, 2 refused."), std::string::npos) << text;
    EXPECT_NE(text.find("3, 9"), std::string::npos) << text;
    EXPECT_NE(text.find("line 3: no position left"), std::string::npos) << text;
}

// Every value that is not taken exactly as written is named with its line.
TEST_F(CsvImport, ValuesNotTakenAsWrittenAreNamed)
{
    struct Case {
        const char* row;  // Frequency,Group,Position,Duplex,Offset,RBTone
        CsvNoteKind kind;
        const char* column;
    };
    const std::vector<Case> cases{
        {"28.1,A,2,+,abc,0", CsvNoteKind::ValueRefused, "Offset"},
        {"28.1,A,2,+,-0.5,0", CsvNoteKind::ValueRefused, "Offset"},
        {"28.1,A,2,+,0.6004,0", CsvNoteKind::ValueRefused, "Offset"},
        {"28.1,A,2,,,1.5", CsvNoteKind::ValueRefused, "RBTone"},
        {"28.1,A,1.5,,,0", CsvNoteKind::NoSuchPlace, ""},
    };
    for (const Case& c : cases) {
        auto doc = newDocument(1);
        const CsvImportSummary s = ImportCsv(
            *doc, std::string("Frequency,Group,Position,Duplex,Offset,RBTone\n") + c.row + "\n");
        EXPECT_EQ(s.notes, (std::vector<CsvNote>{{2, c.kind, c.column}})) << c.row;
        EXPECT_FALSE(s.clean()) << c.row;
    }
}

TEST_F(CsvImport, ManyBadRowsGiveABoundedSummary)
{
    auto doc = newDocument(1);
    std::string text = "Frequency\n";
    for (int i = 0; i < 1000; ++i)
        text += "x\n";
    const CsvImportSummary s = ImportCsv(*doc, text);
    EXPECT_EQ(s.refusedRows(), 1000);
    EXPECT_EQ(s.notes.size() + static_cast<std::size_t>(s.notesUnlisted), 1000u);
    EXPECT_EQ(s.notes.size(), MaxCsvListed);
    const std::string summary = CsvImportSummaryText(s);
    EXPECT_LT(std::count(summary.begin(), summary.end(), '\n'), 2 * static_cast<int>(MaxCsvListed));
    EXPECT_NE(summary.find(std::to_string(1000 - MaxCsvListed)), std::string::npos) << summary;
}

TEST_F(CsvImport, AFileWithARowOfTooManyFieldsIsNoChannelTable)
{
    auto doc = newDocument(1);
    const CsvImportSummary s = ImportCsv(*doc, std::string(MaxCsvFields, ',') + "Frequency\n28.1\n");
    EXPECT_EQ(s.refusal, CsvImportRefusal::NotCsv);
}

// A filled empty group is enabled, so that the radio offers its channels; a
// group that held channels keeps its setting, whatever it was.
TEST_F(CsvImport, FilledEmptyDisabledGroupsAreEnabledAndNamed)
{
    auto doc = newDocument(1);
    SilentNotifier quiet;
    ASSERT_TRUE(SetChannelData(*doc, 1, 1, ChannelField::RxFreq, "28.2", quiet).stored());
    ASSERT_EQ(GroupSettingValue(*doc, 1, GroupSetting::GroupValid), 0);
    ASSERT_EQ(GroupSettingValue(*doc, 2, GroupSetting::GroupValid), 0);
    const CsvImportSummary s = ImportCsv(*doc, "Frequency,Group,Position\n28.3,B,2\n28.4,C,1\n28.5,A,3\n");
    EXPECT_EQ(s.imported, 3);
    EXPECT_EQ(GroupSettingValue(*doc, 0, GroupSetting::GroupValid), 1);
    EXPECT_EQ(GroupSettingValue(*doc, 1, GroupSetting::GroupValid), 0);
    EXPECT_EQ(GroupSettingValue(*doc, 2, GroupSetting::GroupValid), 1);
    EXPECT_EQ(s.enabledGroups, std::vector<std::string>{"C"});
    EXPECT_NE(CsvImportSummaryText(s).find(FillText(GetLangText(Txt::ImportGroupsEnabled), {"C"})), std::string::npos);
}

}  // namespace
