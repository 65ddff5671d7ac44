#pragma once

#include "gui/link/port_list.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

// The port dialog: sixteen options for the ports 1..16, each enabled when a
// device stands behind it and showing that device. OK stores the chosen
// number as ComPort and in the setup file.
class FrmSetComm : public QDialog {
    Q_OBJECT
public:
    static constexpr int RefreshMs = 1000;

    // The dialog does not own the port list.
    explicit FrmSetComm(PortList& ports, QWidget* parent = nullptr);

    // The option of port n (1..16).
    QRadioButton* option(int port) const;
    QLabel* deviceLabel(int port) const;
    // The selected port number, or 0 when no option is selected.
    int selectedPort() const;

    // The refresh tick: the present ports again, the selection kept.
    void ReCommTimer_Timer();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void Form_Load();
    void EnablePresentPorts();
    void selectPort(int port);
    void CommandOK_Click();

    PortList& m_ports;
    QGroupBox* m_frame1 = nullptr;
    QButtonGroup* m_group = nullptr;
    std::array<QRadioButton*, PortList::PortCount> m_options{};
    std::array<QLabel*, PortList::PortCount> m_devices{};
    std::array<QLabel*, 2> m_deviceHeaders{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QTimer* m_reCommTimer = nullptr;
};
