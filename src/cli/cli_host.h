#pragma once

#include "serial/serial_port.h"

#include "core/link/transfer_engine.h"

#include <QObject>
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <vector>

class Document;
class QSocketNotifier;
class QTimer;

// The transfer engine's host on the command line: the serial adapter, Qt
// timers, questions on the terminal when there is one, and Ctrl-C as Cancel.
//
// What the engine tells the user is collected rather than printed, so that a
// failed command says it in one line at the end (failureLine); with verbose
// every message and question is printed as it comes, as well.
class CliHost : public QObject, public TransferHost {
public:
    CliHost(Document& doc, QString device, bool verbose);
    ~CliHost() override;

    TransferEngine& engine() { return m_engine; }
    void setPassword(const std::string& password, bool given);
    const TransferOutcome& outcome() const { return m_engine.lastOutcome(); }

    // Runs the event loop until the transfer ends; false when it never started.
    bool run(bool started);

    // One line for a failed transfer: what failed, the kind of failure and
    // what the user was told (or, when nothing was said, what the error means).
    std::string failureLine(const char* what) const;
    // The messages of a transfer that went well (warnings), one per line.
    std::vector<std::string> notes() const { return m_said; }

    // Port.
    LinkError openPort() override;
    void closePort() override;
    bool portIsOpen() const override;
    void flushPort() override;
    void setReceiveThreshold(std::size_t bytes) override;
    std::vector<std::uint8_t> takeBufferedBytes() override;
    void sendBytes(const std::vector<std::uint8_t>& bytes) override;

    // Timers.
    void startTimer(LinkTimer timer, int ms) override;
    void stopTimer(LinkTimer timer) override;

    // The user.
    void showMessage(const std::string& text, NoticeIcon icon) override;
    NoticeAnswer ask(LinkQuestion question, const std::string& text, NoticeButtons buttons, NoticeIcon icon) override;
    std::optional<std::string> askPassword() override;
    bool startOtherVersion(const std::string&) override { return false; }

    // Progress: a running percentage on a terminal; with verbose, a line every
    // quarter otherwise.
    void showProgress(TransferKind kind) override;
    void setProgress(int percent) override;
    void hideProgress() override { endProgressLine(); }

    void transferEnded(const TransferOutcome& outcome) override;
    void readCompleted() override;

private:
    void say(const std::string& text);
    void onThreshold();
    void onDeviceFailed(const LinkError& error);
    void onInterrupt();
    void endProgressLine();

    Document& m_doc;
    SerialPort m_port;
    QString m_device;
    bool m_verbose;
    TransferEngine m_engine;
    std::map<LinkTimer, QTimer*> m_timers;
    QSocketNotifier* m_signals = nullptr;
    const char* m_progressLabel = "reading";
    int m_lastQuarter = -1;
    bool m_progressLineOpen = false;
    bool m_unanswered = false;
    std::optional<std::string> m_givenPassword;
    std::vector<std::string> m_said;  // what the transfer told the user, each as one line
};
