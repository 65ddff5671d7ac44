#include "link_fixture.h"

#include "core/app/data_file.h"
#include "gui/app/link_commands.h"
#include "core/model/image_codec.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

void LinkFixture::SetUp()
{
    GuiLinkTest::SetUp();
    AppState::instance().ProgPassword.clear();
}

void LinkFixture::TearDown()
{
    m_main.reset();
    m_radio.reset();
    GuiLinkTest::TearDown();
}

void LinkFixture::buildMainWindow()
{
    m_main = std::make_unique<frmMain>(m_doc);
    m_link = registerLinkCommands(*m_main, m_doc);
    m_main->show();
    QTest::qWait(10);
}

PtyRadio& LinkFixture::plugRadio(const RadioImage& image, const RadioInfoBlock& info, VirtualRadioIdentity identity,
                                 VirtualRadioFaults faults)
{
    m_radio = std::make_unique<PtyRadio>(identity, image, info, faults);
    EXPECT_TRUE(m_radio->ok());
    const int port = portOf(m_radio->devicePath());
    EXPECT_GE(port, 1);
    AppState::instance().ComPort = static_cast<std::int16_t>(port);
    return *m_radio;
}

int LinkFixture::portOf(const std::string& device)
{
    DirectoryPortList ports;
    const PortList::Devices devices = ports.presentPorts();
    for (int i = 0; i < PortList::PortCount; ++i) {
        if (devices[i].device.toStdString() == device)
            return i + 1;
    }
    return 0;
}

bool LinkFixture::runAndWait(Command command, int timeoutMs)
{
    m_main->runCommand(command);
    return waitIdle(timeoutMs);
}

bool LinkFixture::waitIdle(int timeoutMs)
{
    // The write starts 100 ms after its command; give the engine that moment.
    QTest::qWait(150);
    return waitUntil([this] { return !m_link->engine().busy() && !m_main->isTransferRunning(); }, timeoutMs);
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    // A real event loop, as the program runs it: it sleeps in the system until
    // the line or a timer has something, so the transfer runs at full speed.
    if (done())
        return true;
    QEventLoop loop;
    QTimer check;
    check.setInterval(2);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    check.start();
    loop.exec();
    return done();
}

RadioImage radioImageOf(const std::function<void(Document&)>& change)
{
    Document source;
    InitDocument(source);
    change(source);
    source.Image.clear();
    EncodeImage(source);
    return source.Image;
}

void LinkFixture::answerPasswordDialog(const QString& password, bool ok)
{
    auto* poll = new QTimer(m_main.get());
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, password, ok] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != QStringLiteral("FrmPassWord"))
            return;
        poll->stop();
        poll->deleteLater();
        modal->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(password);
        const char* button = ok ? "CommandOK" : "CommandCancel";
        modal->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    });
    poll->start();
}
