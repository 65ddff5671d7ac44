// The document on paper: rendered through QPrinter into a PDF file
// (offscreen, no dialog) and read back with poppler's tools.

#include "channel_window_fixture.h"

#include "gui/app/print_document.h"
#include "core/app/print_layout.h"
#include "core/channels/channel_update.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <iostream>

namespace {

class PrintDocumentTest : public ChannelWindowTest {
protected:
    // Fills every position of every bank (and the memory group) of the band.
    void fillBand(int band)
    {
        newDocument(band);
        const int groups = static_cast<int>(GroupComboItems(band).size());
        for (int group = 0; group < groups; ++group) {
            for (int p = 1; p <= GetGroupSize(group, band); ++p) {
                if (!ChannelAt(doc, group, p))
                    addChannels(group, p, p, group);
            }
        }
    }
    // Prints into a PDF file; its text and page count.
    bool printToPdf(QString& text, int& pages)
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()
            || QStandardPaths::findExecutable("pdfinfo").isEmpty())
            return false;
        const QString file = QString::fromStdString(path("print.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        PrintDocument(doc, printer);
        text = run("pdftotext", {"-layout", file, "-"});
        const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run("pdfinfo", {file}));
        pages = match.hasMatch() ? match.captured(1).toInt() : 0;
        return true;
    }
    static QString run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

TEST_F(PrintDocumentTest, FullHfDocumentPrintsEveryFrequencyOnItsPages)
{
    fillBand(1);
    QString text;
    int pages = 0;
    if (!printToPdf(text, pages))
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) are not installed";
    std::cout << "pages of a full HF document: " << pages << "\n";
    EXPECT_GE(pages, 10);
    int missing = 0;
    for (int group = 0; group <= 9; ++group) {
        for (int p : {1, 17, 40}) {
            const ChannelRecord* c = ChannelAt(doc, group, p);
            ASSERT_NE(c, nullptr);
            const std::string freq = FreqCodeToShowText(c->RxFreq, group, 1, doc);
            missing += text.contains(QString::fromStdString(freq)) ? 0 : 1;
        }
    }
    EXPECT_EQ(missing, 0);
    EXPECT_TRUE(text.contains(LangText(Txt::PrintGroup).arg("J")));
    EXPECT_TRUE(text.contains(LangText(Txt::PrintDtmfCodes)));
}

TEST_F(PrintDocumentTest, LayoutHoldsOneTableForEachGroupWithChannels)
{
    for (int band : {0, 1, 2}) {
        newDocument(band);
        const PrintLayout layout = BuildPrintLayout(doc, "2026-01-01");
        ASSERT_GE(layout.header.size(), 4u);
        EXPECT_EQ(layout.header[3].second, "2026-01-01");
        int channelRows = 0;
        std::size_t settings = 0;
        for (const PrintTable& table : layout.tables) {
            if (table.startsPage)
                settings = &table - layout.tables.data();
            if (settings == 0)
                channelRows += static_cast<int>(table.rows.size());
        }
        int inGroups = 0;
        for (int group = 0; group < static_cast<int>(GroupComboItems(band).size()); ++group)
            inGroups += CountChannelsInGroup(doc, group);
        EXPECT_EQ(channelRows, inGroups) << "band " << band;
        EXPECT_EQ(layout.tables.size() - settings, 5u) << "band " << band;
    }
}

// The cell of a printed table: the row whose first cell is the label.
std::string printedCell(const PrintLayout& layout, int title, const std::string& label, std::size_t column)
{
    for (const PrintTable& table : layout.tables) {
        if (table.title != LangText(title).toStdString())
            continue;
        for (const auto& row : table.rows) {
            if (!row.empty() && row[0] == label && column < row.size())
                return row[column];
        }
    }
    return "(no row " + label + ")";
}

// A window's label without its colon, as the printout's first column holds it.
std::string labelOf(int number)
{
    std::string text = LangText(number).toStdString();
    while (!text.empty() && (text.back() == ':' || text.back() == ' '))
        text.pop_back();
    return text;
}

TEST_F(PrintDocumentTest, SettingsPrintAsTheWindowsShowThem)
{
    newDocument(1);
    doc.Record.OptFeat.TimeOutTimer = 4;
    doc.Record.OptFeat.ScanTime = 1;
    doc.Record.Dtmf.FirstDigitDelay = 2;
    doc.Record.Keys.Keys[1] = 9;
    doc.Record.Tips[0].Interval = 25;
    const PrintLayout layout = BuildPrintLayout(doc, "2026-01-01");
    const std::string rest = LangText(Txt::ToneRest).toStdString();
    const std::string keyMode = LangText(Txt::KeyModeFrame).toStdString() + " 1, ";
    const struct {
        int table;
        std::string label;
        std::size_t column;
        std::string shown;
    } cases[] = {
        {Txt::UndoStepOptions, labelOf(Txt::OptionTimeOut), 1, "4" + LangText(Txt::UnitMinutes).toStdString()},
        {Txt::UndoStepOptions, labelOf(Txt::OptionScanTime), 1, "10" + LangText(Txt::UnitSeconds).toStdString()},
        {Txt::UndoStepOptions, labelOf(Txt::OptionScanType), 1, LangText(Txt::ScanTime).toStdString()},
        {Txt::PrintDtmfCodes, labelOf(Txt::DtmfRate), 1, "100 ms"},
        {Txt::PrintDtmfCodes, labelOf(Txt::DtmfFirstDigitDelay), 1, "200 ms"},
        {Txt::UndoStepKeys, labelOf(Txt::KeyWorkingMode), 1, "1&2&3"},
        {Txt::UndoStepKeys, keyMode + "P1", 1, "MOD"},
        {Txt::UndoStepKeys, keyMode + "P2", 1, "MEM"},
        {Txt::UndoStepToneTips, "1", 2, "250 ms"},
        {Txt::UndoStepToneTips, "1", 3,
         "2100 Hz, 100 ms; " + rest + ", 100 ms; 2100 Hz, 100 ms; " + rest + ", 100 ms; 2100 Hz, 100 ms; " + rest
             + ", 100 ms; 2100 Hz, 100 ms"},
        {Txt::UndoStepToneTips, "6", 1, LangText(Txt::LoopOff).toStdString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printedCell(layout, c.table, c.label, c.column), c.shown) << c.label;
}

}  // namespace
