#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

// A fresh folder in the system's temporary folder for the running test, named
// after the test (and the process, so parallel test programs never meet) and
// removed again when the test ends.
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix, bool withSuite = true)
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "brisko7_" + prefix + "_";
        if (withSuite)
            name += std::string(info->test_suite_name()) + "_";
        m_root = std::filesystem::temp_directory_path() / (name + info->name() + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_root);
        std::filesystem::create_directories(m_root);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& root() const { return m_root; }
    std::string path(const std::string& relative) const { return (m_root / relative).string(); }

private:
    std::filesystem::path m_root;
};
