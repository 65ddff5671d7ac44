#include "cli_radio_fixture.h"

#include "core/app/data_file.h"
#include "core/base/notifier.h"
#include "core/link/link_error.h"
#include "core/model/document.h"
#include "core/model/image_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include <csignal>

namespace {

QCoreApplication& app()
{
    static int argc = 1;
    static char name[] = "test_cli_radio";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

class CliRadio : public CliRadioTest {
protected:
    void SetUp() override
    {
        app();
        CliRadioTest::SetUp();
    }
    // Reads a radio with the given options into a file.
    Run readRadio(const QStringList& simArgs, const QString& file, QStringList extra = {})
    {
        const QString device = startSim(simArgs);
        EXPECT_TRUE(device.startsWith(QStringLiteral("/dev/pts/"))) << device.toStdString();
        QStringList args{QStringLiteral("read"), QStringLiteral("--port"), device, QStringLiteral("-o"), file};
        return cli(args + extra);
    }
    Run writeRadio(const QStringList& simArgs, const QString& file, QStringList extra = {})
    {
        const QString device = startSim(simArgs);
        EXPECT_FALSE(device.isEmpty());
        return cli(QStringList{QStringLiteral("write"), file, QStringLiteral("--port"), device} + extra);
    }
    // A data file read from a fresh virtual radio.
    QString freshDataFile()
    {
        const QString file = path("fresh.dat");
        const Run r = readRadio({}, file);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        simOutput();
        return file;
    }
};

TEST_F(CliRadio, ReadSavesTheRadiosChannelsInADataFile)
{
    const QString file = path("read.dat");
    const Run r = readRadio({}, file);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_LT(r.ms, HangGuardMs);
    // Without a terminal the progress is told only with --verbose.
    EXPECT_FALSE(r.err.contains(QStringLiteral("reading"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("40 channels read, saved to"))) << r.err.toStdString();
    EXPECT_EQ(QFileInfo(file).size(), 25611);
    Document doc;
    InitDocument(doc, BRISKO7_STAGE_PROGRAM "/Init");
    SilentNotifier quiet;
    ASSERT_EQ(OpenDocument(doc, file.toStdString(), quiet).outcome, OpenOutcome::Opened);
    EXPECT_EQ(doc.ChannelCount, 40);
    EXPECT_TRUE(simOutput().contains(QStringLiteral("465 blocks read")));
}

TEST_F(CliRadio, WriteSendsTheFileAndTheRadioKeepsIt)
{
    const QString file = freshDataFile();
    const QString saved = path("radio.img");
    const Run r = writeRadio({QStringLiteral("--save"), saved, QStringLiteral("--password"), QStringLiteral("12")},
                             file, {QStringLiteral("--password"), QStringLiteral("12")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(simOutput().contains(QStringLiteral("464 written")));

    Document doc;
    InitDocument(doc, BRISKO7_STAGE_PROGRAM "/Init");
    SilentNotifier quiet;
    ASSERT_EQ(OpenDocument(doc, file.toStdString(), quiet).outcome, OpenOutcome::Opened);
    doc.Image.clear();
    EncodeImage(doc);
    QFile img(saved);
    ASSERT_TRUE(img.open(QIODevice::ReadOnly));
    const QByteArray bytes = img.readAll();
    ASSERT_EQ(bytes.size(), 7424);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), doc.Image.data(),
                           [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }));
}

TEST_F(CliRadio, TheVirtualRadioKeepsAndStartsFromDataFiles)
{
    const QString first = path("ham.dat");
    Run r = readRadio({QStringLiteral("--band"), QStringLiteral("2")}, first);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    simOutput();
    const QString kept = path("kept.dat");
    r = writeRadio({QStringLiteral("--band"), QStringLiteral("2"), QStringLiteral("--save"), kept}, first);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    simOutput();
    ASSERT_EQ(QFileInfo(kept).size(), 25611);
    // Started from the kept file, the radio takes its band and serves its channels.
    const QString again = path("again.dat");
    r = readRadio({QStringLiteral("--image"), kept}, again);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();

    SilentNotifier quiet;
    Document a;
    Document b;
    InitDocument(a, BRISKO7_STAGE_PROGRAM "/Init");
    InitDocument(b, BRISKO7_STAGE_PROGRAM "/Init");
    ASSERT_EQ(OpenDocument(a, first.toStdString(), quiet).outcome, OpenOutcome::Opened);
    ASSERT_EQ(OpenDocument(b, again.toStdString(), quiet).outcome, OpenOutcome::Opened);
    EXPECT_EQ(b.BandMode, 2);
    EXPECT_EQ(a.ChannelCount, b.ChannelCount);
    EXPECT_EQ(a.ChannelList, b.ChannelList);
}

TEST_F(CliRadio, InfoPrintsTheRadioInformationRecord)
{
    const QString device = startSim({QStringLiteral("--serial"), QStringLiteral("SN-4711"), QStringLiteral("--dealer"),
                                     QStringLiteral("Dealer One"), QStringLiteral("--band"), QStringLiteral("2")});
    const Run r = cli({QStringLiteral("info"), QStringLiteral("--port"), device});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("SerialNo: SN-4711\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("DealerCode: Dealer One\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("InfoBand: 2 (HAM)\n")));
}

TEST_F(CliRadio, AnErasedInformationAreaShowsAnUnknownBand)
{
    const QString device = startSim({QStringLiteral("--info-band"), QStringLiteral("15")});
    const Run r = cli({QStringLiteral("info"), QStringLiteral("--port"), device});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("InfoBand: 15 (unknown)\n")));
}

TEST_F(CliRadio, InfoFaults)
{
    // One silent or damaged reply costs a retry of that block, not the command.
    for (const QStringList& fault : {QStringList{QStringLiteral("--ignore-block"), QStringLiteral("0x3E50:1")},
                                     QStringList{QStringLiteral("--bad-checksum"), QStringLiteral("0x3E50")}}) {
        const QString device = startSim(fault + QStringList{QStringLiteral("--serial"), QStringLiteral("SN-2")});
        const Run r = cli({QStringLiteral("info"), QStringLiteral("--port"), device});
        EXPECT_EQ(r.status, 0) << fault.join(' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral("SerialNo: SN-2\n"))) << fault.join(' ').toStdString();
        simOutput();
    }

    // A block that never comes: the retry question cannot be answered
    // without a terminal, so the command ends as a time-out, in one line.
    QString device = startSim({QStringLiteral("--ignore-block"), QStringLiteral("0x3E50:4")});
    Run r = cli({QStringLiteral("info"), QStringLiteral("--port"), device});
    EXPECT_EQ(r.status, LinkExit::TimedOut) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("info failed: time-out"))) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_LT(r.ms, HangGuardMs);
    EXPECT_TRUE(simOutput().contains(QStringLiteral("session 1 ended")));  // "END" reached the radio

    // An unacknowledged "END" still prints the record and ends at once.
    device = startSim({QStringLiteral("--no-end-ack"), QStringLiteral("--serial"), QStringLiteral("SN-1")});
    r = cli({QStringLiteral("info"), QStringLiteral("--port"), device});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("SerialNo: SN-1\n")));
    EXPECT_LT(r.ms, HangGuardMs);
    simOutput();
}

// Line faults that the retries absorb: the read still succeeds.
class RecoverableFault : public CliRadio, public ::testing::WithParamInterface<std::vector<const char*>> {};

TEST_P(RecoverableFault, ReadStillSucceeds)
{
    QStringList fault;
    for (const char* a : GetParam())
        fault << QString::fromLatin1(a);
    {
        const QString file = path("fault.dat");
        QFile::remove(file);
        const Run r = readRadio(fault, file);
        EXPECT_EQ(r.status, 0) << fault.join(' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_EQ(QFileInfo(file).size(), 25611) << fault.join(' ').toStdString();
        EXPECT_LT(r.ms, HangGuardMs) << fault.join(' ').toStdString();
        simOutput();
    }
}

INSTANTIATE_TEST_SUITE_P(LineFaults, RecoverableFault,
                         ::testing::Values(std::vector<const char*>{"--bad-checksum", "0x0100"},
                                           std::vector<const char*>{"--wrong-address", "0x0200"},
                                           std::vector<const char*>{"--short-frame", "0x0300"},
                                           std::vector<const char*>{"--garbage", "0x0400:2"},
                                           std::vector<const char*>{"--ignore-block", "0x0500:3"},
                                           std::vector<const char*>{"--ignore-handshakes", "1"},
                                           std::vector<const char*>{"--ignore-handshakes", "3"},
                                           std::vector<const char*>{"--ignore-handshakes", "3", "--no-echo"},
                                           std::vector<const char*>{"--no-echo"},
                                           std::vector<const char*>{"--no-end-ack"}));

// Faults and refusals that end the command, each with its own exit status.
TEST_F(CliRadio, ReadFailuresEndWithTheirExitStatusAndNoFile)
{
    struct Case {
        QStringList sim;
        QStringList cli;
        int status;
        QString says;
    };
    const QList<Case> cases{
        {{QStringLiteral("--dead-after"), QStringLiteral("20")}, {}, LinkExit::TimedOut, QStringLiteral("giving up")},
        // Silent with and without the cable's echo; replies that all come cut short.
        {{QStringLiteral("--ignore-handshakes"), QStringLiteral("100")},
         {},
         LinkExit::TimedOut,
         QStringLiteral("time-out")},
        {{QStringLiteral("--ignore-handshakes"), QStringLiteral("100"), QStringLiteral("--no-echo")},
         {},
         LinkExit::TimedOut,
         QStringLiteral("time-out")},
        {{QStringLiteral("--short-frame"), QStringLiteral("0x0100:1000")},
         {},
         LinkExit::ProtocolViolation,
         QStringLiteral("protocol violation")},
        {{QStringLiteral("--password"), QStringLiteral("12")},
         {},
         LinkExit::RefusedByUser,
         QStringLiteral("--password")},
        {{QStringLiteral("--password"), QStringLiteral("12")},
         {QStringLiteral("--password"), QStringLiteral("99")},
         LinkExit::RefusedByRadio,
         QStringLiteral("PassWord Failure!")},
        {{QStringLiteral("--model"), QStringLiteral("OTHER")},
         {},
         LinkExit::RefusedByRadio,
         QStringLiteral("Radio is OTHER")},
        {{QStringLiteral("--band"), QStringLiteral("5")},
         {},
         LinkExit::RefusedByRadio,
         QStringLiteral("Country Mode Error!")},
        {{QStringLiteral("--version"), QStringLiteral("V102")},
         {},
         LinkExit::RefusedByRadio,
         QStringLiteral("data version V102")},
    };
    for (const Case& c : cases) {
        const QString file = path("fail.dat");
        const Run r = readRadio(c.sim, file, c.cli);
        EXPECT_EQ(r.status, c.status) << c.sim.join(' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.says)) << c.sim.join(' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << c.sim.join(' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(file)) << c.sim.join(' ').toStdString();
        EXPECT_LT(r.ms, HangGuardMs) << c.sim.join(' ').toStdString();
        simOutput();
    }
}

TEST_F(CliRadio, VerboseTellsEveryStepOfAFailure)
{
    const Run r = readRadio({QStringLiteral("--dead-after"), QStringLiteral("20")}, path("fail.dat"),
                            {QStringLiteral("--verbose")});
    EXPECT_EQ(r.status, LinkExit::TimedOut) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("reading 0%\n"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("The radio does not respond"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.endsWith(QStringLiteral("no terminal to answer on, giving up\n"))) << r.err.toStdString();
    simOutput();
}

TEST_F(CliRadio, AReadThatCannotBeSavedKeepsTheDataInTheUsersDataFolder)
{
    const Run r = readRadio({}, path("no-folder/radio.dat"));
    EXPECT_EQ(r.status, LinkExit::SystemError) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    const QStringList kept = QDir(path("data/brisko7")).entryList({QStringLiteral("read-*.dat")}, QDir::Files);
    ASSERT_EQ(kept.size(), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(path("data/brisko7/") + kept[0])) << r.err.toStdString();
    EXPECT_EQ(QFileInfo(path("data/brisko7/") + kept[0]).size(), 25611);
    simOutput();
}

TEST_F(CliRadio, WriteFaults)
{
    const QString file = freshDataFile();
    // A few resend requests cost nothing.
    Run r = writeRadio({QStringLiteral("--resend"), QStringLiteral("0x0040:3")}, file);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(simOutput().contains(QStringLiteral("3 resend requests")));

    // Endless ones are stopped, and the user hears that the radio is half written.
    r = writeRadio({QStringLiteral("--resend"), QStringLiteral("0x0040:100000")}, file);
    EXPECT_EQ(r.status, LinkExit::ProtocolViolation) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("partly written"))) << r.err.toStdString();
    simOutput();

    // The radio's band differs from the file's.
    r = writeRadio({QStringLiteral("--band"), QStringLiteral("1")}, file);
    EXPECT_EQ(r.status, LinkExit::RefusedByRadio) << r.err.toStdString();
    EXPECT_TRUE(simOutput().contains(QStringLiteral("0 written")));

    // A radio without CTCSS/DCS is warned about and written.
    r = writeRadio({QStringLiteral("--no-tone")}, file);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("CTCSS/DCS Function is invalid,")));
    simOutput();

    // A file that is no data file is refused before the port is touched.
    QFile bad(path("bad.dat"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a data file");
    bad.close();
    r = cli({QStringLiteral("write"), path("bad.dat"), QStringLiteral("--port"), QStringLiteral("/dev/null")});
    EXPECT_EQ(r.status, 3) << r.err.toStdString();
}

TEST_F(CliRadio, MissingDeviceAndUsageErrors)
{
    Run r = cli({QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("/dev/ttyUSB-none"),
                 QStringLiteral("-o"), path("x.dat")});
    EXPECT_EQ(r.status, LinkExit::SystemError);
    EXPECT_TRUE(r.err.contains(QStringLiteral("serial port could not be opened"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("/dev/ttyUSB-none")));
    r = cli({QStringLiteral("write"), freshDataFile(), QStringLiteral("--port"), QStringLiteral("/dev/ttyUSB-none")});
    EXPECT_EQ(r.status, LinkExit::SystemError) << r.err.toStdString();
    EXPECT_LT(r.ms, HangGuardMs);
    r = cli({QStringLiteral("read"), QStringLiteral("-o"), path("x.dat")});
    EXPECT_EQ(r.status, 2);
    r = cli({QStringLiteral("info"), QStringLiteral("--port")});
    EXPECT_EQ(r.status, 2);
}

TEST_F(CliRadio, ARadioThatGoesAwayMidReadEndsTheCommandAtOnce)
{
    const QString device = startSim({QStringLiteral("--pace")});
    QProcess client;
    client.start(program("brisko7-cli"),
                 {QStringLiteral("read"), QStringLiteral("--port"), device, QStringLiteral("-o"), path("gone.dat")});
    client.closeWriteChannel();
    ASSERT_TRUE(client.waitForStarted());
    QThread::msleep(600);
    m_sim->terminate();
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(client.waitForFinished(3000));
    EXPECT_LT(t.elapsed(), 1500);
    EXPECT_NE(client.exitCode(), 0);
    const QString err = QString::fromLocal8Bit(client.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("disappeared"))) << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("gone.dat")));
}

TEST_F(CliRadio, InterruptingAWriteSendsEndAndSaysTheRadioIsPartlyWritten)
{
    const QString file = freshDataFile();
    const QString device = startSim({QStringLiteral("--pace")});
    QProcess client;
    client.start(program("brisko7-cli"), {QStringLiteral("write"), file, QStringLiteral("--port"), device});
    client.closeWriteChannel();
    ASSERT_TRUE(client.waitForStarted());
    QThread::msleep(700);
    ::kill(static_cast<pid_t>(client.processId()), SIGINT);
    ASSERT_TRUE(client.waitForFinished(3000));
    EXPECT_EQ(client.exitCode(), LinkExit::RefusedByUser);
    const QString err = QString::fromLocal8Bit(client.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("interrupted"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("partly written"))) << err.toStdString();
    // The radio heard "END": its session is over.
    const QString sim = simOutput();
    EXPECT_TRUE(sim.contains(QStringLiteral("session 1 ended"))) << sim.toStdString();
    EXPECT_FALSE(sim.contains(QStringLiteral(" 464 written"))) << sim.toStdString();
}

TEST_F(CliRadio, TheVirtualRadioAnnouncesItselfAndCleansUpOnTermination)
{
    const QString device = startSim({});
    ASSERT_FALSE(device.isEmpty());
    const QString announcement = m_dir.filePath(QStringLiteral("brisko7-sim-%1.port").arg(m_sim->processId()));
    QFile f(announcement);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLocal8Bit(f.readLine()).trimmed(), device);
    f.close();
    m_sim->terminate();
    ASSERT_TRUE(m_sim->waitForFinished(2000));
    EXPECT_EQ(m_sim->exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(announcement));
    EXPECT_TRUE(QString::fromLocal8Bit(m_sim->readAllStandardOutput()).contains(QStringLiteral("line time: 0.000 s")));
}

}  // namespace

namespace {

class CliRadioBackup : public CliRadio {
protected:
    QString backups() const { return path("data/brisko7/backups"); }
    QStringList backupNames() const
    {
        return QDir(backups()).entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
    }
};

TEST_F(CliRadioBackup, EveryReadKeepsACopyOfWhatTheRadioHeld)
{
    const QString file = path("read.dat");
    const Run r = readRadio({}, file);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList names = backupNames();
    ASSERT_EQ(names.size(), 1);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral(R"(^\d{4}-\d{2}-\d{2}_\d{6}_BRISKO7_CB\.dat$)")).match(names[0]).hasMatch())
        << names[0].toStdString();
    EXPECT_TRUE(r.err.contains(backups() + QLatin1Char('/') + names[0])) << r.err.toStdString();
    QFile a(file), b(backups() + QLatin1Char('/') + names[0]);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
    simOutput();
}

TEST_F(CliRadioBackup, NoBackupKeepsNone)
{
    const Run r = readRadio({}, path("read.dat"), {QStringLiteral("--no-backup")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(backupNames().isEmpty());
    simOutput();
}

TEST_F(CliRadioBackup, OnlyTheNewestHundredAreKept)
{
    QDir().mkpath(backups());
    for (int i = 0; i < 100; ++i) {
        QFile old(backups() + QStringLiteral("/2000-01-01_00%1_BRISKO7_CB.dat").arg(i, 4, 10, QLatin1Char('0')));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    }
    QFile other(backups() + QStringLiteral("/notes.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    const Run r = readRadio({}, path("read.dat"));
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList names = backupNames();
    EXPECT_EQ(names.size(), 100);
    EXPECT_FALSE(names.contains(QStringLiteral("2000-01-01_000000_BRISKO7_CB.dat")));
    EXPECT_TRUE(names.contains(QStringLiteral("2000-01-01_000001_BRISKO7_CB.dat")));
    EXPECT_TRUE(QFileInfo::exists(backups() + QStringLiteral("/notes.txt")));
    simOutput();
}

TEST_F(CliRadioBackup, AReadWhoseBackupFailsStillCompletesAndSaysSoOnce)
{
    QDir().mkpath(path("data/brisko7"));
    QFile blocker(backups());  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const QString file = path("read.dat");
    const Run r = readRadio({}, file);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QFileInfo(file).size(), 25611);
    EXPECT_EQ(r.err.count(QStringLiteral("backup copy could not be saved")), 1) << r.err.toStdString();
    simOutput();
}

TEST_F(CliRadioBackup, StrictWriteRefusesAFileTheCheckFindsSomethingIn)
{
    const QString file = freshDataFile();
    Document doc;
    InitDocument(doc, BRISKO7_STAGE_PROGRAM "/Init");
    SilentNotifier quiet;
    ASSERT_EQ(OpenDocument(doc, file.toStdString(), quiet).outcome, OpenOutcome::Opened);
    doc.Record.OptFeat.GroupValid.fill(0);
    doc.DocFileName = path("broken.dat").toStdString();
    ASSERT_TRUE(SaveDocument(doc, quiet));

    const Run strict = writeRadio({}, path("broken.dat"), {QStringLiteral("--strict")});
    EXPECT_EQ(strict.status, 3) << strict.err.toStdString();
    EXPECT_TRUE(strict.err.contains(QStringLiteral("No group is switched on"))) << strict.err.toStdString();
    EXPECT_FALSE(simOutput().contains(QStringLiteral("written")));

    const Run lenient = writeRadio({}, path("broken.dat"));
    EXPECT_EQ(lenient.status, 0) << lenient.err.toStdString();
    EXPECT_TRUE(lenient.err.contains(QStringLiteral("No group is switched on"))) << lenient.err.toStdString();
    EXPECT_TRUE(simOutput().contains(QStringLiteral("464 written")));
}

}  // namespace
