#include "gui/app/link_controller.h"

#include "core/base/app_state.h"
#include "gui/app/frm_main.h"
#include "gui/app/frm_pass_word.h"
#include "gui/base/lang_text.h"
#include "core/app/read_backup.h"
#include "gui/base/ui_prompts.h"
#include "core/base/version_list.h"
#include "gui/base/widget_helpers.h"
#include "gui/link/frm_progress.h"
#include "gui/link/frm_set_comm.h"
#include "gui/base/write_check_dialog.h"

#include "lang_text_ids.h"
#include "serial/serial_port.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

LinkController::LinkController(frmMain& main, Document& doc, QObject* parent)
    : QObject(parent), m_main(main), m_serial(std::make_unique<SerialPort>()), m_engine(doc, *this)
{
    m_waitTimer = makeTimer(LinkTimer::Reply);
    m_readOkTimer = makeTimer(LinkTimer::ReadOK);
    m_waitSaveDataTimer = makeTimer(LinkTimer::WaitSaveData);
    connect(m_serial.get(), &SerialPort::thresholdReached, this, &LinkController::onThresholdReached);
    // A failing device is reported from inside the port's own calls; the
    // engine hears of it once that call has returned.
    connect(m_serial.get(), &SerialPort::deviceFailed, this, &LinkController::onDeviceFailed, Qt::QueuedConnection);
}

LinkController::~LinkController()
{
    for (QTimer* timer : {m_waitTimer, m_readOkTimer, m_waitSaveDataTimer})
        timer->stop();
    m_serial->close();
}

void LinkController::programEnding()
{
    // A radio-information read has no modal window, so the program can end
    // while it runs: the radio gets its "END" and the port is closed.
    m_engine.cancel();
    m_readOkTimer->stop();
    m_waitTimer->stop();
    m_serial->close();
}

QTimer* LinkController::makeTimer(LinkTimer which)
{
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    // The timers are the engine's: the handler runs only while it still waits
    // for that tick, which the engine itself decides.
    connect(timer, &QTimer::timeout, this, [this, which] { step([this, which] { m_engine.timerExpired(which); }); });
    return timer;
}

QTimer* LinkController::timerOf(LinkTimer timer) const
{
    switch (timer) {
    case LinkTimer::Reply:
        return m_waitTimer;
    case LinkTimer::ReadOK:
        return m_readOkTimer;
    case LinkTimer::WaitSaveData:
        return m_waitSaveDataTimer;
    }
    return m_waitTimer;
}

void LinkController::step(const std::function<void()>& action)
{
    action();
    syncTransferLock();
}

void LinkController::syncTransferLock()
{
    if (m_handedOver)
        return;
    m_main.setTransferRunning(m_engine.busy() || m_waitSaveDataTimer->isActive());
}

// --- Commands -----------------------------------------------------------------

void LinkController::readFromRadio()
{
    // An edit still being typed belongs to the document that the read replaces
    // only if the read fails; committing it first keeps both cases right.
    m_main.commitPendingEdits();
    step([this] {
        m_engine.setPassword(AppState::instance().ProgPassword);
        m_engine.startRead();
    });
}

void LinkController::writeToRadio()
{
    // The radio gets what the records hold, so pending edits go in first; an
    // open radio-information window shows the record as it stands.
    m_main.commitPendingEdits();
    if (!WriteCheckDialog::confirmWrite(m_main.document()))
        return;
    if (FindChildForm(m_main.mdiArea(), QStringLiteral("FrmRadioInfo")))
        m_main.showRadioInfo();
    step([this] {
        m_engine.setPassword(AppState::instance().ProgPassword);
        m_engine.startWrite();
    });
}

void LinkController::readRadioInfo()
{
    step([this] {
        m_engine.setPassword(AppState::instance().ProgPassword);
        m_engine.startInfoRead();
    });
}

void LinkController::setCommPort()
{
    FrmSetComm dialog(m_ports, &m_main);
    if (dialog.exec() == QDialog::Accepted)
        m_main.SetMainTexts();
}

FrmProgress* LinkController::progressWindow() const
{
    return m_progress.data();
}

// --- Port ---------------------------------------------------------------------

LinkError LinkController::openPort()
{
    const int port = AppState::instance().ComPort;
    const std::string device = m_ports.deviceOf(port);
    m_portLabel = portLabel(port, device);
    if (device.empty()) {
        m_serial->close();
        // No device stands behind the number: said in the system's own words,
        // as an open of a missing device would be.
        return LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::DeviceNotFound, std::strerror(ENODEV),
                               m_portLabel);
    }
    LinkError error = m_serial->open(QString::fromStdString(device));
    if (error)
        error.device = m_portLabel;
    return error;
}

std::string LinkController::portLabel(int port, const std::string& device) const
{
    const std::string number = LangText(Txt::StatusPort).toStdString() + std::to_string(port);
    return device.empty() ? number : number + " (" + device + ")";
}

void LinkController::closePort()
{
    m_serial->close();
}

bool LinkController::portIsOpen() const
{
    return m_serial->isOpen();
}

void LinkController::flushPort()
{
    m_serial->flush();
}

void LinkController::setReceiveThreshold(std::size_t bytes)
{
    m_serial->setReceiveThreshold(bytes);
}

std::vector<std::uint8_t> LinkController::takeBufferedBytes()
{
    return m_serial->takeAll();
}

void LinkController::sendBytes(const std::vector<std::uint8_t>& bytes)
{
    LinkError error = m_serial->write(bytes);
    if (error) {
        error.device = m_portLabel;
        // Told after this call returns, so the engine finishes its own step first.
        QMetaObject::invokeMethod(
            this, [this, error] { onDeviceFailed(error); }, Qt::QueuedConnection);
    }
}

void LinkController::onThresholdReached()
{
    if (m_holding)
        return;
    const std::vector<std::uint8_t> bytes = m_serial->takeAll();
    if (!bytes.empty())
        step([this, &bytes] { m_engine.bytesReceived(bytes); });
}

void LinkController::onDeviceFailed(const LinkError& error)
{
    LinkError failure = error;
    failure.device = m_portLabel;
    // A device that fails while the user is asked whether to stop ends the
    // transfer all the same; the question's answer then finds nothing to stop.
    if (m_holding)
        releaseEvents(false);
    step([this, &failure] { m_engine.portFailed(failure); });
}

void LinkController::cancelTransfer()
{
    const TransferKind kind = m_engine.kind();
    if (m_holding || (kind != TransferKind::ReadImage && kind != TransferKind::WriteImage))
        return;
    if (kind == TransferKind::WriteImage) {
        holdEvents();
        const NoticeAnswer answer = UiPrompts::current().ask(LangText(Txt::StopWriteQuestion), NoticeButtons::YesNo,
                                                             NoticeIcon::Warning);
        const bool stop = answer == NoticeAnswer::Yes;
        if (!m_holding || m_engine.kind() != kind)
            return;  // the transfer ended meanwhile
        releaseEvents(!stop);
        if (!stop)
            return;
    }
    step([this] { m_engine.cancel(); });
}

void LinkController::holdEvents()
{
    m_holding = true;
    m_heldReplyMs = m_waitTimer->isActive() ? std::max(0, m_waitTimer->remainingTime()) : -1;
    m_waitTimer->stop();
}

void LinkController::releaseEvents(bool resume)
{
    m_holding = false;
    const int remaining = m_heldReplyMs;
    m_heldReplyMs = -1;
    if (!resume)
        return;
    if (remaining >= 0)
        m_waitTimer->start(remaining);
    // A reply that came while the user was asked is taken now; it wins over
    // the reply timer, as it would have had it been read at once.
    onThresholdReached();
}

// --- Timers -------------------------------------------------------------------

void LinkController::startTimer(LinkTimer timer, int milliseconds)
{
    timerOf(timer)->start(milliseconds);
}

void LinkController::stopTimer(LinkTimer timer)
{
    timerOf(timer)->stop();
}

// --- The user -----------------------------------------------------------------

void LinkController::showMessage(const std::string& text, NoticeIcon icon)
{
    UiPrompts::current().message(QString::fromStdString(text), icon);
}

NoticeAnswer LinkController::ask(LinkQuestion question, const std::string& text, NoticeButtons buttons, NoticeIcon icon)
{
    if (question == LinkQuestion::UnsavedChanges)
        return m_main.askSaveChanges() ? NoticeAnswer::Ok : NoticeAnswer::Cancel;
    return UiPrompts::current().ask(QString::fromStdString(text), buttons, icon);
}

std::optional<std::string> LinkController::askPassword()
{
    FrmPassWord dialog(&m_main);
    dialog.exec();
    const AppState& state = AppState::instance();
    if (!state.PasswordEntered)
        return std::nullopt;
    return state.ProgPassword;
}

bool LinkController::startOtherVersion(const std::string& dataVersion)
{
    // Only the check happens here: the main window starts the other version
    // and ends this one once the transfer has closed the port.
    const AppState& state = AppState::instance();
    const QString self = QApplication::applicationFilePath().section(QLatin1Char('/'), -1);
    const std::string program = HandlerProgramPath(dataVersion, state.ConfigRoot, self.toStdString());
    const QFileInfo file(QString::fromStdString(program));
    if (program.empty() || !file.isFile() || !file.isExecutable())
        return false;
    m_handOverVersion = dataVersion;
    m_handedOver = true;
    return true;
}

// --- Progress -----------------------------------------------------------------

void LinkController::showProgress(TransferKind kind)
{
    if (m_progress)
        m_progress->unload();
    m_lastProgress = 0;
    m_progress = new FrmProgress(static_cast<int>(kind), &m_main);
    m_progress->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_progress, &FrmProgress::cancelRequested, this, &LinkController::cancelTransfer);
    // Modal to the whole program, but shown without a nested event loop: the
    // transfer goes on in the program's own loop.
    m_progress->setWindowModality(Qt::ApplicationModal);
    m_progress->show();
}

void LinkController::setProgress(int percent)
{
    m_lastProgress = percent;
    if (m_progress)
        m_progress->SetProgressValue(percent);
}

void LinkController::hideProgress()
{
    if (m_progress)
        m_progress->unload();
    m_progress = nullptr;
}

// --- Ends ---------------------------------------------------------------------

void LinkController::transferEnded(const TransferOutcome& outcome)
{
    if (outcome.handedOver || m_handedOver) {
        endProgram();
        return;
    }
    // The commands come back before the closing message, except while a good
    // read still waits for its decoding.
    syncTransferLock();
    if (!outcome.ok())
        return;
    switch (outcome.kind) {
    case TransferKind::ReadImage:
        // The child windows show the document that the read is about to replace.
        m_main.CloseCurAllWindows();
        break;
    case TransferKind::ReadInfo:
        m_main.showRadioInfo();
        break;
    default:
        break;
    }
}

void LinkController::readCompleted()
{
    // A copy of what the radio held, whatever the user does with it next; a
    // copy that cannot be saved is told once and the read stands.
    const BackupResult backup = SaveReadBackup(m_main.document(), BackupFolder(), std::time(nullptr));
    if (!backup.ok())
        UiPrompts::current().message(
            LangText(Txt::BackupFailed).replace(QStringLiteral("%1"), QString::fromStdString(backup.reason)),
            NoticeIcon::Warning);
    // The main window's texts follow the document's replacement; the
    // channel window opens on the new data.
    if (m_main.isCommandRegistered(Command::ChannelInfo))
        m_main.runCommand(Command::ChannelInfo);
}

void LinkController::endProgram()
{
    // The user has answered the unsaved-changes question already; the other
    // version takes the radio over and this program ends without asking again.
    m_serial->close();
    const std::string version = m_handOverVersion;
    QMetaObject::invokeMethod(
        &m_main,
        [this, version] {
            if (m_main.handOverAndQuit(version))
                return;
            // The other version did not start (the main window has said so): this
            // program stays, and its commands come back for the next transfer.
            m_handedOver = false;
            m_handOverVersion.clear();
            syncTransferLock();
        },
        Qt::QueuedConnection);
}
