#include "gui_test_env.h"

#include "core/base/lang_texts.h"
#include "lang_text_ids.h"
#include "gui/link/frm_set_comm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class FakePortList : public PortList {
public:
    Devices presentPorts() override
    {
        ++calls;
        return devices;
    }
    Devices devices{};
    int calls = 0;
};

class FrmSetCommTest : public GuiLinkTest {
protected:
    FakePortList m_ports;
};

}  // namespace

TEST_F(FrmSetCommTest, ShowsSixteenPortsWithTheirTexts)
{
    FrmSetComm dialog(m_ports);
    EXPECT_EQ(dialog.windowTitle().toStdString(), GetLangText(Txt::PortCaption));
    EXPECT_EQ(dialog.findChild<QGroupBox*>("Frame1")->title().toStdString(), GetLangText(Txt::PortFrame));
    for (int port = 1; port <= 16; ++port)
        EXPECT_EQ(dialog.option(port)->text().toStdString(), GetLangText(Txt::PortOption) + std::to_string(port));
    EXPECT_EQ(dialog.option(0), nullptr);
    EXPECT_EQ(dialog.option(17), nullptr);
    EXPECT_EQ(dialog.findChild<QPushButton*>("CommandOK")->text().toStdString(), GetLangText(Txt::OkButton));
    EXPECT_EQ(dialog.findChild<QPushButton*>("CommandCancel")->text().toStdString(), GetLangText(Txt::CancelButton));
}

TEST_F(FrmSetCommTest, OnlyPresentPortsAreEnabledAndNameTheirDevice)
{
    m_ports.devices[2] = {"/dev/ttyUSB0", false};
    m_ports.devices[11] = {"/dev/pts/7", true};
    m_ports.devices[13] = {"/dev/ttyS0", false, false};
    FrmSetComm dialog(m_ports);
    for (int port = 1; port <= 16; ++port)
        EXPECT_EQ(dialog.option(port)->isEnabled(), port == 3 || port == 12 || port == 14) << port;
    EXPECT_EQ(dialog.deviceLabel(3)->text(), "/dev/ttyUSB0");
    EXPECT_EQ(dialog.deviceLabel(12)->text().toStdString(), "/dev/pts/7 (" + GetLangText(Txt::PortVirtualRadio) + ")");
    // A device this user may not open is marked, and can still be chosen.
    EXPECT_EQ(dialog.deviceLabel(14)->text().toStdString(), "/dev/ttyS0 (" + GetLangText(Txt::PortNoAccess) + ")");
    EXPECT_EQ(dialog.deviceLabel(1)->text().toStdString(), GetLangText(Txt::PortWithoutDevice));
    EXPECT_TRUE(dialog.deviceLabel(3)->isEnabled());
    EXPECT_FALSE(dialog.deviceLabel(1)->isEnabled());
    EXPECT_EQ(dialog.findChild<QLabel*>("LabelDeviceHeader(0)")->text().toStdString(),
              GetLangText(Txt::PortDeviceColumn));
}

TEST_F(FrmSetCommTest, AllPortsCountAsPresentWhenDetectionIsSkipped)
{
    AppState::instance().IsNt60 = true;
    FrmSetComm dialog(m_ports);
    for (int port = 1; port <= 16; ++port)
        EXPECT_TRUE(dialog.option(port)->isEnabled()) << port;
}

TEST_F(FrmSetCommTest, SelectsTheCurrentPortOrNothingOutsideTheRange)
{
    AppState::instance().ComPort = 5;
    FrmSetComm five(m_ports);
    EXPECT_EQ(five.selectedPort(), 5);
    EXPECT_TRUE(five.option(5)->isChecked());

    AppState::instance().ComPort = 20;
    FrmSetComm none(m_ports);
    EXPECT_EQ(none.selectedPort(), 0);
}

TEST_F(FrmSetCommTest, RefreshFollowsPluggingAndKeepsTheSelection)
{
    m_ports.devices[3] = {"/dev/ttyUSB0"};
    AppState::instance().ComPort = 4;
    FrmSetComm dialog(m_ports);
    ASSERT_TRUE(dialog.option(4)->isEnabled());

    // The adapter is pulled out: the option goes grey but stays selected.
    m_ports.devices[3] = {};
    m_ports.devices[6] = {"/dev/ttyACM0"};
    dialog.ReCommTimer_Timer();
    EXPECT_FALSE(dialog.option(4)->isEnabled());
    EXPECT_TRUE(dialog.option(7)->isEnabled());
    EXPECT_EQ(dialog.selectedPort(), 4);
    EXPECT_EQ(dialog.deviceLabel(7)->text(), "/dev/ttyACM0");

    // The user picks another port; the next refresh keeps that one.
    dialog.option(7)->click();
    dialog.ReCommTimer_Timer();
    EXPECT_EQ(dialog.selectedPort(), 7);
    EXPECT_FALSE(dialog.option(4)->isChecked());
}

TEST_F(FrmSetCommTest, RefreshesOnItsOwnEverySecondWhileShown)
{
    FrmSetComm dialog(m_ports);
    dialog.show();
    const int before = m_ports.calls;
    m_ports.devices[0] = {"/dev/ttyS0"};
    QTest::qWait(FrmSetComm::RefreshMs + 300);
    EXPECT_GE(m_ports.calls, before + 1);
    EXPECT_TRUE(dialog.option(1)->isEnabled());
    dialog.hide();
    const int afterHide = m_ports.calls;
    QTest::qWait(FrmSetComm::RefreshMs + 200);
    EXPECT_EQ(m_ports.calls, afterHide);
}

TEST_F(FrmSetCommTest, OkStoresTheChosenPortAndCancelChangesNothing)
{
    m_ports.devices[4] = {"/dev/ttyUSB1"};
    {
        FrmSetComm dialog(m_ports);
        dialog.option(5)->click();
        dialog.findChild<QPushButton*>("CommandCancel")->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(AppState::instance().ComPort, 1);
    EXPECT_EQ(setupFileText().find("comPort=5"), std::string::npos);

    FrmSetComm dialog(m_ports);
    dialog.option(5)->click();
    dialog.findChild<QPushButton*>("CommandOK")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(AppState::instance().ComPort, 5);
    EXPECT_NE(setupFileText().find("comPort=5"), std::string::npos);
}
