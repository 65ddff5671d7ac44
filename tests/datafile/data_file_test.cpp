#include "datafile_fixture.h"
#include "core/base/file_error.h"

#include "core/app/data_file.h"
#include "lang_text_ids.h"
#include "core/model/document.h"
#include "core/model/document_compare.h"
#include "core/model/fixed_text.h"
#include "core/model/band_range.h"

namespace {

class CountingObserver : public DocumentObserver {
public:
    void documentReplaced() override { ++count; }
    int count = 0;
};

struct Snapshot {
    DocumentRecord record;
    std::array<ChannelRecord, MaxChannels> channels;
    DocumentRecord baseRecord;
    std::array<ChannelRecord, MaxChannels> baseChannels;
    std::string modelName;
    int band;
    std::string fileName;
    bool untitled;

    explicit Snapshot(const Document& d)
        : record(d.Record)
        , channels(d.ChannelList)
        , baseRecord(d.Base.Record)
        , baseChannels(d.Base.Channels)
        , modelName(d.ModelName)
        , band(d.BandMode)
        , fileName(d.DocFileName)
        , untitled(d.IsUntitled)
    {
    }
    void expectSame(const Document& d) const
    {
        EXPECT_EQ(d.Record, record);
        EXPECT_EQ(d.ChannelList, channels);
        EXPECT_EQ(d.Base.Record, baseRecord);
        EXPECT_EQ(d.Base.Channels, baseChannels);
        EXPECT_EQ(d.ModelName, modelName);
        EXPECT_EQ(d.BandMode, band);
        EXPECT_EQ(d.DocFileName, fileName);
        EXPECT_EQ(d.IsUntitled, untitled);
    }
};

using DataFiles = DataFileTest;

TEST_F(DataFiles, NewDocumentHasTheBuiltInDefaultsInEachBand)
{
    struct Case {
        int band;
        const char* middle;
    };
    for (const Case c : {Case{0, "02718500"}, Case{1, "02786000"}, Case{2, "02885000"}}) {
        Document doc;
        ASSERT_TRUE(ApplyBandMode(doc, c.band));
        InitDocument(doc, initFolder());
        // Channel 1, the VFO channel 401 (not in the CB band, which has no
        // place for it; unscanned, as the radio keeps it), then 402..409.
        const bool vfo = c.band != 0;
        const int count = vfo ? 10 : 9;
        ASSERT_EQ(doc.ChannelCount, count) << c.band;
        EXPECT_EQ(doc.ChannelList[0].ChannelNo, 1);
        EXPECT_EQ(doc.ChannelList[0].RxFreq, c.middle);
        if (vfo) {
            EXPECT_EQ(doc.ChannelList[1].ChannelNo, 401);
            EXPECT_EQ(doc.ChannelList[1].RxFreq, c.middle);
        }
        const char* mem[] = {"02801500", "02814500", "02811500", "02808500",
                             "02805500", "02802500", "02807500", "02800500"};
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(doc.ChannelList[count - 8 + k].ChannelNo, 402 + k);
            EXPECT_EQ(doc.ChannelList[count - 8 + k].RxFreq, mem[k]);
        }
        for (int i = 0; i < count; ++i) {
            const ChannelRecord& ch = doc.ChannelList[i];
            EXPECT_EQ(ch.IsEmpty, 0);
            EXPECT_EQ(ch.Scan, ch.ChannelNo == 401 ? 0 : 1);
            EXPECT_EQ(ch.OffSetFre, 100);
            EXPECT_EQ(ch.NB, 1);
            EXPECT_EQ(ch.Public, 1);
            EXPECT_EQ(ch.RDCT + ch.TDCT + ch.DUP + ch.Tx_Power + ch.RBTone + ch.TSQ + ch.BUSY, 0);
        }
        EXPECT_EQ(doc.Record.Model.Band, c.band);
        EXPECT_EQ(doc.RadioInfo.InfoBand, c.band);
        EXPECT_FALSE(IsDataChanged(doc));
    }
}

TEST_F(DataFiles, NewDocumentSettingsAndFileState)
{
    Document doc;
    doc.DocFileName = "old.dat";
    doc.IsUntitled = false;
    CountingObserver observer;
    doc.addObserver(&observer);
    InitDocument(doc, initFolder());
    EXPECT_EQ(observer.count, 1);
    EXPECT_EQ(doc.DocFileName, "new.dat");
    EXPECT_TRUE(doc.IsUntitled);
    EXPECT_EQ(doc.Record.Model.Model, "BRISKO7");
    EXPECT_EQ(doc.Record.Model.Version, "V100");
    EXPECT_EQ(doc.Record.Keys.KeyMode, 3);
    for (int k = 0; k < 18; ++k)
        EXPECT_EQ(doc.Record.Keys.Keys[k], k + 1);
    const OptFeatRecord& o = doc.Record.OptFeat;
    EXPECT_EQ(o.Value1B, 1);
    EXPECT_EQ(o.GroupValid[0], 1);
    EXPECT_EQ(o.GroupValid[1], 0);
    EXPECT_EQ(o.TimeOutTimer, 4);
    EXPECT_EQ(o.SquelchLevel, 3);
    EXPECT_EQ(o.AsqValue, 3);
    EXPECT_EQ(o.ScanTime, 1);
    EXPECT_EQ(o.UseMaxSwr, 1);
    EXPECT_EQ(o.MaxSwr, 160);
    EXPECT_EQ(doc.Record.PublicChannel.OffSetFre, 5);
    const DtmfSettings& d = doc.Record.Dtmf;
    EXPECT_EQ(d.DtmfRate, 10);
    EXPECT_EQ(d.FirstDigitDelay, 2);
    EXPECT_EQ(d.DtmfDisplay, 1);
    EXPECT_EQ(d.Codes[15].Digits, std::string(16, ' '));
    const ToneTips& t = doc.Record.Tips;
    EXPECT_EQ(t[0].Tones[0], (ToneTipTone{210, 10}));
    EXPECT_EQ(t[0].Tones[1], (ToneTipTone{0, 10}));
    EXPECT_EQ(t[0].Tones[7], (ToneTipTone{0, 0}));
    EXPECT_EQ(t[1].Tones[13], (ToneTipTone{0, 4}));
    EXPECT_EQ(t[1].Tones[12], (ToneTipTone{80, 4}));
    EXPECT_EQ(t[3].Tones[4], (ToneTipTone{192, 6}));
    EXPECT_EQ(t[4].Tones[5], (ToneTipTone{70, 20}));
    EXPECT_EQ(t[4].LoopCount, 1);
    EXPECT_EQ(t[5].LoopCount, 0);
    EXPECT_EQ(doc.RadioInfo.VersionText, "V1.00");
    EXPECT_EQ(doc.RadioInfo.CustomerCode, "001A");
    doc.removeObserver(&observer);
}

TEST_F(DataFiles, SavedFileIsLaidOutFieldByField)
{
    Document doc;
    InitDocument(doc, initFolder());
    doc.Record.Dtmf.Codes[0] = {3, "123"};
    doc.Record.OptFeat.EmergencyChannel[2][1] = 77;
    doc.Record.OptFeat.GroupMode[9][1] = 1;
    doc.ChannelList[0].TSQ = 1;
    doc.ChannelList[0].Reserved[6] = -2;
    doc.DocFileName = path("layout.dat");
    ASSERT_TRUE(SaveDocument(doc, m_notes));
    const auto b = readBytes(doc.DocFileName);
    ASSERT_EQ(b.size(), 25611u);
    EXPECT_EQ(text(b, 0, 7), "BRISKO7");
    EXPECT_EQ(le16(b, 7), 0);
    EXPECT_EQ(text(b, 9, 4), "V100");
    EXPECT_EQ(le16(b, 13), 9);        // the CB band has no VFO channel
    EXPECT_EQ(le16(b, 21), 1);        // Value1B
    EXPECT_EQ(le16(b, 23), 1);        // GroupValid[0]
    EXPECT_EQ(le16(b, 83 + 4), 77);   // EmergencyChannel column 1, group 2
    EXPECT_EQ(le16(b, 105), 4);       // TimeOutTimer
    EXPECT_EQ(le16(b, 135), 160);     // MaxSwr
    EXPECT_EQ(b[147 + 9], 1);         // GroupMode column 1, group 9
    EXPECT_EQ(le16(b, 173 + 14), 5);  // public OffSetFre
    EXPECT_EQ(le16(b, 233), 3);       // KeyMode
    EXPECT_EQ(le16(b, 269), 18);      // Keys[17]
    EXPECT_EQ(le16(b, 271), 10);      // DtmfRate
    EXPECT_EQ(le16(b, 275), 2);       // FirstDigitDelay
    EXPECT_EQ(le16(b, 281), 1);       // DtmfDisplay
    EXPECT_EQ(le16(b, 283), 3);       // code 1 Length
    EXPECT_EQ(text(b, 285, 16), "123             ");
    EXPECT_EQ(le16(b, 591), 210);     // tip 1, tone 1 frequency
    EXPECT_EQ(le16(b, 593), 10);      // tip 1, tone 1 length
    EXPECT_EQ(le16(b, 591 + 56), 1);  // tip 1 first header
    EXPECT_EQ(le16(b, 651), 80);      // tip 2, tone 1 frequency
    EXPECT_EQ(le16(b, 1071), 1);      // channel entry 0: ChannelNo
    EXPECT_EQ(le16(b, 1075), 1);      // Scan
    EXPECT_EQ(text(b, 1077, 8), "02718500");
    EXPECT_EQ(le16(b, 1085), 100);  // OffSetFre
    EXPECT_EQ(le16(b, 1097), 1);    // NB
    EXPECT_EQ(le16(b, 1105), 1);    // Public
    EXPECT_EQ(le16(b, 1115), 1);    // TSQ
    EXPECT_EQ(le16(b, 1129), -2);   // last reserved integer
    EXPECT_EQ(le16(b, 1131), 402);  // entry 1
    EXPECT_EQ(le16(b, 1071 + 60 * 8), 409);
}

TEST_F(DataFiles, SaveThenOpenGivesTheSameRecordsUnchanged)
{
    Document doc;
    ASSERT_TRUE(ApplyBandMode(doc, 1));
    InitDocument(doc, initFolder());
    doc.ChannelList[3].RDCT = 294;  // an odd radio's DCS index
    doc.ChannelList[3].TDCT = 1040;
    doc.Record.Keys.Keys[2] = 0;
    doc.Record.Dtmf.Codes[4] = {20, "9"};
    doc.Record.OptFeat.GridGroup = 11;
    doc.DocFileName = path("round.dat");
    ASSERT_TRUE(IsDataChanged(doc));
    ASSERT_TRUE(SaveDocument(doc, m_notes));
    EXPECT_FALSE(IsDataChanged(doc));
    EXPECT_FALSE(doc.IsUntitled);

    Document other;
    CountingObserver observer;
    other.addObserver(&observer);
    const OpenResult result = OpenDocument(other, doc.DocFileName, m_notes);
    ASSERT_EQ(result.outcome, OpenOutcome::Opened);
    EXPECT_TRUE(m_notes.shown.empty());
    EXPECT_EQ(observer.count, 1);
    EXPECT_EQ(other.BandMode, 1);
    EXPECT_EQ(other.BandRangeText, "25.615 - 30.105 MHz");
    EXPECT_DOUBLE_EQ(other.FreqMax, 30.105);
    EXPECT_EQ(other.DocFileName, doc.DocFileName);
    EXPECT_FALSE(other.IsUntitled);
    EXPECT_FALSE(IsDataChanged(other));
    EXPECT_TRUE(ListDifferences(doc.Record, doc.ChannelList, other.Record, other.ChannelList).empty());
    EXPECT_EQ(other.Record.Dtmf.Codes[4].Digits, PadFixed("9", 16));
    EXPECT_EQ(other.ChannelList[3], doc.ChannelList[3]);
    other.removeObserver(&observer);
}

TEST_F(DataFiles, OpenLoadsOnlyTheCountedChannels)
{
    Document doc;
    InitDocument(doc, initFolder());
    doc.DocFileName = path("three.dat");
    ASSERT_TRUE(SaveDocument(doc, m_notes));
    auto b = readBytes(doc.DocFileName);
    putLe16(b, 13, 3);
    putLe16(b, 1071 + 60 * 5, 0);  // an unused entry may hold anything
    putLe16(b, 1071 + 60 * 6, 1);
    writeBytes(doc.DocFileName, b);
    Document other;
    ASSERT_EQ(OpenDocument(other, doc.DocFileName, m_notes).outcome, OpenOutcome::Opened);
    EXPECT_EQ(other.ChannelCount, 3);
    EXPECT_EQ(other.ChannelList[2].ChannelNo, 403);
}

TEST_F(DataFiles, FailedSaveKeepsTheDocumentModifiedAndWritesNothing)
{
    Document doc;
    InitDocument(doc, initFolder());
    doc.Record.OptFeat.Beep = 1;
    doc.DocFileName = path("missing-folder/x.dat");
    EXPECT_FALSE(SaveDocument(doc, m_notes));
    ASSERT_EQ(m_notes.shown.size(), 1u);
    // The message names the file and the system's reason.
    EXPECT_EQ(m_notes.shown[0].text,
              FileErrorText(Txt::DataFileAccessFailed, doc.DocFileName, "no such file or directory"));
    EXPECT_EQ(m_notes.shown[0].icon, NoticeIcon::Error);
    EXPECT_TRUE(IsDataChanged(doc));
    EXPECT_TRUE(doc.IsUntitled);

    // A target that cannot be replaced (a folder) stays as it was, and no
    // temporary file is left beside it.
    std::filesystem::create_directories(path("taken.dat"));
    doc.DocFileName = path("taken.dat");
    EXPECT_FALSE(SaveDocument(doc, m_notes));
    EXPECT_TRUE(std::filesystem::is_directory(path("taken.dat")));
    EXPECT_TRUE(IsDataChanged(doc));
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m_dir))
        ++entries;
    EXPECT_EQ(entries, 2);  // Init and taken.dat
}

TEST_F(DataFiles, SaveReplacesAnExistingFileWhole)
{
    Document doc;
    InitDocument(doc, initFolder());
    doc.DocFileName = path("over.dat");
    writeBytes(doc.DocFileName, std::vector<std::uint8_t>(30000, 0xAA));
    ASSERT_TRUE(SaveDocument(doc, m_notes));
    const auto b = readBytes(doc.DocFileName);
    ASSERT_EQ(b.size(), 25611u);
    EXPECT_EQ(text(b, 0, 7), "BRISKO7");
}

TEST_F(DataFiles, ModelDisplayAndBandDisplayTexts)
{
    EXPECT_EQ(ModelDisplayName(std::string("BRISKO7\0xx", 10)), "BRISKO7");
    EXPECT_EQ(ModelDisplayName("BRISKO  "), "BRISKO");
    EXPECT_EQ(BandDisplayText("26.965 - 27.405 MHz"), "Frequency");
    EXPECT_EQ(BandDisplayText("25.615 - 30.105 MHz"), "25.615 - 30.105 MHz");
}

TEST_F(DataFiles, RestoreRefusesABadBandAndChangesNothing)
{
    Document doc;
    InitDocument(doc, initFolder());
    doc.Base.Record.Model.Band = 3;
    const Snapshot before(doc);
    EXPECT_FALSE(RestoreFromBaseline(doc));
    before.expectSame(doc);
}

}  // namespace
