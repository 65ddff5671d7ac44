#include "serial/device_access.h"

#include "core/base/app_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <unistd.h>

namespace {

class DeviceAccessTest : public ::testing::Test {
protected:
    void SetUp() override { AppState::instance().setProgramFolder(BRISKO7_SOURCE_DIR "/data"); }
};

TEST_F(DeviceAccessTest, AdviceNamesTheGroupThatGrantsAccessOrSaysThatNoneDoes)
{
    const std::string join = "sudo usermod -aG ";
    const struct {
        DeviceAccess access;
        const char* command;    // the exact command, or nullptr when no group can help
        const char* ownership;  // the owner, group and mode as the advice shows them
    } cases[] = {
        {{"root", "dialout", 0660, 'c'}, "sudo usermod -aG dialout $USER", "root dialout crw-rw----"},
        {{"root", "uucp", 0660, 'c'}, "sudo usermod -aG uucp $USER", "root uucp crw-rw----"},
        {{"root", "dialout", 0640, 'c'}, nullptr, "root dialout crw-r-----"},
        {{"root", "root", 0660, 'c'}, nullptr, "root root crw-rw----"},
        {{"root", "root", 0600, 'c'}, nullptr, "root root crw-------"},
        {{"ann", "tty", 0620, 'c'}, nullptr, "ann tty crw--w----"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ownership);
        const std::string advice = PermissionAdvice(c.access);
        EXPECT_NE(advice.find(std::string("Owner, group and permissions: ") + c.ownership), std::string::npos)
            << advice;
        if (c.command) {
            EXPECT_NE(advice.find(c.command), std::string::npos) << advice;
            EXPECT_NE(advice.find("log out and in again"), std::string::npos) << advice;
        } else {
            EXPECT_EQ(advice.find(join), std::string::npos) << advice;
            EXPECT_NE(advice.find("no group may use it: only its owner (" + c.access.owner + ")"), std::string::npos)
                << advice;
        }
    }
}

TEST_F(DeviceAccessTest, InspectionReadsOwnerGroupAndModeFromTheDevice)
{
    const auto file = std::filesystem::temp_directory_path() / ("brisko7_access_" + std::to_string(::getpid()));
    std::ofstream(file).put('x');
    std::filesystem::permissions(file, std::filesystem::perms(0640));
    const auto access = InspectDeviceAccess(file.string());
    ASSERT_TRUE(access.has_value());
    EXPECT_EQ(access->owner, ::getpwuid(::geteuid())->pw_name);
    EXPECT_EQ(access->modeText(), "-rw-r-----");
    EXPECT_FALSE(InspectDeviceAccess(file.string() + "-none-such").has_value());
    std::filesystem::remove(file);
}

}  // namespace
