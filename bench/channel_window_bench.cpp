// Channel window benchmark: a full CB document (all 409 channel numbers in
// use), the channel window on it, every group switched to in turn, and 1,000
// cell edits committed through the grid's editors as a user makes them
// (open the cell's list, choose, stored at once). The same for typed
// frequencies on a full HF document. Each step includes the repaint of the
// grid. Prints the mean and the worst time per group switch and per edit.
//
// usage: channel_window_bench PROGRAM_FOLDER   (the staged V100 folder)

#include "app/app_state.h"
#include "app/data_file.h"
#include "app/document_signals.h"
#include "app/prompt_notifier.h"
#include "app/ui_prompts.h"
#include "channels/channel_columns.h"
#include "channels/channel_grid_view.h"
#include "channels/channel_table_model.h"
#include "channels/channel_update.h"
#include "channels/frm_comm_ch_info.h"
#include "freq/band_range.h"
#include "freq/channel_groups.h"
#include "model/document.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

constexpr int EditCount = 1000;
constexpr int SwitchRounds = 10;

// Messages would stop the run; the benchmark counts them instead.
class CountingPrompts : public UiPrompts {
public:
    int shown = 0;
    void message(const QString&, NoticeIcon, const QString& = {}) override { ++shown; }
    NoticeAnswer ask(const QString&, NoticeButtons, NoticeIcon, const QString& = {}) override
    {
        ++shown;
        return NoticeAnswer::Cancel;
    }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
};

struct Figures {
    std::vector<double> ms;

    void report(const char* what) const
    {
        double sum = 0;
        for (double m : ms)
            sum += m;
        const double worst = ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end());
        std::printf("%-28s %5zu   mean %7.3f ms   worst %7.3f ms\n", what, ms.size(),
                    ms.empty() ? 0 : sum / static_cast<double>(ms.size()), worst);
    }
};

template <typename Step>
double timed(frmCommChInfo& window, Step step)
{
    QElapsedTimer clock;
    clock.start();
    step();
    QCoreApplication::processEvents();
    window.grid()->viewport()->repaint();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Every channel number of the band holds a channel.
void fillAllChannels(Document& doc)
{
    doc.ChannelCount = 0;
    for (int n = 1; n <= MaxChannels; ++n) {
        const double mhz = doc.FreqMin + 0.005 * ((n - 1) % 80);
        AddChannel(doc, n, QString::number(mhz, 'f', 5).toStdString());
    }
}

Figures switchGroups(frmCommChInfo& window, const Document& doc)
{
    Figures f;
    const int groups = static_cast<int>(GroupComboItems(doc.BandMode).size());
    for (int round = 0; round < SwitchRounds; ++round) {
        for (int g = 0; g < groups; ++g)
            f.ms.push_back(timed(window, [&] { window.ChangeGroup(g); }));
    }
    return f;
}

// Opens the cell's editor as a double click does; nullptr when it has none.
QWidget* openEditor(frmCommChInfo& window, int row, int column)
{
    ChannelGridView& grid = *window.grid();
    const QModelIndex index = window.model()->index(row, column);
    grid.scrollTo(index);
    grid.EnterGridEdit(index);
    return grid.indexWidget(index);
}

Figures editLists(frmCommChInfo& window, const Document& doc)
{
    Figures f;
    const int columns[] = {PublicColumn, TsqColumn, ScanColumn};
    const int groups = static_cast<int>(GroupComboItems(doc.BandMode).size());
    for (int i = 0; i < EditCount; ++i) {
        window.ChangeGroup(i % groups);
        const int row = (i * 7) % window.model()->rowCount();
        const int column = columns[i % 3];
        f.ms.push_back(timed(window, [&] {
            auto* list = qobject_cast<QComboBox*>(openEditor(window, row, column));
            if (!list)
                return;
            const int choice = 1 - list->currentIndex();
            list->setCurrentIndex(choice);
            emit list->activated(choice);
        }));
    }
    return f;
}

Figures typeFrequencies(frmCommChInfo& window)
{
    Figures f;
    for (int i = 0; i < EditCount; ++i) {
        window.ChangeGroup(i % 10);
        const int row = (i * 7) % window.model()->rowCount();
        const QString typed = QString::number(26.0 + 0.005 * (i % 400), 'f', 3);
        f.ms.push_back(timed(window, [&] {
            auto* line = qobject_cast<QLineEdit*>(openEditor(window, row, FreqColumn));
            if (!line)
                return;
            QTest::keyClicks(line, typed);
            QTest::keyClick(line, Qt::Key_Return);
        }));
    }
    return f;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppState& state = AppState::instance();
    state.setProgramFolder(argv[1]);
    state.setLanguage(1);
    CountingPrompts prompts;
    UiPrompts::install(&prompts);
    PromptNotifier notifier;
    const std::string noInitFolder = (std::filesystem::temp_directory_path() / "brisko7-bench-none").string();

    for (int band : {0, 1}) {
        Document doc;
        ApplyBandMode(doc, band);
        InitDocument(doc, noInitFolder);
        fillAllChannels(doc);
        DocumentSignals docSignals(doc);
        frmCommChInfo window(doc, docSignals, notifier);
        window.show();
        QCoreApplication::processEvents();
        std::printf("band %s, %d channels\n", BandModeName(band).c_str(), static_cast<int>(doc.ChannelCount));
        switchGroups(window, doc).report("group switch");
        if (band == 0)
            editLists(window, doc).report("cell edit (list choice)");
        else
            typeFrequencies(window).report("cell edit (typed frequency)");
    }
    std::printf("messages shown: %d\n", prompts.shown);
    UiPrompts::install(nullptr);
    return 0;
}
