#include "serial/port_directory.h"

#include "core/base/ini_file.h"
#include "core/link/sim_announcement.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <fstream>
#include <unistd.h>

namespace {

class PortDirectoryTest : public ::testing::Test {
protected:
    std::string setupFile() const { return m_dir.filePath("mysetup.ini").toStdString(); }
    QTemporaryDir m_dir;
};

TEST_F(PortDirectoryTest, NewDevicesTakeTheLowestFreeNumberAndKeepIt)
{
    {
        PortDirectory dir(setupFile());
        dir.refresh({"/dev/ttyS0", "/dev/ttyUSB0"});
        EXPECT_EQ(dir.portNumberOf("/dev/ttyS0"), 1);
        EXPECT_EQ(dir.portNumberOf("/dev/ttyUSB0"), 2);
        EXPECT_EQ(dir.devicePath(2), "/dev/ttyUSB0");
        EXPECT_TRUE(dir.isPresent(1));
        EXPECT_FALSE(dir.isPresent(3));
    }
    EXPECT_EQ(IniFile::read(setupFile(), "ports", "port2"), "/dev/ttyUSB0");

    // Unplugged: the adapter keeps its number, shown as absent; a new adapter
    // does not take it.
    PortDirectory again(setupFile());
    again.refresh({"/dev/ttyS0", "/dev/ttyACM0"});
    EXPECT_FALSE(again.isPresent(2));
    EXPECT_EQ(again.devicePath(2), "/dev/ttyUSB0");
    EXPECT_EQ(again.portNumberOf("/dev/ttyACM0"), 3);
    const auto flags = again.presentFlags();
    EXPECT_TRUE(flags[0]);
    EXPECT_FALSE(flags[1]);
    EXPECT_TRUE(flags[2]);

    // Plugged in again: the same number.
    again.refresh({"/dev/ttyUSB0"});
    EXPECT_TRUE(again.isPresent(2));
    EXPECT_FALSE(again.isPresent(1));
}

TEST_F(PortDirectoryTest, DevicesBeyondSixteenAreNotOffered)
{
    std::vector<std::string> devices;
    for (int i = 0; i < 20; ++i)
        devices.push_back("/dev/ttyUSB" + std::to_string(i));
    PortDirectory dir(setupFile());
    dir.refresh(devices);
    EXPECT_EQ(dir.portNumberOf("/dev/ttyUSB15"), 16);
    EXPECT_EQ(dir.portNumberOf("/dev/ttyUSB16"), 0);
    for (bool present : dir.presentFlags())
        EXPECT_TRUE(present);
    EXPECT_EQ(dir.devicePath(17), "");
    EXPECT_EQ(dir.devicePath(0), "");
    EXPECT_FALSE(dir.isPresent(17));
}

TEST_F(PortDirectoryTest, AVirtualRadioNumberIsFreedWhenItsTerminalIsGone)
{
    PortDirectory dir(setupFile());
    dir.refresh({"/dev/ttyUSB0", "/dev/pts/7"});
    EXPECT_EQ(dir.portNumberOf("/dev/pts/7"), 2);
    EXPECT_TRUE(dir.isVirtualRadio(2));
    EXPECT_FALSE(dir.isVirtualRadio(1));
    dir.refresh({"/dev/ttyUSB0"});
    EXPECT_EQ(dir.devicePath(2), "");
    dir.refresh({"/dev/ttyUSB0", "/dev/pts/9"});
    EXPECT_EQ(dir.portNumberOf("/dev/pts/9"), 2);
    EXPECT_EQ(IniFile::read(setupFile(), "ports", "port2"), "/dev/pts/9");
}

// A pseudo-terminal of this test, as a virtual radio would have one.
class TestTerminal {
public:
    TestTerminal()
    {
        m_fd = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_fd >= 0 && ::grantpt(m_fd) == 0 && ::unlockpt(m_fd) == 0)
            m_path = ::ptsname(m_fd);
    }
    ~TestTerminal()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    const std::string& path() const { return m_path; }

private:
    int m_fd = -1;
    std::string m_path;
};

TEST_F(PortDirectoryTest, AnnouncementsOfLiveProcessesOnly)
{
    TestTerminal terminal;
    ASSERT_FALSE(terminal.path().empty());
    const std::string folder = m_dir.path().toStdString();
    const std::string device = terminal.path();
    std::ofstream(folder + "/brisko7-sim-" + std::to_string(::getpid()) + ".port") << device << "\n";
    // A process that surely is gone: the file is stale and removed.
    const std::string stale = folder + "/brisko7-sim-999999999.port";
    std::ofstream(stale) << device << "\n";
    std::ofstream(folder + "/unrelated.port") << device << "\n";
    const auto entries = SimAnnouncement::list(folder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].pid, ::getpid());
    EXPECT_EQ(entries[0].devicePath, device);
    EXPECT_FALSE(std::ifstream(stale).good());
}

TEST_F(PortDirectoryTest, AnAnnouncementMustNameAPseudoTerminal)
{
    // Anything but a pseudo-terminal is refused, so an announcement can never
    // make the program open a file or another device.
    const std::string folder = m_dir.path().toStdString();
    const std::string own = folder + "/brisko7-sim-" + std::to_string(::getpid()) + ".port";
    const std::string regular = m_dir.filePath("fake-pts").toStdString();
    std::ofstream(regular) << "";
    for (const std::string& device : {regular, std::string("/dev/null"), std::string("/dev/pts/../null")}) {
        std::ofstream(own, std::ios::trunc) << device << "\n";
        EXPECT_TRUE(SimAnnouncement::list(folder).empty()) << device;
    }
}

TEST_F(PortDirectoryTest, AnnouncementsThroughALinkOrOfAnotherUserAreIgnored)
{
    TestTerminal terminal;
    ASSERT_FALSE(terminal.path().empty());
    const std::string folder = m_dir.path().toStdString();
    const std::string target = m_dir.filePath("elsewhere").toStdString();
    std::ofstream(target) << terminal.path() << "\n";
    const std::string linked = folder + "/brisko7-sim-" + std::to_string(::getpid()) + ".port";
    ASSERT_EQ(::symlink(target.c_str(), linked.c_str()), 0);
    EXPECT_TRUE(SimAnnouncement::list(folder).empty());
    ::unlink(linked.c_str());

    // A file of another user (only root can make one here).
    std::ofstream(linked) << terminal.path() << "\n";
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give a file to another user";
    ASSERT_EQ(::chown(linked.c_str(), 65534, 65534), 0);
    EXPECT_TRUE(SimAnnouncement::list(folder).empty());
    EXPECT_TRUE(std::ifstream(linked).good()) << "another user's file is not ours to remove";
}

TEST_F(PortDirectoryTest, WritingAnAnnouncementNeverFollowsAPlantedLink)
{
    const QByteArray old = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
    const std::string victim = m_dir.filePath("victim").toStdString();
    std::ofstream(victim) << "keep\n";
    const std::string temporary = SimAnnouncement::pathFor(::getpid()) + ".tmp";
    ASSERT_EQ(::symlink(victim.c_str(), temporary.c_str()), 0);
    std::string path;
    EXPECT_TRUE(SimAnnouncement::write("/dev/pts/42", path));
    std::string line;
    std::getline(std::ifstream(victim), line);
    EXPECT_EQ(line, "keep");
    SimAnnouncement::remove(path);
    qputenv("XDG_RUNTIME_DIR", old);
}

TEST_F(PortDirectoryTest, AnnouncementIsWrittenToTheRuntimeFolderAndRemoved)
{
    const QByteArray old = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
    std::string path;
    ASSERT_TRUE(SimAnnouncement::write("/dev/pts/42", path));
    EXPECT_EQ(path, SimAnnouncement::pathFor(::getpid()));
    EXPECT_EQ(path.rfind(m_dir.path().toStdString(), 0), 0u);
    std::string line;
    std::getline(std::ifstream(path) >> std::ws, line);
    EXPECT_EQ(line, "/dev/pts/42");
    SimAnnouncement::remove(path);
    EXPECT_FALSE(std::ifstream(path).good());
    qputenv("XDG_RUNTIME_DIR", old);
}

}  // namespace
