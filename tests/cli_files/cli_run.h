#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Runs the staged brisko7-cli in a fresh temporary folder and keeps its exit
// status, standard output and standard error. The user's data folder is
// path("userdata"), so no default file of the person running the tests counts.
class CliTest : public ::testing::Test {
protected:
    struct Run {
        int status = -1;
        std::string out;
        std::string err;
    };

    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::temp_directory_path()
            / ("brisko7_cli_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    // From now on runs a copy of the tool in an installation of its own under
    // path("bare"), whose "Init" folder is empty: new documents are the
    // built-in ones.
    void installBare()
    {
        const std::filesystem::path stage(BRISKO7_STAGE_PROGRAM);
        const std::filesystem::path program = m_dir / "bare" / "V100";
        std::filesystem::create_directories(program / "Init");
        std::filesystem::copy(stage / "language", program / "language", std::filesystem::copy_options::recursive);
        std::filesystem::copy_file(stage.parent_path() / "Version.ini", m_dir / "bare" / "Version.ini");
        std::error_code ec;
        std::filesystem::create_hard_link(stage / "brisko7-cli", program / "brisko7-cli", ec);
        if (ec)
            std::filesystem::copy_file(stage / "brisko7-cli", program / "brisko7-cli");
        m_cli = (program / "brisko7-cli").string();
    }

    Run run(const std::string& arguments) const
    {
        const std::string command = "XDG_DATA_HOME='" + path("userdata") + "' '" + m_cli + "' " + arguments + " >'" + path("stdout.txt") + "' 2>'"
            + path("stderr.txt") + "'";
        const int raw = std::system(command.c_str());
        Run r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = readText(path("stdout.txt"));
        r.err = readText(path("stderr.txt"));
        return r;
    }

    static std::string readText(const std::string& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::vector<std::uint8_t> readBytes(const std::string& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void writeBytes(const std::string& p, const std::vector<std::uint8_t>& bytes)
    {
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static int lineCount(const std::string& text)
    {
        int n = 0;
        for (const char c : text)
            n += c == '\n';
        return n;
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

    std::filesystem::path m_dir;
    std::string m_cli = std::string(BRISKO7_STAGE_PROGRAM) + "/brisko7-cli";
};
