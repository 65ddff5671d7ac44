// Channel window benchmark: a full CB document (all 409 channel numbers in
// use), the channel window on it, every group switched to in turn, and 1,000
// cell edits committed through the grid's editors as a user makes them
// (open the cell's list, choose, stored at once). The same for typed
// frequencies on a full HF document. Each step ends when the events it
// caused are handled, the repaint of what changed included. Prints the mean
// and the worst time per group switch and per edit.
//
// usage: channel_window_bench PROGRAM_FOLDER [BAND]   (the staged V100 folder;
//        BAND 0 or 1 runs only that band)

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "gui/base/document_signals.h"
#include "gui/app/prompt_notifier.h"
#include "gui/base/ui_prompts.h"
#include "gui/channels/channel_columns.h"
#include "gui/channels/channel_grid_view.h"
#include "gui/channels/channel_table_model.h"
#include "core/channels/channel_update.h"
#include "gui/channels/frm_comm_ch_info.h"
#include "core/model/band_range.h"
#include "core/freq/channel_groups.h"
#include "core/model/document.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
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

// Wall time and the process's CPU time of each step: on a machine that
// other work keeps busy, the CPU time is what the step itself costs.
struct Figures {
    std::vector<double> ms;
    double cpuMs = 0;

    void report(const char* what) const
    {
        double sum = 0;
        for (double m : ms)
            sum += m;
        const double worst = ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end());
        const double n = ms.empty() ? 1 : static_cast<double>(ms.size());
        std::printf("%-28s %5zu   wall mean %7.3f ms   worst %8.3f ms   cpu mean %7.3f ms\n", what, ms.size(), sum / n,
                    worst, cpuMs / n);
    }

    template <typename Step>
    void time(Step step)
    {
        const double cpuStart = cpuNowMs();
        QElapsedTimer clock;
        clock.start();
        step();
        QCoreApplication::processEvents();
        ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        cpuMs += cpuNowMs() - cpuStart;
    }

    static double cpuNowMs()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
};

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
    QCoreApplication::processEvents();
    for (int round = 0; round < SwitchRounds; ++round) {
        for (int g = 0; g < groups; ++g)
            f.time([&] { window.ChangeGroup(g); });
    }
    return f;
}

// Shows the group and brings the cell into view, untimed: a user edits a
// cell already on the screen.
QModelIndex showCell(frmCommChInfo& window, int group, int row, int column)
{
    window.ChangeGroup(group);
    const QModelIndex index = window.model()->index(row % window.model()->rowCount(), column);
    window.grid()->scrollTo(index);
    QCoreApplication::processEvents();
    return index;
}

// Opens the cell's editor as a double click does; nullptr when it has none.
QWidget* openEditor(frmCommChInfo& window, const QModelIndex& index)
{
    window.grid()->EnterGridEdit(index);
    return window.grid()->indexWidget(index);
}

Figures editLists(frmCommChInfo& window, const Document& doc)
{
    Figures f;
    const int columns[] = {PublicColumn, TsqColumn, ScanColumn};
    const int groups = static_cast<int>(GroupComboItems(doc.BandMode).size());
    for (int i = 0; i < EditCount; ++i) {
        const QModelIndex cell = showCell(window, i % groups, i * 7, columns[i % 3]);
        f.time([&] {
            auto* list = qobject_cast<QComboBox*>(openEditor(window, cell));
            if (!list)
                return;
            const int choice = 1 - list->currentIndex();
            list->setCurrentIndex(choice);
            emit list->activated(choice);
        });
    }
    return f;
}

Figures typeFrequencies(frmCommChInfo& window)
{
    Figures f;
    for (int i = 0; i < EditCount; ++i) {
        const QModelIndex cell = showCell(window, i % 10, i * 7, FreqColumn);
        const QString typed = QString::number(26.0 + 0.005 * (i % 400), 'f', 3);
        f.time([&] {
            auto* line = qobject_cast<QLineEdit*>(openEditor(window, cell));
            if (!line)
                return;
            QTest::keyClicks(line, typed);
            QTest::keyClick(line, Qt::Key_Return);
        });
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

    const int onlyBand = argc > 2 ? std::atoi(argv[2]) : -1;
    for (int band : {0, 1}) {
        if (onlyBand >= 0 && band != onlyBand)
            continue;
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
