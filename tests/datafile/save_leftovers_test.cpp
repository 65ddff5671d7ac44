#include "datafile_fixture.h"

#include "core/base/file_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <csignal>
#include <iostream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr long Day = 24L * 60 * 60;

// Temporary files of a save beside the target, as a killed save leaves them.
class SaveLeftovers : public DataFileTest {
protected:
    // Sets the modification time of a file (or of a link itself) back.
    void ageBy(const std::string& name, long seconds) const
    {
        const timespec times[2] = {{std::time(nullptr) - seconds, 0}, {std::time(nullptr) - seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path(name).c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << name;
    }
    std::vector<std::string> leftovers() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(m_dir))
            if (IsSaveLeftoverName(e.path().filename().string()))
                names.push_back(e.path().filename().string());
        return names;
    }
};

TEST_F(SaveLeftovers, OnlyTheNamesOfTemporarySaveFilesAreRecognised)
{
    const std::vector<std::pair<std::string, bool>> names{
        {".radio.dat.brisko7-Ab3dE6gH9jK1.tmp", true},
        {".x.brisko7-000000000000.tmp", true},
        {"radio.dat.brisko7-Ab3dE6gH9jK1.tmp", false},   // not hidden
        {".radio.dat.brisko7-Ab3dE6gH9jK.tmp", false},   // eleven random characters
        {".radio.dat.brisko7-Ab3dE6gH9j-1.tmp", false},  // not letters and digits
        {".radio.dat.brisko7-Ab3dE6gH9jK1.tmpx", false},
        {".brisko7-Ab3dE6gH9jK1.tmp", false},  // no file name before the mark
        {"radio.dat.tmp1234", false},
        {"radio.dat", false},
    };
    for (const auto& [name, ours] : names)
        EXPECT_EQ(IsSaveLeftoverName(name), ours) << name;
}

TEST_F(SaveLeftovers, ASaveRemovesOnlyOldRegularLeftoversOfTheUserBesideIt)
{
    writeBytes(path("victim.dat"), {1, 2, 3});
    struct Entry {
        std::string name;
        char kind;  // 'f' file, 'l' link to victim.dat, 'd' folder
        long age;
        bool removed;
    };
    const std::vector<Entry> entries{
        {".radio.dat.brisko7-AAAAAAAAAAAA.tmp", 'f', 2 * Day, true},
        {".other.dat.brisko7-BBBBBBBBBBBB.tmp", 'f', 2 * Day, true},   // of another file in the folder
        {".radio.dat.brisko7-CCCCCCCCCCCC.tmp", 'f', 60 * 60, false},  // a save may still be running
        {".radio.dat.brisko7-DDDDDDDDDDDD.tmp", 'l', 2 * Day, false},  // never through a link
        {".radio.dat.brisko7-EEEEEEEEEEEE.tmp", 'd', 2 * Day, false},
        {"radio.dat.tmp1234", 'f', 2 * Day, false},  // not a name of ours
    };
    for (const Entry& e : entries) {
        if (e.kind == 'f')
            writeBytes(path(e.name), {9});
        else if (e.kind == 'l')
            fs::create_symlink(path("victim.dat"), path(e.name));
        else
            fs::create_directory(path(e.name));
        ageBy(e.name, e.age);
    }
    ASSERT_TRUE(WriteFileWhole(path("radio.dat"), std::vector<std::uint8_t>(100, 5)));
    for (const Entry& e : entries)
        EXPECT_EQ(!fs::exists(fs::symlink_status(path(e.name))), e.removed) << e.name;
    EXPECT_EQ(readBytes(path("victim.dat")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(readBytes(path("radio.dat")), std::vector<std::uint8_t>(100, 5));
}

TEST_F(SaveLeftovers, ALeftoverOfAnotherUserIsLeftAlone)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make a file owned by another user";
    const std::string name = ".radio.dat.brisko7-FFFFFFFFFFFF.tmp";
    writeBytes(path(name), {9});
    ASSERT_EQ(::chown(path(name).c_str(), 65534, 65534), 0);
    ageBy(name, 2 * Day);
    ASSERT_TRUE(WriteFileWhole(path("radio.dat"), {1}));
    EXPECT_TRUE(fs::exists(path(name)));
}

// A child process saves two versions of a file in turn and is killed at
// varying points of its saves. Whatever the moment, the file must be one of
// the two versions, whole; temporary files a kill leaves behind must be
// recognisable, and the first save a day later must clear them away.
TEST_F(SaveLeftovers, KillingASaveLeavesTheOldOrTheNewFileWholeAndNoTemporaryFileForGood)
{
    const std::vector<std::uint8_t> first(25611, 'A');
    const std::vector<std::uint8_t> second(7424, 'B');
    const std::string target = path("radio.dat");
    ASSERT_TRUE(WriteFileWhole(target, first));
    constexpr int Kills = 200;
    for (int i = 0; i < Kills; ++i) {
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        std::fflush(nullptr);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipeFds[0]);
            for (int n = 0; n < 100000; ++n) {
                WriteFileWhole(target, n % 2 == 0 ? second : first);
                const char done = 1;
                if (::write(pipeFds[1], &done, 1) != 1)
                    break;
            }
            ::_exit(0);
        }
        ::close(pipeFds[1]);
        // Let a varying number of saves finish, then kill at a varying
        // point of the next one.
        char done = 0;
        for (int n = 0; n < i % 3; ++n)
            ASSERT_EQ(::read(pipeFds[0], &done, 1), 1);
        ::usleep(static_cast<useconds_t>((i * 97) % 1500));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ::close(pipeFds[0]);
        const auto now = readBytes(target);
        ASSERT_TRUE(now == first || now == second) << "kill " << i << " left " << now.size() << " bytes";
    }
    const auto left = leftovers();
    std::cout << Kills << " kills during saves; temporary files left by them: " << left.size() << "\n";
    for (const auto& name : left)
        ageBy(name, 2 * Day);  // as if the next save came a day later
    ASSERT_TRUE(WriteFileWhole(target, first));
    EXPECT_TRUE(leftovers().empty());
    EXPECT_EQ(readBytes(target), first);
}

}  // namespace
