#include "serial/serial_port.h"

#include "serial/device_access.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace {

// How long a close waits for bytes still on their way out (an "END" sent
// just before the port closes must reach the radio).
constexpr int DrainMs = 100;

LinkErrorDetail detailOf(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::PermissionError:
        return LinkErrorDetail::PermissionDenied;
    case QSerialPort::DeviceNotFoundError:
        return LinkErrorDetail::DeviceNotFound;
    case QSerialPort::ResourceError:
        return LinkErrorDetail::DeviceLost;
    default:
        return LinkErrorDetail::None;
    }
}

std::string failureText(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
        return "the device was removed or hung up";
    case QSerialPort::ReadError:
        return "reading from the device failed";
    case QSerialPort::WriteError:
        return "writing to the device failed";
    default:
        return "the device failed";
    }
}

}  // namespace

SerialPort::SerialPort(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<LinkError>();  // deviceFailed may be queued
    connect(&m_port, &QSerialPort::readyRead, this, &SerialPort::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialPort::onErrorOccurred);
}

SerialPort::~SerialPort()
{
    close();
}

LinkError SerialPort::errorOf(QSerialPort::SerialPortError error, const QString& reason, const QString& devicePath)
{
    LinkErrorDetail detail = detailOf(error);
    // Qt reports a device held by another program as a permission error;
    // EBUSY or a lock file then shows in the reason text.
    if (detail == LinkErrorDetail::PermissionDenied && reason.contains(QStringLiteral("busy"), Qt::CaseInsensitive))
        detail = LinkErrorDetail::DeviceBusy;
    return LinkError::make(LinkErrorKind::SystemError, detail, reason.toStdString(), devicePath.toStdString());
}

LinkError SerialPort::open(const QString& devicePath)
{
    close();
    if (devicePath.isEmpty())
        return LinkError::make(LinkErrorKind::CallerError, LinkErrorDetail::DeviceNotFound, "no device chosen");
    m_devicePath = devicePath;
    m_port.setPortName(devicePath);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        QString reason = m_port.errorString();
        LinkError error = errorOf(m_port.error(), reason, devicePath);
        if (m_port.error() == QSerialPort::PermissionError && QFileInfo::exists(devicePath)) {
            // Qt reports a device that another program holds (its lock file)
            // as a permission error too; only a device we may not read and
            // write calls for group membership.
            const bool mayUse = MayOpenDevice(QFile::encodeName(devicePath).toStdString());
            error.detail = mayUse ? LinkErrorDetail::DeviceBusy : LinkErrorDetail::PermissionDenied;
            error.systemMessage = std::strerror(mayUse ? EBUSY : EACCES);
            if (const auto access = InspectDeviceAccess(QFile::encodeName(devicePath).toStdString()); access && !mayUse)
                error.advice = PermissionAdvice(*access);
        }
        m_port.clearError();
        return error;
    }
    m_buffer.clear();
    return LinkError::none();
}

void SerialPort::close()
{
    if (!m_port.isOpen())
        return;
    if (m_port.bytesToWrite() > 0)
        m_port.waitForBytesWritten(DrainMs);
    m_port.close();
    m_buffer.clear();
}

bool SerialPort::isOpen() const
{
    return m_port.isOpen();
}

void SerialPort::flush()
{
    m_buffer.clear();
    if (m_port.isOpen()) {
        m_port.readAll();
        m_port.clear(QSerialPort::AllDirections);
    }
}

void SerialPort::setReceiveThreshold(std::size_t bytes)
{
    m_threshold = bytes;
    if (m_threshold > 0 && m_buffer.size() >= m_threshold)
        emit thresholdReached();
}

std::size_t SerialPort::bytesBuffered() const
{
    return m_buffer.size();
}

std::vector<std::uint8_t> SerialPort::takeAll()
{
    readIntoBuffer();
    std::vector<std::uint8_t> bytes;
    bytes.swap(m_buffer);
    return bytes;
}

LinkError SerialPort::write(const std::vector<std::uint8_t>& bytes)
{
    if (!m_port.isOpen())
        return LinkError::make(LinkErrorKind::CallerError, LinkErrorDetail::None, "the port is not open",
                               m_devicePath.toStdString());
    const qint64 written = m_port.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size()))
        return errorOf(m_port.error(), m_port.errorString(), m_devicePath);
    return LinkError::none();
}

void SerialPort::readIntoBuffer()
{
    if (!m_port.isOpen())
        return;
    const QByteArray data = m_port.readAll();
    m_buffer.insert(m_buffer.end(), reinterpret_cast<const std::uint8_t*>(data.constData()),
                    reinterpret_cast<const std::uint8_t*>(data.constData()) + data.size());
}

void SerialPort::onReadyRead()
{
    readIntoBuffer();
    if (m_threshold > 0 && m_buffer.size() >= m_threshold)
        emit thresholdReached();
}

void SerialPort::onErrorOccurred(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || !m_port.isOpen())
        return;
    // A time-out of a blocking wait is no failure of the device.
    if (error == QSerialPort::TimeoutError)
        return;
    // Whatever Qt calls it, a device that fails while open is lost to the
    // transfer; Qt's own text then often names an unrelated system call.
    const LinkError failure = LinkError::make(LinkErrorKind::SystemError, LinkErrorDetail::DeviceLost,
                                              failureText(error), m_devicePath.toStdString());
    // Bytes that arrived before the failure still count: a radio that
    // answered and then went away has answered.
    readIntoBuffer();
    if (m_threshold > 0 && m_buffer.size() >= m_threshold)
        emit thresholdReached();
    if (!m_port.isOpen())
        return;  // the receiver ended its work and closed the port
    m_port.clearError();
    m_port.close();
    m_buffer.clear();
    emit deviceFailed(failure);
}
