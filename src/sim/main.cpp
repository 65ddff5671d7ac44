// brisko7-sim: a virtual BRISKO7 radio on a pseudo-terminal, for trying the
// programs without a radio, for the end-to-end tests and for the benchmark.
#include "pty_line.h"
#include "session_counter.h"
#include "sim_memory_files.h"
#include "sim_options.h"

#include "core/link/sim_announcement.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int)
{
    g_stop = 1;
}

void installSignals()
{
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0;  // no restart: a waiting poll returns at once
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

template <std::size_t Size>
bool loadBlock(const std::string& path, MemoryBlock<Size>& block, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() != Size) {
        error = path + " holds " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(Size);
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), block.data());
    return true;
}

double monotonicSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Sleeps until a moment of the monotonic clock, or until a signal asks to stop.
void sleepUntil(double when)
{
    timespec t{};
    t.tv_sec = static_cast<time_t>(when);
    t.tv_nsec = static_cast<long>((when - static_cast<double>(t.tv_sec)) * 1e9);
    while (!g_stop && clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) {}
}

// At 9600 baud with a start and a stop bit a byte takes 10 bits: 1/960 s.
constexpr double SecondsPerByte = 1.0 / 960.0;

struct Session {
    const SimOptions& options;
    VirtualRadio& radio;
    PtyLine& line;
    double lineFreeAt = 0;
    SessionCounter counter;

    // One round: take what arrived, let the radio answer, pay the line time.
    bool step()
    {
        bool failed = false;
        const std::vector<std::uint8_t> in = line.receive(200, failed);
        if (failed) {
            std::fprintf(stderr, "brisko7-sim: the line broke\n");
            return false;
        }
        if (in.empty())
            return true;
        const std::vector<std::uint8_t> out = radio.receive(in);
        if (options.pace) {
            lineFreeAt = std::max(lineFreeAt, monotonicSeconds())
                + static_cast<double>(in.size() + out.size()) * SecondsPerByte;
            sleepUntil(lineFreeAt);
        }
        if (!out.empty() && !line.send(out)) {
            std::fprintf(stderr, "brisko7-sim: cannot send on the line\n");
            return false;
        }
        return !radio.takeSessionEnd() || sessionEnded();
    }

    bool sessionEnded()
    {
        const std::string report = counter.sessionEnded(radio.stats());
        if (!options.quiet)
            std::fprintf(stderr, "brisko7-sim: %s\n", report.c_str());
        if (radio.sessionWrote() && !options.saveFile.empty()) {
            std::string error;
            if (!SaveRadioMemory(options.saveFile, radio.image(), radio.identity().band, error))
                std::fprintf(stderr, "brisko7-sim: %s\n", error.c_str());
            else if (!options.quiet)
                std::fprintf(stderr, "brisko7-sim: memory saved to %s\n", options.saveFile.c_str());
        }
        return !options.once;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    std::string error;
    const std::optional<SimOptions> parsed = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!parsed) {
        std::fprintf(stderr, "brisko7-sim: %s (try --help)\n", error.c_str());
        return 2;
    }
    const SimOptions& options = *parsed;
    if (options.help) {
        std::fputs(SimUsage(), stdout);
        return 0;
    }

    PrepareSimInstallation();
    VirtualRadioIdentity identity = options.identity;
    RadioImage image = DefaultRadioImage(identity.band <= 2 ? identity.band : 0);
    if (!options.imageFile.empty()) {
        std::optional<int> fileBand;
        if (!LoadStartImage(options.imageFile, image, fileBand, error)) {
            std::fprintf(stderr, "brisko7-sim: %s\n", error.c_str());
            return 2;
        }
        if (fileBand && !options.bandGiven)
            identity.band = static_cast<std::uint8_t>(*fileBand);
    }
    const std::uint8_t band = identity.band;
    RadioInfoBlock info = BuildRadioInfo(static_cast<std::uint8_t>(options.infoBand.value_or(band & 0x0F)),
                                         options.info);
    if (!options.infoFile.empty() && !loadBlock(options.infoFile, info, error)) {
        std::fprintf(stderr, "brisko7-sim: %s\n", error.c_str());
        return 2;
    }
    VirtualRadio radio(identity, image, info, options.faults);

    PtyLine line;
    if (!line.open(error)) {
        std::fprintf(stderr, "brisko7-sim: %s\n", error.c_str());
        return 1;
    }
    installSignals();
    // Announced before the device is printed: whoever reads the first line
    // finds the radio in the port list too.
    std::string announcement;
    if (options.announce && !SimAnnouncement::write(line.devicePath(), announcement))
        std::fprintf(stderr, "brisko7-sim: cannot announce the port in %s\n", SimAnnouncement::folder().c_str());
    std::printf("%s\n", line.devicePath().c_str());
    std::fflush(stdout);

    Session session{options, radio, line, 0, {}};
    int status = 0;
    while (!g_stop) {
        if (!session.step()) {
            status = radio.stats().sessions > 0 && options.once ? 0 : 1;
            break;
        }
    }
    // A terminal whose far end closes loses what it had not read yet: give
    // the program a moment to take the last acknowledgement.
    if (options.once && !g_stop) {
        bool failed = false;
        const double until = monotonicSeconds() + 0.15;
        while (!g_stop && !failed && monotonicSeconds() < until)
            line.receive(50, failed);
    }
    SimAnnouncement::remove(announcement);

    const VirtualRadioStats& s = radio.stats();
    const double lineTime = static_cast<double>(s.bytesIn + s.bytesOut) * SecondsPerByte;
    std::printf("line time: %.3f s (%zu bytes in, %zu bytes out)\n", lineTime, s.bytesIn, s.bytesOut);
    std::fflush(stdout);
    return status;
}
