// The verbs of brisko7-cli that talk to a radio: read, write, info. They run
// the same transfer engine as the desktop program on the serial adapter, with
// a QCoreApplication event loop, and never ask the start questions. Other
// questions are asked on the terminal when there is one; without one the
// command ends with a clear message and a non-zero exit status.
#include "cli_verb.h"

#include "serial_port.h"
#include "port_directory.h"

#include "app/app_state.h"
#include "app/data_file.h"
#include "app/lang_texts.h"
#include "app/notifier.h"
#include "app/version_list.h"
#include "link/link_error.h"
#include "link/transfer_engine.h"
#include "model/document.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

std::string plain(std::string text)
{
    std::string out;
    for (char c : text)
        if (c != '\r')
            out.push_back(c);
    return out;
}

bool interactive() { return ::isatty(STDIN_FILENO) == 1; }

// Reads one answer line from the terminal, optionally without echo.
std::string readAnswer(bool hidden)
{
    termios saved{};
    const bool tty = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (hidden && tty) {
        termios quiet = saved;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (hidden && tty) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::fputs("\n", stderr);
    }
    return line;
}

// Messages of the data-file functions go to the terminal; their questions
// cannot be answered there.
class TerminalNotifier : public Notifier {
public:
    void message(const std::string& text, NoticeIcon, const std::string&) override
    {
        std::fprintf(stderr, "brisko7-cli: %s\n", plain(text).c_str());
    }
    NoticeAnswer ask(const std::string& text, NoticeButtons buttons, NoticeIcon, const std::string&) override
    {
        std::fprintf(stderr, "brisko7-cli: %s\n", plain(text).c_str());
        return buttons == NoticeButtons::YesNo ? NoticeAnswer::No : NoticeAnswer::Cancel;
    }
};

// Ctrl-C during a transfer cancels it properly ("END", port closed, the
// partly-written warning) instead of killing the program mid-frame.
int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

class CliHost : public QObject, public TransferHost {
public:
    CliHost(Document& doc, QString device) : m_doc(doc), m_device(std::move(device)), m_engine(doc, *this)
    {
        m_engine.setConfirmStart(false);
        // No windows to close or edits to commit: decode and write at once.
        m_engine.setTimings({150, 0, 0});
        for (LinkTimer t : {LinkTimer::Reply, LinkTimer::ReadOK, LinkTimer::WaitSaveData}) {
            auto* timer = new QTimer(this);
            timer->setSingleShot(true);
            timer->setTimerType(Qt::PreciseTimer);
            connect(timer, &QTimer::timeout, this, [this, t] { m_engine.timerExpired(t); });
            m_timers[t] = timer;
        }
        connect(&m_port, &SerialPort::thresholdReached, this, &CliHost::onThreshold);
        connect(&m_port, &SerialPort::deviceFailed, this, &CliHost::onDeviceFailed, Qt::QueuedConnection);
        if (::pipe(g_signalPipe) == 0) {
            m_signals = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
            connect(m_signals, &QSocketNotifier::activated, this, &CliHost::onInterrupt);
            std::signal(SIGINT, onSignal);
            std::signal(SIGTERM, onSignal);
        }
    }
    ~CliHost() override
    {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
    }

    TransferEngine& engine() { return m_engine; }
    void setPassword(const std::string& password, bool given)
    {
        m_engine.setPassword(password);
        if (given)
            m_givenPassword = password;
    }
    const TransferOutcome& outcome() const { return m_engine.lastOutcome(); }
    bool unanswered() const { return m_unanswered; }

    // Runs the event loop until the transfer ends; false when it never started.
    bool run(bool started)
    {
        if (!started && !m_engine.busy())
            return false;
        if (m_engine.busy())
            QCoreApplication::exec();
        return true;
    }

    // Port.
    LinkError openPort() override { return m_port.open(m_device); }
    void closePort() override { m_port.close(); }
    bool portIsOpen() const override { return m_port.isOpen(); }
    void flushPort() override { m_port.flush(); }
    void setReceiveThreshold(std::size_t bytes) override { m_port.setReceiveThreshold(bytes); }
    void sendBytes(const std::vector<std::uint8_t>& bytes) override
    {
        const LinkError error = m_port.write(bytes);
        if (error)
            QMetaObject::invokeMethod(this, [this, error] { m_engine.portFailed(error); }, Qt::QueuedConnection);
    }

    // Timers.
    void startTimer(LinkTimer timer, int ms) override { m_timers[timer]->start(ms); }
    void stopTimer(LinkTimer timer) override { m_timers[timer]->stop(); }

    // The user.
    void showMessage(const std::string& text, NoticeIcon) override
    {
        if (text.empty())
            return;   // a text missing from the language file
        endProgressLine();
        std::fprintf(stderr, "brisko7-cli: %s\n", plain(text).c_str());
    }
    NoticeAnswer ask(LinkQuestion question, const std::string& text, NoticeButtons buttons, NoticeIcon) override
    {
        endProgressLine();
        if (question == LinkQuestion::HandOver) {
            // Reported, not performed: a script decides which program to run.
            std::fprintf(stderr, "brisko7-cli: %s\nbrisko7-cli: the radio holds data version %s; use the program "
                                 "version that handles it\n",
                         plain(text).c_str(), m_doc.Radio.RadioVersion.c_str());
            return NoticeAnswer::No;
        }
        std::fprintf(stderr, "brisko7-cli: %s\n", plain(text).c_str());
        if (!interactive()) {
            m_unanswered = true;
            std::fprintf(stderr, "brisko7-cli: no terminal to answer the question on; giving up\n");
            return buttons == NoticeButtons::YesNo ? NoticeAnswer::No : NoticeAnswer::Cancel;
        }
        const bool retry = buttons == NoticeButtons::RetryCancel;
        std::fprintf(stderr, "%s", retry ? "[r]etry or [c]ancel? " : "[y]es or [n]o? ");
        const std::string answer = readAnswer(false);
        const bool yes = !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y' || answer[0] == 'r'
                                             || answer[0] == 'R' || answer[0] == 'o' || answer[0] == 'O');
        if (!yes)
            return buttons == NoticeButtons::YesNo ? NoticeAnswer::No : NoticeAnswer::Cancel;
        return retry ? NoticeAnswer::Retry : buttons == NoticeButtons::YesNo ? NoticeAnswer::Yes : NoticeAnswer::Ok;
    }
    std::optional<std::string> askPassword() override
    {
        endProgressLine();
        if (!interactive()) {
            // The password given on the command line is all a script has to
            // offer: checked once more, it ends in "PassWord Failure!".
            if (m_givenPassword)
                return m_givenPassword;
            m_unanswered = true;
            std::fprintf(stderr, "brisko7-cli: the radio is protected by a password; give it with --password\n");
            return std::nullopt;
        }
        std::fprintf(stderr, "Password of the radio: ");
        return readAnswer(true);
    }
    bool startOtherVersion(const std::string&) override { return false; }

    // Progress on the terminal: a running percentage on a terminal, a line
    // every quarter otherwise.
    void showProgress(TransferKind kind) override
    {
        m_progressLabel = kind == TransferKind::WriteImage ? "writing" : "reading";
        m_lastQuarter = -1;
        setProgress(0);
    }
    void setProgress(int percent) override
    {
        if (::isatty(STDERR_FILENO)) {
            std::fprintf(stderr, "\r%s %3d%%", m_progressLabel, percent);
            m_progressLineOpen = true;
        } else if (percent / 25 > m_lastQuarter) {
            m_lastQuarter = percent / 25;
            std::fprintf(stderr, "%s %d%%\n", m_progressLabel, percent);
        }
    }
    void hideProgress() override { endProgressLine(); }

    void transferEnded(const TransferOutcome& outcome) override
    {
        if (!(outcome.ok() && outcome.kind == TransferKind::ReadImage))
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    void readCompleted() override { QTimer::singleShot(0, qApp, &QCoreApplication::quit); }

private:
    void onThreshold()
    {
        const std::vector<std::uint8_t> bytes = m_port.takeAll();
        m_engine.bytesReceived(bytes);
    }
    void onDeviceFailed(const LinkError& error) { m_engine.portFailed(error); }
    void onInterrupt()
    {
        char c;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &c, 1);
        endProgressLine();
        std::fprintf(stderr, "brisko7-cli: interrupted\n");
        m_engine.cancel();
        if (!m_engine.busy())
            QCoreApplication::quit();
    }
    void endProgressLine()
    {
        if (m_progressLineOpen)
            std::fputs("\n", stderr);
        m_progressLineOpen = false;
    }

    Document& m_doc;
    SerialPort m_port;
    QString m_device;
    TransferEngine m_engine;
    std::map<LinkTimer, QTimer*> m_timers;
    QSocketNotifier* m_signals = nullptr;
    const char* m_progressLabel = "reading";
    int m_lastQuarter = -1;
    bool m_progressLineOpen = false;
    bool m_unanswered = false;
    std::optional<std::string> m_givenPassword;
};

// ---------------------------------------------------------------- the verbs

struct RadioArgs {
    std::string port;
    std::string password;
    std::string output;
    std::string input;
    bool passwordGiven = false;
};

// Parses "--port DEVICE", "--password P", "-o FILE" and at most one plain
// argument. Returns false with a message for anything else.
bool parseArgs(const std::vector<std::string>& args, bool wantsOutput, bool wantsInput, RadioArgs& out)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--port" && hasValue) {
            out.port = args[++i];
        } else if (a == "--password" && hasValue) {
            out.password = args[++i];
            out.passwordGiven = true;
        } else if ((a == "-o" || a == "--output") && hasValue && wantsOutput) {
            out.output = args[++i];
        } else if (!a.empty() && a[0] != '-' && wantsInput && out.input.empty()) {
            out.input = a;
        } else {
            std::fprintf(stderr, "brisko7-cli: unexpected argument '%s'\n", a.c_str());
            return false;
        }
    }
    if (out.port.empty()) {
        std::fprintf(stderr, "brisko7-cli: --port DEVICE is required\n");
        return false;
    }
    if ((wantsOutput && out.output.empty()) || (wantsInput && out.input.empty())) {
        std::fprintf(stderr, "brisko7-cli: a data file is required\n");
        return false;
    }
    return true;
}

// The program folder is the folder of this executable, as for the desktop
// program: language texts, the version list and the Init files live there.
void prepareProgram()
{
    AppState& app = AppState::instance();
    app.setProgramFolder(QCoreApplication::applicationDirPath().toStdString());
    VersionList::instance().load(app.versionListPath());
}

// A port number 1..16 stands for the device the port directory gives it.
QString deviceOf(const std::string& port)
{
    if (!port.empty() && port.size() <= 2 && port.find_first_not_of("0123456789") == std::string::npos) {
        PortDirectory directory;
        directory.refresh();
        return QString::fromStdString(directory.devicePath(std::stoi(port)));
    }
    return QString::fromStdString(port);
}

int finish(const CliHost& host, const char* what)
{
    const TransferOutcome& o = host.outcome();
    if (o.ok())
        return LinkExit::Ok;
    // The details were shown as the transfer ended; one summary line for scripts.
    std::fprintf(stderr, "brisko7-cli: %s failed: %s%s\n", what, LinkErrorKindName(o.error.kind),
                 o.partlyWritten ? " (the radio is partly written)" : "");
    return LinkExitStatus(o.error);
}

int runRead(const std::vector<std::string>& args)
{
    RadioArgs a;
    if (!parseArgs(args, true, false, a))
        return CliExit::Usage;
    prepareProgram();
    Document doc;
    InitDocument(doc);
    CliHost host(doc, deviceOf(a.port));
    host.setPassword(a.password, a.passwordGiven);
    host.run(host.engine().startRead());
    if (host.outcome().ok() && host.outcome().kind == TransferKind::ReadImage) {
        TerminalNotifier notifier;
        doc.DocFileName = a.output;
        if (!SaveDocument(doc, notifier))
            return LinkExit::SystemError;
        std::fprintf(stderr, "brisko7-cli: %d channels read, saved to %s\n", doc.ChannelCount, a.output.c_str());
    }
    return finish(host, "read");
}

int runWrite(const std::vector<std::string>& args)
{
    RadioArgs a;
    if (!parseArgs(args, false, true, a))
        return CliExit::Usage;
    prepareProgram();
    Document doc;
    InitDocument(doc);
    TerminalNotifier notifier;
    const OpenResult opened = OpenDocument(doc, a.input, notifier);
    if (opened.outcome != OpenOutcome::Opened) {
        if (opened.outcome == OpenOutcome::HandOver)
            std::fprintf(stderr, "brisko7-cli: %s holds data version %s; use the program version that handles it\n",
                         a.input.c_str(), opened.handOverVersion.c_str());
        return CliExit::Refused;
    }
    CliHost host(doc, deviceOf(a.port));
    host.setPassword(a.password, a.passwordGiven);
    host.run(host.engine().startWrite());
    const int status = finish(host, "write");
    if (status == LinkExit::Ok)
        std::fprintf(stderr, "brisko7-cli: %s written to the radio\n", a.input.c_str());
    return status;
}

void printField(const char* name, const std::string& value)
{
    std::string v = value.substr(0, value.find('\0'));
    while (!v.empty() && v.back() == ' ')
        v.pop_back();
    std::printf("%s: %s\n", name, v.c_str());
}

void printInfo(const RadioInfoRecord& r)
{
    static const char* const BandNames[] = {"CB", "HF", "HAM"};
    const bool known = r.InfoBand >= 0 && r.InfoBand <= 2;
    std::printf("InfoBand: %d (%s)\n", r.InfoBand, known ? BandNames[r.InfoBand] : "unknown");
    printField("InfoModel", r.InfoModel);
    printField("VersionText", r.VersionText);
    printField("SerialNo", r.SerialNo);
    printField("FactoryDate", r.FactoryDate);
    printField("RepairDate", r.RepairDate);
    printField("RepairReason", r.RepairReason);
    printField("SalesArea", r.SalesArea);
    printField("BatchNo", r.BatchNo);
    printField("CustomerCode", r.CustomerCode);
    printField("DealerCode", r.DealerCode);
    printField("StockInTime", r.StockInTime);
    printField("SalesTime", r.SalesTime);
    printField("Handler", r.Handler);
}

int runInfo(const std::vector<std::string>& args)
{
    RadioArgs a;
    if (!parseArgs(args, false, false, a))
        return CliExit::Usage;
    prepareProgram();
    Document doc;
    InitDocument(doc);
    CliHost host(doc, deviceOf(a.port));
    host.run(host.engine().startInfoRead());
    const int status = finish(host, "info");
    if (status == LinkExit::Ok)
        printInfo(doc.RadioInfo);
    return status;
}

}  // namespace

std::vector<CliVerb> radioVerbs()
{
    return {
        {"read", "read --port DEVICE -o FILE.dat [--password P]   read the radio and save its data", runRead},
        {"write", "write FILE.dat --port DEVICE [--password P]    write a data file to the radio", runWrite},
        {"info", "info --port DEVICE                              print the radio information record", runInfo},
    };
}
