#pragma once

#include "../support/recording_notifier.h"
#include "app/app_state.h"
#include "app/lang_texts.h"
#include "app/version_list.h"
#include "lang_text_ids.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

// A fresh temporary folder per test, the English texts of the source tree and
// a version list that pairs V100 with V100 only.
class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::temp_directory_path()
            / ("brisko7_df_" + std::string(info->test_suite_name()) + "_" + info->name() + "_"
               + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir / "Init");
        AppState::instance().setProgramFolder(std::string(BRISKO7_SOURCE_DIR) + "/data");
        AppState::instance().setLanguage(1);
        VersionList::instance().setHandlers({{"V100", "V100"}, {"V101", "V101"}});
        ASSERT_FALSE(GetLangText(Txt::DataFileAccessFailed).empty());
        ASSERT_NE(GetLangText(Txt::DataFileAccessFailed), GetLangText(Txt::ModelMismatch));
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    std::string initFolder() const { return (m_dir / "Init").string(); }

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
    static std::int16_t le16(const std::vector<std::uint8_t>& b, std::size_t at)
    {
        return static_cast<std::int16_t>(b.at(at) | (b.at(at + 1) << 8));
    }
    static void putLe16(std::vector<std::uint8_t>& b, std::size_t at, int value)
    {
        b.at(at) = static_cast<std::uint8_t>(value & 0xFF);
        b.at(at + 1) = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    }
    static std::string text(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t n)
    {
        return std::string(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + n));
    }

    std::filesystem::path m_dir;
    RecordingNotifier m_notes;
};
