#pragma once

#include "virtual_radio/virtual_radio.h"

#include <QObject>

#include <memory>
#include <string>

class QSocketNotifier;

// A virtual radio inside the test program, on a pseudo-terminal of its own and
// announced the way brisko7-sim announces itself, so the desktop program finds
// it through its port directory like any serial device. The radio answers in
// the test's event loop.
class PtyRadio : public QObject {
public:
    PtyRadio(VirtualRadioIdentity identity, const RadioImage& image, const RadioInfoBlock& info,
             VirtualRadioFaults faults = {});
    ~PtyRadio() override;

    bool ok() const { return m_master >= 0; }
    const std::string& devicePath() const { return m_device; }
    VirtualRadio& radio() { return *m_radio; }

    // Pulls the cable: the pseudo-terminal goes away.
    void unplug();
    // Pulls the cable once the radio has answered this many block requests.
    void unplugAfterBlocks(int blocks) { m_unplugAfter = blocks; }

private:
    void onReadable();

    std::unique_ptr<VirtualRadio> m_radio;
    int m_master = -1;
    int m_slaveHold = -1;  // keeps the line up while the program has not opened it
    std::string m_device;
    std::string m_announcement;
    QSocketNotifier* m_notifier = nullptr;
    int m_unplugAfter = -1;
};
