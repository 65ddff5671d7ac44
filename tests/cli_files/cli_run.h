#pragma once

#include "../support/file_bytes.h"
#include "../support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

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

    std::string path(const std::string& name) const { return m_temp.path(name); }

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
        const std::string command = "XDG_DATA_HOME='" + path("userdata") + "' '" + m_cli + "' " + arguments + " >'"
            + path("stdout.txt") + "' 2>'" + path("stderr.txt") + "'";
        const int raw = std::system(command.c_str());
        Run r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = readText(path("stdout.txt"));
        r.err = readText(path("stderr.txt"));
        return r;
    }

    static int lineCount(const std::string& text)
    {
        int n = 0;
        for (const char c : text)
            n += c == '\n';
        return n;
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

    TempFolder m_temp{"cli", false};
    const std::filesystem::path& m_dir = m_temp.root();
    std::string m_cli = std::string(BRISKO7_STAGE_PROGRAM) + "/brisko7-cli";
};
