#pragma once

#include "gui/link/directory_port_list.h"
#include "core/link/transfer_engine.h"
#include "core/link/transfer_host.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>

class Document;
class FrmProgress;
class QTimer;
class SerialPort;
class frmMain;

// The desktop program's side of the radio link: it carries out what the
// transfer engine asks for with a real serial port, Qt timers, message boxes,
// the password dialog and the progress window, and keeps the main window
// informed (commands locked while a transfer runs, texts refreshed after a
// read, the radio information shown after an information read).
class LinkController : public QObject, public TransferHost {
    Q_OBJECT
public:
    // The engine works on doc, the one document of the program run.
    LinkController(frmMain& main, Document& doc, QObject* parent = nullptr);
    ~LinkController() override;

    // The menu commands.
    void readFromRadio();
    void writeToRadio();
    void readRadioInfo();
    // The port dialog; after OK the status bar shows the new port.
    void setCommPort();
    // The main window closes: a running transfer ends, the port closes.
    void programEnding();
    // The user asks to stop the running image transfer (the progress
    // window's Cancel or Escape). A read ends at once: "END" goes out, the
    // port closes and the document stays as it was. A write first asks
    // whether to stop, since the radio then holds partly written memory;
    // meanwhile the transfer waits, and it goes on when the user says no.
    void cancelTransfer();

    TransferEngine& engine() { return m_engine; }
    PortList& portList() { return m_ports; }
    // The progress window while an image transfer runs, else nullptr.
    FrmProgress* progressWindow() const;
    bool portOpen() const { return portIsOpen(); }

    // Tests see what the progress window showed, even after it has gone.
    int lastProgressShown() const { return m_lastProgress; }

    // TransferHost.
    LinkError openPort() override;
    void closePort() override;
    bool portIsOpen() const override;
    void flushPort() override;
    void setReceiveThreshold(std::size_t bytes) override;
    std::vector<std::uint8_t> takeBufferedBytes() override;
    void sendBytes(const std::vector<std::uint8_t>& bytes) override;
    void startTimer(LinkTimer timer, int milliseconds) override;
    void stopTimer(LinkTimer timer) override;
    void showMessage(const std::string& text, NoticeIcon icon) override;
    NoticeAnswer ask(LinkQuestion question, const std::string& text, NoticeButtons buttons, NoticeIcon icon) override;
    std::optional<std::string> askPassword() override;
    bool startOtherVersion(const std::string& dataVersion) override;
    void showProgress(TransferKind kind) override;
    void setProgress(int percent) override;
    void hideProgress() override;
    void transferEnded(const TransferOutcome& outcome) override;
    void readCompleted() override;

private:
    QTimer* makeTimer(LinkTimer timer);
    QTimer* timerOf(LinkTimer timer) const;
    void onThresholdReached();
    void onDeviceFailed(const LinkError& error);
    // While the user is asked whether to stop, replies stay in the port's
    // buffer and the reply timer stands still; release hands both back.
    void holdEvents();
    void releaseEvents(bool resume);
    // "COM2 (/dev/ttyUSB0)": the port number and the device behind it.
    std::string portLabel(int port, const std::string& device) const;
    // Runs an engine step, then brings the main window's transfer lock in step.
    void step(const std::function<void()>& action);
    void syncTransferLock();
    void endProgram();

    frmMain& m_main;
    std::unique_ptr<SerialPort> m_serial;
    DirectoryPortList m_ports;
    TransferEngine m_engine;
    QTimer* m_waitTimer = nullptr;
    QTimer* m_readOkTimer = nullptr;
    QTimer* m_waitSaveDataTimer = nullptr;
    QPointer<FrmProgress> m_progress;
    int m_lastProgress = 0;
    bool m_handedOver = false;
    bool m_holding = false;
    int m_heldReplyMs = -1;   // what was left of the reply timer when held; -1 when it was not running
    std::string m_portLabel;  // the port of the running transfer, for its error messages
    std::string m_handOverVersion;
};
