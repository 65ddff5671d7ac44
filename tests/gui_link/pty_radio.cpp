#include "pty_radio.h"

#include "core/link/sim_announcement.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PtyRadio::PtyRadio(VirtualRadioIdentity identity, const RadioImage& image, const RadioInfoBlock& info,
                   VirtualRadioFaults faults)
    : m_radio(std::make_unique<VirtualRadio>(identity, image, info, faults))
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        unplug();
        return;
    }
    m_device = ::ptsname(m_master);
    m_slaveHold = ::open(m_device.c_str(), O_RDWR | O_NOCTTY);
    if (m_slaveHold >= 0) {
        termios tio{};
        ::tcgetattr(m_slaveHold, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(m_slaveHold, TCSANOW, &tio);
    }
    SimAnnouncement::write(m_device, m_announcement);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyRadio::onReadable);
}

PtyRadio::~PtyRadio()
{
    unplug();
}

void PtyRadio::unplug()
{
    if (m_notifier)
        m_notifier->setEnabled(false);
    if (!m_announcement.empty())
        SimAnnouncement::remove(m_announcement);
    m_announcement.clear();
    if (m_slaveHold >= 0)
        ::close(m_slaveHold);
    m_slaveHold = -1;
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

void PtyRadio::onReadable()
{
    std::uint8_t buffer[512];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n <= 0)
        return;
    const std::vector<std::uint8_t> reply = m_radio->receive(buffer, static_cast<std::size_t>(n));
    const int answered = m_radio->stats().blocksRead + m_radio->stats().blocksWritten;
    if (m_unplugAfter >= 0 && answered >= m_unplugAfter) {
        unplug();
        return;
    }
    std::size_t done = 0;
    while (done < reply.size()) {
        const ssize_t w = ::write(m_master, reply.data() + done, reply.size() - done);
        if (w < 0 && errno != EAGAIN && errno != EINTR)
            return;
        if (w > 0)
            done += static_cast<std::size_t>(w);
    }
}
