#pragma once

#include "core/link/link_error.h"

#include <QObject>
#include <QSerialPort>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

// The serial line to the radio on QtSerialPort: 9600 baud, no parity, 8 data
// bits, 1 stop bit, no flow control, binary. Failures come back as LinkError
// values that carry the system's own reason; a device the user may not open
// says which group to join.
class SerialPort : public QObject {
    Q_OBJECT

public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    // Closes an open device first. Returns LinkErrorKind::None on success.
    LinkError open(const QString& devicePath);
    void close();
    bool isOpen() const;
    QString devicePath() const { return m_devicePath; }

    // Empties the input and output buffers (bytes not yet read are dropped).
    void flush();
    // `thresholdReached` fires whenever at least this many bytes are buffered
    // (0: never).
    void setReceiveThreshold(std::size_t bytes);
    std::size_t bytesBuffered() const;
    // Takes every buffered byte.
    std::vector<std::uint8_t> takeAll();
    LinkError write(const std::vector<std::uint8_t>& bytes);

    // The error of a failed open or write, with the system's reason.
    static LinkError errorOf(QSerialPort::SerialPortError error, const QString& reason, const QString& devicePath);

signals:
    void thresholdReached();
    // The device failed while open (unplugged, I/O error); the port is closed.
    void deviceFailed(const LinkError& error);

private:
    void onReadyRead();
    void onErrorOccurred(QSerialPort::SerialPortError error);
    void readIntoBuffer();

    QSerialPort m_port;
    QString m_devicePath;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_threshold = 0;
};

Q_DECLARE_METATYPE(LinkError)
