#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// Some behaviour only shows for an ordinary user: the superuser may write a
// read-only file or folder. Run as root (as CI does), such a check runs in a
// forked child that first hands the test's folder to the user "nobody" and
// then becomes that user; its failures are reported in the child's output
// and make the test fail here.
inline void RunAsOrdinaryUser(const std::filesystem::path& folder, const std::function<void()>& body)
{
    if (::geteuid() != 0) {
        body();
        return;
    }
    constexpr uid_t Nobody = 65534;
    std::error_code ec;
    // The folder must lie where the other user can reach it (the system's
    // temporary folder is).
    ASSERT_EQ(::chown(folder.c_str(), Nobody, Nobody), 0);
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder, ec))
        ASSERT_EQ(::lchown(item.path().c_str(), Nobody, Nobody), 0) << item.path();
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
            ::_exit(2);
        body();
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the check as an ordinary user failed (its output stands above)";
}
