#include "cli_host.h"

#include "cli_support.h"

#include "core/model/document.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace {

bool interactive()
{
    return ::isatty(STDIN_FILENO) == 1;
}

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

bool isYes(const std::string& answer)
{
    if (answer.empty())
        return false;
    const char c = answer[0];
    return c == 'y' || c == 'Y' || c == 'r' || c == 'R' || c == 'o' || c == 'O';
}

NoticeAnswer declined(NoticeButtons buttons)
{
    return buttons == NoticeButtons::YesNo ? NoticeAnswer::No : NoticeAnswer::Cancel;
}

// Ctrl-C during a transfer cancels it properly ("END", port closed, the
// partly-written warning) instead of killing the program mid-frame.
int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

}  // namespace

CliHost::CliHost(Document& doc, QString device, bool verbose)
    : m_doc(doc), m_device(std::move(device)), m_verbose(verbose), m_engine(doc, *this)
{
    m_engine.setConfirmStart(false);
    // No windows to close or edits to commit: decode and write at once.
    m_engine.setTimings({LinkProtocol::ReplyTimeMs, 0, 0});
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

CliHost::~CliHost()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

void CliHost::setPassword(const std::string& password, bool given)
{
    m_engine.setPassword(password);
    if (given)
        m_givenPassword = password;
}

bool CliHost::run(bool started)
{
    if (!started && !m_engine.busy())
        return false;
    if (m_engine.busy())
        QCoreApplication::exec();
    return true;
}

std::string CliHost::failureLine(const char* what) const
{
    const TransferOutcome& o = outcome();
    std::string details;
    for (const std::string& line : m_said)
        details += (details.empty() ? "" : "; ") + line;
    if (details.empty())
        details = OneLine(DescribeLinkError(o.error));
    if (m_unanswered)
        details += "; no terminal to answer on, giving up";
    return std::string(what) + " failed: " + LinkErrorKindName(o.error.kind) + ": " + details;
}

// ---------------------------------------------------------------- port and timers

LinkError CliHost::openPort()
{
    return m_port.open(m_device);
}
void CliHost::closePort()
{
    m_port.close();
}
bool CliHost::portIsOpen() const
{
    return m_port.isOpen();
}
void CliHost::flushPort()
{
    m_port.flush();
}
void CliHost::setReceiveThreshold(std::size_t bytes)
{
    m_port.setReceiveThreshold(bytes);
}

std::vector<std::uint8_t> CliHost::takeBufferedBytes()
{
    return m_port.takeAll();
}

void CliHost::sendBytes(const std::vector<std::uint8_t>& bytes)
{
    const LinkError error = m_port.write(bytes);
    if (error)
        QMetaObject::invokeMethod(
            this, [this, error] { m_engine.portFailed(error); }, Qt::QueuedConnection);
}

void CliHost::startTimer(LinkTimer timer, int ms)
{
    m_timers[timer]->start(ms);
}
void CliHost::stopTimer(LinkTimer timer)
{
    m_timers[timer]->stop();
}

// ---------------------------------------------------------------- the user

void CliHost::say(const std::string& text)
{
    const std::string line = OneLine(text);
    if (line.empty())
        return;  // a text missing from the language file
    m_said.push_back(line);
    if (m_verbose) {
        endProgressLine();
        std::fprintf(stderr, "brisko7-cli: %s\n", line.c_str());
    }
}

void CliHost::showMessage(const std::string& text, NoticeIcon)
{
    say(text);
}

NoticeAnswer CliHost::ask(LinkQuestion question, const std::string& text, NoticeButtons buttons, NoticeIcon)
{
    endProgressLine();
    if (question == LinkQuestion::HandOver) {
        // Reported, not performed: a script decides which program to run.
        say(text);
        say("the radio holds data version " + m_doc.Radio.RadioVersion + "; use the program version that handles it");
        return NoticeAnswer::No;
    }
    if (!interactive()) {
        m_unanswered = true;
        if (m_verbose)
            std::fprintf(stderr, "brisko7-cli: %s\n", OneLine(text).c_str());
        return declined(buttons);
    }
    const bool retry = buttons == NoticeButtons::RetryCancel;
    std::fprintf(stderr, "brisko7-cli: %s\n%s", OneLine(text).c_str(),
                 retry ? "[r]etry or [c]ancel? " : "[y]es or [n]o? ");
    if (!isYes(readAnswer(false)))
        return declined(buttons);
    return retry ? NoticeAnswer::Retry : buttons == NoticeButtons::YesNo ? NoticeAnswer::Yes : NoticeAnswer::Ok;
}

std::optional<std::string> CliHost::askPassword()
{
    endProgressLine();
    if (!interactive()) {
        // The password given on the command line is all a script has to
        // offer: checked once more, it ends in "PassWord Failure!".
        if (m_givenPassword)
            return m_givenPassword;
        say("the radio is protected by a password; give it with --password");
        return std::nullopt;
    }
    std::fprintf(stderr, "Password of the radio: ");
    return readAnswer(true);
}

void CliHost::showProgress(TransferKind kind)
{
    m_progressLabel = kind == TransferKind::WriteImage ? "writing" : "reading";
    m_lastQuarter = -1;
    setProgress(0);
}

void CliHost::setProgress(int percent)
{
    if (::isatty(STDERR_FILENO)) {
        std::fprintf(stderr, "\r%s %3d%%", m_progressLabel, percent);
        m_progressLineOpen = true;
    } else if (m_verbose && percent / 25 > m_lastQuarter) {
        m_lastQuarter = percent / 25;
        std::fprintf(stderr, "%s %d%%\n", m_progressLabel, percent);
    }
}

void CliHost::transferEnded(const TransferOutcome& outcome)
{
    if (!(outcome.ok() && outcome.kind == TransferKind::ReadImage))
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void CliHost::readCompleted()
{
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

// ---------------------------------------------------------------- events

void CliHost::onThreshold()
{
    const std::vector<std::uint8_t> bytes = m_port.takeAll();
    m_engine.bytesReceived(bytes);
}

void CliHost::onDeviceFailed(const LinkError& error)
{
    m_engine.portFailed(error);
}

void CliHost::onInterrupt()
{
    char c;
    [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &c, 1);
    endProgressLine();
    say("interrupted");
    m_engine.cancel();
    if (!m_engine.busy())
        QCoreApplication::quit();
}

void CliHost::endProgressLine()
{
    if (m_progressLineOpen)
        std::fputs("\n", stderr);
    m_progressLineOpen = false;
}
