#include "serial/serial_port.h"

#include "../support/unprivileged.h"

#include "core/base/app_state.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

QCoreApplication& app()
{
    static int argc = 1;
    static char name[] = "test_serial";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

// The far end of a pseudo-terminal stands in for the radio.
class PtyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app();
        AppState::instance().setProgramFolder(BRISKO7_SOURCE_DIR "/data");
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(m_master, 0);
        ASSERT_EQ(::grantpt(m_master), 0);
        ASSERT_EQ(::unlockpt(m_master), 0);
        termios t{};
        ::tcgetattr(m_master, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(m_master, TCSANOW, &t);
        m_slave = QString::fromLocal8Bit(::ptsname(m_master));
    }
    void TearDown() override
    {
        if (m_master >= 0)
            ::close(m_master);
    }
    // Reads what the port sent, waiting up to a second.
    std::string readMaster(std::size_t count)
    {
        std::string got;
        QElapsedTimer t;
        t.start();
        ::fcntl(m_master, F_SETFL, O_NONBLOCK);
        while (got.size() < count && t.elapsed() < 1000) {
            char buf[64];
            const ssize_t n = ::read(m_master, buf, sizeof buf);
            if (n > 0)
                got.append(buf, static_cast<std::size_t>(n));
            else
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return got;
    }

    int m_master = -1;
    QString m_slave;
};

TEST_F(PtyTest, BytesBothWaysAndTheReceiveThreshold)
{
    SerialPort port;
    ASSERT_EQ(port.open(m_slave), LinkError::none());
    EXPECT_TRUE(port.isOpen());
    ASSERT_EQ(port.write({'P', 'R', 'O', 'G', 'R', 'A', 'M'}), LinkError::none());
    EXPECT_EQ(readMaster(7), "PROGRAM");

    QSignalSpy reached(&port, &SerialPort::thresholdReached);
    port.setReceiveThreshold(3);
    ASSERT_EQ(::write(m_master, "ZK", 2), 2);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    reached.wait(100);
    EXPECT_EQ(reached.count(), 0);  // two bytes are not enough
    ASSERT_EQ(::write(m_master, "\x06", 1), 1);
    EXPECT_TRUE(reached.count() > 0 || reached.wait(1000));
    EXPECT_EQ(port.takeAll(), (std::vector<std::uint8_t>{'Z', 'K', 0x06}));
    EXPECT_EQ(port.bytesBuffered(), 0u);

    // A flush drops what was buffered.
    ASSERT_EQ(::write(m_master, "xyz", 3), 3);
    QSignalSpy more(&port, &SerialPort::thresholdReached);
    more.wait(300);
    port.flush();
    EXPECT_TRUE(port.takeAll().empty());
    port.close();
    EXPECT_FALSE(port.isOpen());
}

TEST_F(PtyTest, ADisappearingDeviceIsReportedAndThePortCloses)
{
    SerialPort port;
    ASSERT_EQ(port.open(m_slave), LinkError::none());
    QSignalSpy failed(&port, &SerialPort::deviceFailed);
    ::close(m_master);
    m_master = -1;
    EXPECT_TRUE(failed.wait(2000));
    ASSERT_GE(failed.count(), 1);
    const LinkError e = failed.first().first().value<LinkError>();
    EXPECT_EQ(e.kind, LinkErrorKind::SystemError);
    EXPECT_EQ(e.device, m_slave.toStdString());
    EXPECT_FALSE(port.isOpen());
    EXPECT_NE(port.write({0x02}), LinkError::none());
}

TEST(SerialPortErrors, OpenFailuresCarryTheSystemReason)
{
    app();
    AppState::instance().setProgramFolder(BRISKO7_SOURCE_DIR "/data");
    SerialPort port;
    const LinkError missing = port.open(QStringLiteral("/dev/ttyUSB-none-such"));
    EXPECT_EQ(missing.kind, LinkErrorKind::SystemError);
    EXPECT_EQ(missing.detail, LinkErrorDetail::DeviceNotFound);
    EXPECT_FALSE(missing.systemMessage.empty());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.open(QString()).kind, LinkErrorKind::CallerError);

    const LinkError denied = SerialPort::errorOf(QSerialPort::PermissionError, QStringLiteral("Permission denied"),
                                                 QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(denied.detail, LinkErrorDetail::PermissionDenied);
    EXPECT_NE(DescribeLinkError(denied).find("dialout"), std::string::npos);
}

TEST_F(PtyTest, ADeviceWithoutAccessRightsNamesTheGroupThatGrantsItOrSaysNoneDoes)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving the device to another group needs the superuser";
    const group* dialout = ::getgrnam("dialout");
    ASSERT_NE(dialout, nullptr);
    const struct {
        gid_t group;
        mode_t mode;
        const char* advice;
    } cases[] = {
        {dialout->gr_gid, 0660, "sudo usermod -aG dialout $USER"},
        {0, 0600, "no group may use it"},
    };
    const auto folder = std::filesystem::temp_directory_path() / ("brisko7_denied_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const QByteArray slave = m_slave.toLocal8Bit();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.advice);
        ASSERT_EQ(::chown(slave.constData(), 0, c.group), 0);
        ASSERT_EQ(::chmod(slave.constData(), c.mode), 0);
        // An ordinary user who is not in the group is refused the device.
        RunAsOrdinaryUser(folder, [&] {
            SerialPort port;
            const LinkError e = port.open(m_slave);
            EXPECT_EQ(e.detail, LinkErrorDetail::PermissionDenied);
            const std::string text = DescribeLinkError(e);
            EXPECT_NE(text.find(c.advice), std::string::npos) << text;
            EXPECT_EQ(text.find("usually"), std::string::npos) << text;
        });
    }
    std::filesystem::remove_all(folder);
}

}  // namespace

namespace {

TEST_F(PtyTest, ADeviceHeldByAnotherProgramSaysItIsBusyNotThatAccessIsDenied)
{
    SerialPort first;
    ASSERT_EQ(first.open(m_slave), LinkError::none());
    SerialPort second;
    const LinkError e = second.open(m_slave);
    EXPECT_EQ(e.kind, LinkErrorKind::SystemError);
    EXPECT_EQ(e.detail, LinkErrorDetail::DeviceBusy);
    EXPECT_EQ(e.device, m_slave.toStdString());
    const std::string text = DescribeLinkError(e);
    EXPECT_EQ(text.find("dialout"), std::string::npos) << text;
    EXPECT_NE(text.find(std::strerror(EBUSY)), std::string::npos) << text;
    EXPECT_FALSE(second.isOpen());
    // Once the first program lets go, the device opens.
    first.close();
    EXPECT_EQ(second.open(m_slave), LinkError::none());
}

}  // namespace
