#pragma once

#include "../support/file_bytes.h"
#include "../support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// A fresh temporary folder per test, removed afterwards.
class TempDirTest : public ::testing::Test {
protected:
    std::string path(const std::string& relative) const { return m_temp.path(relative); }

    void writeFile(const std::string& relative, const std::string& text) const { writeText(m_dir / relative, text); }
    std::string readFile(const std::string& relative) const { return readText(m_dir / relative); }

    TempFolder m_temp{"app"};
    const std::filesystem::path& m_dir = m_temp.root();
};
