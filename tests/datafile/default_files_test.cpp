#include "datafile_fixture.h"

#include "core/app/data_file.h"
#include "core/model/band_range.h"
#include "core/model/document.h"
#include "core/model/document_compare.h"

namespace {

using DefaultFiles = DataFileTest;

// Saves a document of the band with one recognisable setting to a path.
void saveMarked(const std::string& target, int band, int beep, int channelCount, const std::string& folder)
{
    Document doc;
    ASSERT_TRUE(ApplyBandMode(doc, band));
    InitDocument(doc, folder + "/none");
    doc.Record.OptFeat.Beep = static_cast<std::int16_t>(beep);
    doc.ChannelCount = static_cast<std::int16_t>(channelCount);
    doc.DocFileName = target;
    RecordingNotifier notes;
    ASSERT_TRUE(SaveDocument(doc, notes));
}

TEST_F(DefaultFiles, TheBandsNewFileGivesTheWholeDocument)
{
    saveMarked(initFolder() + "/BRISKO7_1_NEW.dat", 1, 7, 4, m_dir.string());
    Document doc;
    ASSERT_TRUE(ApplyBandMode(doc, 1));
    InitDocument(doc, initFolder());
    EXPECT_EQ(doc.Record.OptFeat.Beep, 7);
    EXPECT_EQ(doc.ChannelCount, 4);
    EXPECT_FALSE(IsDataChanged(doc));
    EXPECT_TRUE(doc.IsUntitled);

    // Another band does not look at it.
    Document cb;
    InitDocument(cb, initFolder());
    EXPECT_EQ(cb.Record.OptFeat.Beep, 0);
    EXPECT_EQ(cb.ChannelCount, 9);  // the CB band has no VFO channel
}

TEST_F(DefaultFiles, InitialSettingsUseTheFileWithoutNewSuffix)
{
    saveMarked(initFolder() + "/BRISKO7_0_NEW.dat", 0, 3, 9, m_dir.string());
    saveMarked(initFolder() + "/BRISKO7_0.dat", 0, 5, 2, m_dir.string());
    Document doc;
    doc.InitRequest = true;
    InitDocument(doc, initFolder());
    EXPECT_EQ(doc.Record.OptFeat.Beep, 5);
    EXPECT_EQ(doc.ChannelCount, 2);
    doc.InitRequest = false;
    InitDocument(doc, initFolder());
    EXPECT_EQ(doc.Record.OptFeat.Beep, 3);
}

TEST_F(DefaultFiles, FallbackFileGivesItsSettingsButNoChannels)
{
    saveMarked(initFolder() + "/BRISKO7_0.dat", 0, 9, 9, m_dir.string());
    Document doc;
    ASSERT_TRUE(ApplyBandMode(doc, 2));
    InitDocument(doc, initFolder());
    EXPECT_EQ(doc.Record.OptFeat.Beep, 9);
    EXPECT_EQ(doc.ChannelCount, 0);
    EXPECT_EQ(doc.BandMode, 2);
    EXPECT_EQ(doc.Record.Model.Band, 2);
    EXPECT_FALSE(IsDataChanged(doc));
}

TEST_F(DefaultFiles, ABadDefaultFileIsIgnored)
{
    saveMarked(initFolder() + "/BRISKO7_1_NEW.dat", 1, 7, 4, m_dir.string());
    auto bytes = readBytes(initFolder() + "/BRISKO7_1_NEW.dat");
    putLe16(bytes, 1071 + 14 + 18, 7);  // Tx_Power 7 in entry 0
    writeBytes(initFolder() + "/BRISKO7_1_NEW.dat", bytes);
    Document doc;
    ASSERT_TRUE(ApplyBandMode(doc, 1));
    InitDocument(doc, initFolder());
    EXPECT_EQ(doc.Record.OptFeat.Beep, 0);
    EXPECT_EQ(doc.ChannelCount, 10);
    EXPECT_FALSE(IsDataChanged(doc));

    bytes.resize(100);
    writeBytes(initFolder() + "/BRISKO7_1_NEW.dat", bytes);
    InitDocument(doc, initFolder());
    EXPECT_EQ(doc.ChannelCount, 10);
    EXPECT_EQ(doc.BandMode, 1);
}

TEST_F(DefaultFiles, ADefaultFileOfAnotherBandSwitchesTheDocumentToIt)
{
    // The default file's model record is applied as a loaded file's is.
    saveMarked(initFolder() + "/BRISKO7_0_NEW.dat", 2, 1, 3, m_dir.string());
    Document doc;
    InitDocument(doc, initFolder());
    EXPECT_EQ(doc.BandMode, 2);
    EXPECT_EQ(doc.BandRangeText, "28.000 - 29.700 MHz");
    EXPECT_FALSE(IsDataChanged(doc));
}

TEST_F(DefaultFiles, ADefaultFileWithAnUnknownBandIsIgnoredAndTheProgramGoesOn)
{
    saveMarked(initFolder() + "/BRISKO7_0_NEW.dat", 0, 7, 4, m_dir.string());
    auto bytes = readBytes(initFolder() + "/BRISKO7_0_NEW.dat");
    putLe16(bytes, 7, 3);  // band 3
    writeBytes(initFolder() + "/BRISKO7_0_NEW.dat", bytes);
    Document doc;
    InitDocument(doc, initFolder());
    EXPECT_EQ(doc.BandMode, 0);
    EXPECT_EQ(doc.Record.OptFeat.Beep, 0);
    EXPECT_EQ(doc.ChannelCount, 9);
    EXPECT_FALSE(IsDataChanged(doc));
}

TEST_F(DefaultFiles, ABadFallbackFileIsIgnored)
{
    saveMarked(initFolder() + "/BRISKO7_0.dat", 0, 9, 9, m_dir.string());
    auto bytes = readBytes(initFolder() + "/BRISKO7_0.dat");
    putLe16(bytes, 15 + 88 + 2 * 6, 200);  // AsqValue beyond its seven bits
    writeBytes(initFolder() + "/BRISKO7_0.dat", bytes);
    Document doc;
    ASSERT_TRUE(ApplyBandMode(doc, 1));
    InitDocument(doc, initFolder());
    EXPECT_EQ(doc.Record.OptFeat.Beep, 0);
    EXPECT_EQ(doc.Record.OptFeat.AsqValue, 3);
    EXPECT_EQ(doc.ChannelCount, 10);
    EXPECT_FALSE(IsDataChanged(doc));
}

}  // namespace
