#include "link_fixture.h"

#include "core/base/lang_texts.h"
#include "gui/link/frm_progress.h"
#include "virtual_radio/virtual_radio_memory.h"
#include "core/app/data_file.h"
#include "core/model/image_codec.h"

#include "gui/base/widget_helpers.h"
#include "lang_text_ids.h"
#include "gui/link/frm_set_comm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>

namespace {

QString text(int number)
{
    return QString::fromStdString(GetLangText(number));
}

RadioImage changedImage()
{
    return radioImageOf([](Document& doc) {
        doc.Record.OptFeat.Beep = 1;
        doc.Record.OptFeat.TimeOutTimer = 3;
    });
}

RadioInfoBlock infoWith(const std::string& serial, const std::string& password = {})
{
    RadioInfoFields fields;
    fields.serialNo = serial;
    fields.password = password;
    return BuildRadioInfo(0, fields);
}

}  // namespace

using LinkControllerTest = LinkFixture;

TEST_F(LinkControllerTest, ReadReplacesTheDocumentWithTheRadiosDataAndMakesItUntitled)
{
    buildMainWindow();
    const RadioImage image = changedImage();
    plugRadio(image, infoWith("R-0001"));
    m_doc.DocFileName = (m_root / "old.dat").string();
    m_doc.IsUntitled = false;
    ASSERT_NE(m_doc.Record.OptFeat.TimeOutTimer, 3);
    m_main->showRadioInfo();
    ASSERT_NE(FindChildForm(m_main->mdiArea(), "FrmRadioInfo"), nullptr);

    m_prompts.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    // The windows of the replaced document are closed.
    EXPECT_EQ(FindChildForm(m_main->mdiArea(), "FrmRadioInfo"), nullptr);
    QTest::qWait(50);

    EXPECT_EQ(m_prompts.questions.value(0), text(Txt::ConfirmRead)) << m_prompts.questions.join("|").toStdString();
    EXPECT_TRUE(m_prompts.messages.contains(text(Txt::ReadCompleted))) << m_prompts.messages.join('|').toStdString();
    EXPECT_EQ(m_doc.Record.OptFeat.Beep, 1);
    EXPECT_EQ(m_doc.Record.OptFeat.TimeOutTimer, 3);
    EXPECT_TRUE(m_doc.IsUntitled);
    EXPECT_EQ(m_doc.DocFileName, "new.dat");
    EXPECT_TRUE(m_main->windowTitle().contains("new.dat"));
    // The transfer buffer holds the radio's memory, and the records are its decoding.
    EXPECT_EQ(m_doc.Image, image);
    Document expected;
    InitDocument(expected);
    expected.Image = image;
    expected.Radio = m_doc.Radio;
    ASSERT_TRUE(DecodeImage(expected));
    EXPECT_EQ(m_doc.Record, expected.Record);
    EXPECT_EQ(m_doc.ChannelList, expected.ChannelList);
    EXPECT_FALSE(m_link->portOpen());
    EXPECT_EQ(m_link->lastProgressShown(), 100);
    EXPECT_EQ(m_link->progressWindow(), nullptr);
    EXPECT_EQ(m_radio->radio().stats().blocksRead, 464 + 1);  // the image and the password block
}

TEST_F(LinkControllerTest, CancelAtTheStartQuestionSendsNothingAndKeepsTheDocument)
{
    buildMainWindow();
    plugRadio(changedImage(), infoWith("R-0002"));
    m_doc.Record.OptFeat.TimeOutTimer = 5;
    m_doc.DocFileName = "kept.dat";
    m_doc.IsUntitled = false;

    for (Command command : {Command::ReadFromRadio, Command::WriteToRadio}) {
        m_prompts.answers = {NoticeAnswer::Cancel};
        ASSERT_TRUE(runAndWait(command));
    }
    EXPECT_EQ(m_prompts.questions, QStringList({text(Txt::ConfirmRead), text(Txt::ConfirmWrite)}));
    EXPECT_TRUE(m_prompts.messages.isEmpty());
    EXPECT_EQ(m_radio->radio().stats().bytesIn, 0u);
    EXPECT_EQ(m_doc.Record.OptFeat.TimeOutTimer, 5);
    EXPECT_EQ(m_doc.DocFileName, "kept.dat");
    EXPECT_FALSE(m_doc.IsUntitled);
    EXPECT_FALSE(m_link->portOpen());
}

TEST_F(LinkControllerTest, WriteSendsTheRecordsAndLeavesTheDocumentAlone)
{
    buildMainWindow();
    plugRadio(RadioImage{}, infoWith("R-0003"));
    m_doc.Record.OptFeat.TimeOutTimer = 4;
    m_doc.ChannelList[0].Tx_Power = 1;
    m_doc.DocFileName = "mine.dat";
    m_doc.IsUntitled = false;

    // The commands are free again when the success message shows.
    bool lockedAtMessage = true;
    m_prompts.onMessage = [&](const QString&) { lockedAtMessage = m_main->isTransferRunning(); };
    m_prompts.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(runAndWait(Command::WriteToRadio));

    EXPECT_FALSE(lockedAtMessage);
    EXPECT_EQ(m_prompts.questions.value(0), text(Txt::ConfirmWrite));
    EXPECT_TRUE(m_prompts.messages.contains(text(Txt::WriteCompleted))) << m_prompts.messages.join('|').toStdString();
    EXPECT_EQ(m_radio->radio().stats().blocksWritten, 464);
    EXPECT_EQ(m_link->lastProgressShown(), 100);
    EXPECT_EQ(m_doc.DocFileName, "mine.dat");
    EXPECT_FALSE(m_doc.IsUntitled);
    const RadioImage written = m_radio->radio().image();
    m_doc.Image.clear();
    EncodeImage(m_doc);
    EXPECT_EQ(written, m_doc.Image);
    EXPECT_FALSE(m_link->portOpen());
}

TEST_F(LinkControllerTest, CommandsAreLockedWhileATransferRunsAndAResizeDoesNotDisturbIt)
{
    buildMainWindow();
    plugRadio(changedImage(), infoWith("R-0004"));
    ASSERT_TRUE(m_main->isCommandEnabled(Command::ReadFromRadio));

    m_prompts.answers = {NoticeAnswer::Ok};
    m_main->runCommand(Command::ReadFromRadio);
    ASSERT_TRUE(waitUntil([this] { return m_link->engine().phase() == TransferPhase::Blocks; }, 5000));
    EXPECT_TRUE(m_main->isTransferRunning());
    for (Command command : {Command::ReadFromRadio, Command::WriteToRadio, Command::LocalInfo, Command::CommSet})
        EXPECT_FALSE(m_main->isCommandEnabled(command));
    ASSERT_NE(m_link->progressWindow(), nullptr);
    EXPECT_TRUE(m_link->progressWindow()->isVisible());
    EXPECT_EQ(m_link->progressWindow()->windowTitle(), text(Txt::ProgressReading));
    m_main->resize(m_main->width() + 40, m_main->height() + 30);

    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(m_prompts.messages.contains(text(Txt::ReadCompleted)));
    EXPECT_FALSE(m_main->isTransferRunning());
    EXPECT_TRUE(m_main->isCommandEnabled(Command::ReadFromRadio));
}

TEST_F(LinkControllerTest, APasswordMismatchAsksForThePasswordInTheDialog)
{
    buildMainWindow();
    plugRadio(changedImage(), infoWith("R-0005", "1234"));

    m_prompts.answers = {NoticeAnswer::Ok};
    answerPasswordDialog("1234");
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    EXPECT_TRUE(m_prompts.messages.contains(text(Txt::ReadCompleted))) << m_prompts.messages.join('|').toStdString();
    EXPECT_EQ(AppState::instance().ProgPassword, "1234");
    EXPECT_EQ(m_doc.Record.OptFeat.TimeOutTimer, 3);
}

TEST_F(LinkControllerTest, AWrongPasswordEndsTheReadWithTheDocumentUntouched)
{
    buildMainWindow();
    plugRadio(changedImage(), infoWith("R-0006", "1234"));
    const std::int16_t before = m_doc.Record.OptFeat.TimeOutTimer;

    m_prompts.answers = {NoticeAnswer::Ok};
    answerPasswordDialog("9999");
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    EXPECT_TRUE(m_prompts.messages.contains("PassWord Failure!")) << m_prompts.messages.join('|').toStdString();
    EXPECT_FALSE(m_prompts.messages.contains(text(Txt::ReadCompleted)));
    EXPECT_EQ(m_doc.Record.OptFeat.TimeOutTimer, before);
    EXPECT_EQ(m_radio->radio().stats().blocksRead, 1);  // the password block only
    EXPECT_FALSE(m_link->portOpen());

    // Cancelling the dialog ends it the same way, without a message.
    m_prompts.messages.clear();
    m_prompts.answers = {NoticeAnswer::Ok};
    answerPasswordDialog({}, false);
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    EXPECT_TRUE(m_prompts.messages.isEmpty()) << m_prompts.messages.join('|').toStdString();
    EXPECT_FALSE(m_link->portOpen());
    EXPECT_EQ(m_doc.Record.OptFeat.TimeOutTimer, before);
}

TEST_F(LinkControllerTest, AnUnpluggedCableEndsTheTransferAtOnceWithAMessage)
{
    buildMainWindow();
    PtyRadio& radio = plugRadio(changedImage(), infoWith("R-0007"));
    radio.unplugAfterBlocks(100);
    const QString device = QString::fromStdString(radio.devicePath());
    const int port = portOf(radio.devicePath());
    const std::int16_t before = m_doc.Record.OptFeat.TimeOutTimer;
    m_doc.DocFileName = "kept.dat";
    m_doc.IsUntitled = false;

    m_prompts.answers = {NoticeAnswer::Ok};
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio, 10000));
    EXPECT_LT(clock.elapsed(), 5000);
    // Told at once what happened, not asked whether to try again.
    EXPECT_EQ(m_prompts.questions, QStringList{text(Txt::ConfirmRead)});
    ASSERT_EQ(m_prompts.messages.size(), 1) << m_prompts.messages.join('|').toStdString();
    // One sentence in the program's language, and the port number with the device behind it.
    EXPECT_EQ(m_prompts.messages[0],
              text(Txt::SerialDeviceLost) + "\r\n" + text(Txt::PortDeviceColumn) + ": " + text(Txt::StatusPort)
                  + QString::number(port) + " (" + device + ")");
    EXPECT_FALSE(m_prompts.messages.contains(text(Txt::ReadCompleted)));
    EXPECT_EQ(m_doc.Record.OptFeat.TimeOutTimer, before);
    EXPECT_EQ(m_doc.DocFileName, "kept.dat");
    EXPECT_FALSE(m_link->portOpen());
    EXPECT_EQ(m_link->progressWindow(), nullptr);
    EXPECT_FALSE(m_main->isTransferRunning());
}

TEST_F(LinkControllerTest, APortWithoutADeviceIsReportedAndNothingStarts)
{
    buildMainWindow();
    AppState::instance().ComPort = 16;
    m_prompts.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(runAndWait(Command::ReadFromRadio));
    EXPECT_EQ(m_prompts.questions.size(), 0);
    ASSERT_EQ(m_prompts.messages.size(), 1);
    EXPECT_TRUE(m_prompts.messages[0].contains(text(Txt::PortOpenFailed))) << m_prompts.messages[0].toStdString();
    EXPECT_TRUE(m_prompts.messages[0].contains(text(Txt::StatusPort) + "16")) << m_prompts.messages[0].toStdString();
    // The reason: nothing stands behind that number.
    EXPECT_TRUE(m_prompts.messages[0].contains(QString::fromLocal8Bit(std::strerror(ENODEV))))
        << m_prompts.messages[0].toStdString();
    EXPECT_FALSE(m_main->isTransferRunning());
}

TEST_F(LinkControllerTest, TheRadioInformationReadOpensTheInformationWindow)
{
    buildMainWindow();
    plugRadio(changedImage(), infoWith("SN-778899"));
    ASSERT_TRUE(runAndWait(Command::LocalInfo));
    EXPECT_TRUE(m_prompts.questions.isEmpty());
    EXPECT_EQ(m_doc.RadioInfo.SerialNo.rfind("SN-778899", 0), 0u) << m_doc.RadioInfo.SerialNo;
    EXPECT_NE(FindChildForm(m_main->mdiArea(), "FrmRadioInfo"), nullptr);
    EXPECT_FALSE(m_link->portOpen());
    EXPECT_EQ(m_radio->radio().stats().blocksRead, 16);
}

TEST_F(LinkControllerTest, TheWriteCommandRefreshesAnOpenInformationWindow)
{
    buildMainWindow();
    plugRadio(changedImage(), infoWith("SN-1"));
    ASSERT_TRUE(runAndWait(Command::LocalInfo));
    QMdiSubWindow* sub = FindChildForm(m_main->mdiArea(), "FrmRadioInfo");
    ASSERT_NE(sub, nullptr);
    auto* serial = sub->widget()->findChild<QLineEdit*>("Text1_1");
    ASSERT_NE(serial, nullptr);
    EXPECT_TRUE(serial->text().startsWith("SN-1"));

    m_doc.RadioInfo.SerialNo = "SN-2";
    m_prompts.answers = {NoticeAnswer::Cancel};
    ASSERT_TRUE(runAndWait(Command::WriteToRadio));
    EXPECT_TRUE(serial->text().startsWith("SN-2")) << serial->text().toStdString();
}

TEST_F(LinkControllerTest, ThePortDialogStoresThePortAndTheStatusBarFollows)
{
    buildMainWindow();
    plugRadio(RadioImage{}, infoWith("R-0008"));
    const int port = AppState::instance().ComPort;
    AppState::instance().ComPort = 1;
    m_main->SetMainTexts();
    ASSERT_FALSE(m_main->statusPanel(3)->text().endsWith(QString::number(port)));

    QTimer::singleShot(50, m_main.get(), [port] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        auto* dialog = qobject_cast<FrmSetComm*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->option(port)->isEnabled());
        // The virtual radio is named as such next to its device.
        EXPECT_TRUE(dialog->deviceLabel(port)->text().contains(text(Txt::PortVirtualRadio)))
            << dialog->deviceLabel(port)->text().toStdString();
        dialog->option(port)->click();
        dialog->findChild<QPushButton*>("CommandOK")->click();
    });
    m_main->runCommand(Command::CommSet);
    EXPECT_EQ(AppState::instance().ComPort, port);
    EXPECT_TRUE(m_main->statusPanel(3)->text().endsWith(QString::number(port)))
        << m_main->statusPanel(3)->text().toStdString();
    EXPECT_NE(setupFileText().find("comPort=" + std::to_string(port)), std::string::npos);
}

TEST_F(LinkControllerTest, AFinishedTransferLeavesNoProgressWindowBehind)
{
    buildMainWindow();
    plugRadio(RadioImage{}, infoWith("R-0009"));
    for (int run = 0; run < 2; ++run) {
        m_prompts.answers = {NoticeAnswer::Ok};
        ASSERT_TRUE(runAndWait(Command::WriteToRadio));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(20);
    EXPECT_EQ(m_link->progressWindow(), nullptr);
    EXPECT_TRUE(m_main->findChildren<FrmProgress*>().isEmpty());
    EXPECT_EQ(m_radio->radio().stats().blocksWritten, 2 * 464);
}

TEST_F(LinkControllerTest, AnUnpluggedCableDuringAWriteSaysTheRadioIsPartlyWritten)
{
    buildMainWindow();
    plugRadio(RadioImage{}, infoWith("R-0010")).unplugAfterBlocks(50);
    m_prompts.answers = {NoticeAnswer::Ok};
    ASSERT_TRUE(runAndWait(Command::WriteToRadio, 10000));
    EXPECT_EQ(m_prompts.questions, QStringList{text(Txt::ConfirmWrite)});
    ASSERT_EQ(m_prompts.messages.size(), 1) << m_prompts.messages.join('|').toStdString();
    EXPECT_TRUE(m_prompts.messages[0].contains(text(Txt::SerialDeviceLost))) << m_prompts.messages[0].toStdString();
    EXPECT_TRUE(m_prompts.messages[0].contains(text(Txt::RadioPartlyWritten))) << m_prompts.messages[0].toStdString();
    EXPECT_FALSE(m_prompts.messages.contains(text(Txt::WriteCompleted)));
    EXPECT_FALSE(m_link->portOpen());
    EXPECT_EQ(m_link->progressWindow(), nullptr);
    EXPECT_FALSE(m_main->isTransferRunning());
}
