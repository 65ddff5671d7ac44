#include "gui/link/frm_set_comm.h"

#include "core/base/app_state.h"
#include "gui/base/lang_text.h"
#include "gui/base/widget_helpers.h"
#include "lang_text_ids.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int Columns = 2;
constexpr int RowsPerColumn = PortList::PortCount / Columns;

// What stands behind a port: the device path, marked when it is a virtual
// radio and when this user may not open it.
QString deviceText(const PortList::Entry& entry)
{
    if (entry.device.isEmpty())
        return LangText(Txt::PortWithoutDevice);
    QString text = entry.device;
    if (entry.virtualRadio)
        text += QStringLiteral(" (") + LangText(Txt::PortVirtualRadio) + QLatin1Char(')');
    if (!entry.accessible)
        text += QStringLiteral(" (") + LangText(Txt::PortNoAccess) + QLatin1Char(')');
    return text;
}

}  // namespace

FrmSetComm::FrmSetComm(PortList& ports, QWidget* parent) : QDialog(parent), m_ports(ports)
{
    setObjectName(QStringLiteral("FrmSetComm"));
    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_group = new QButtonGroup(this);
    auto* grid = new QGridLayout(m_frame1);
    for (int column = 0; column < Columns; ++column) {
        m_deviceHeaders[column] = new QLabel(m_frame1);
        m_deviceHeaders[column]->setObjectName(QStringLiteral("LabelDeviceHeader(%1)").arg(column));
        grid->addWidget(m_deviceHeaders[column], 0, column * 2 + 1);
    }
    for (int i = 0; i < PortList::PortCount; ++i) {
        m_options[i] = new QRadioButton(m_frame1);
        m_options[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        m_devices[i] = new QLabel(m_frame1);
        m_devices[i]->setObjectName(QStringLiteral("LabelDevice(%1)").arg(i));
        m_group->addButton(m_options[i], i + 1);
        const int column = (i / RowsPerColumn) * 2;
        grid->addWidget(m_options[i], 1 + i % RowsPerColumn, column);
        grid->addWidget(m_devices[i], 1 + i % RowsPerColumn, column + 1);
    }

    QHBoxLayout* buttons = MakeOkCancelRow(this, m_ok, m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame1);
    layout->addLayout(buttons);

    m_reCommTimer = new QTimer(this);
    m_reCommTimer->setInterval(RefreshMs);
    connect(m_reCommTimer, &QTimer::timeout, this, &FrmSetComm::ReCommTimer_Timer);
    connect(m_ok, &QPushButton::clicked, this, &FrmSetComm::CommandOK_Click);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void FrmSetComm::Form_Load()
{
    setWindowTitle(LangText(Txt::PortCaption));
    m_frame1->setTitle(LangText(Txt::PortFrame));
    for (QLabel* header : m_deviceHeaders)
        header->setText(LangText(Txt::PortDeviceColumn));
    for (int i = 0; i < PortList::PortCount; ++i)
        m_options[i]->setText(LangText(Txt::PortOption) + QString::number(i + 1));
    SetOkCancelCaptions(this);
    EnablePresentPorts();
    selectPort(AppState::instance().ComPort);
    m_reCommTimer->start();
}

void FrmSetComm::EnablePresentPorts()
{
    const bool allPresent = AppState::instance().IsNt60;
    const PortList::Devices devices = m_ports.presentPorts();
    for (int i = 0; i < PortList::PortCount; ++i) {
        const PortList::Entry& entry = devices[i];
        const bool present = allPresent || !entry.device.isEmpty();
        m_options[i]->setEnabled(present);
        m_devices[i]->setEnabled(present);
        m_devices[i]->setText(deviceText(entry));
        m_options[i]->setToolTip(entry.device);
    }
}

void FrmSetComm::selectPort(int port)
{
    // An exclusive group cannot show "nothing selected"; lift it for the moment.
    m_group->setExclusive(false);
    for (int i = 0; i < PortList::PortCount; ++i)
        m_options[i]->setChecked(i + 1 == port);
    m_group->setExclusive(true);
}

void FrmSetComm::ReCommTimer_Timer()
{
    const int selected = selectedPort();
    EnablePresentPorts();
    selectPort(selected);
}

int FrmSetComm::selectedPort() const
{
    const int id = m_group->checkedId();
    return id >= 1 ? id : 0;
}

QRadioButton* FrmSetComm::option(int port) const
{
    return port >= 1 && port <= PortList::PortCount ? m_options[port - 1] : nullptr;
}

QLabel* FrmSetComm::deviceLabel(int port) const
{
    return port >= 1 && port <= PortList::PortCount ? m_devices[port - 1] : nullptr;
}

void FrmSetComm::CommandOK_Click()
{
    const int port = selectedPort();
    if (port >= 1) {
        AppState& state = AppState::instance();
        state.ComPort = static_cast<std::int16_t>(port);
        state.saveComPort();
    }
    accept();
}

void FrmSetComm::hideEvent(QHideEvent* event)
{
    m_reCommTimer->stop();
    QDialog::hideEvent(event);
}
