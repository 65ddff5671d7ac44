#pragma once

#include "../support/file_bytes.h"
#include "../support/recording_notifier.h"
#include "../support/temp_folder.h"
#include "core/base/app_state.h"
#include "core/base/lang_texts.h"
#include "core/base/version_list.h"
#include "lang_text_ids.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh temporary folder per test, the English texts of the source tree and
// a version list that pairs V100 with V100 only.
class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(m_dir / "Init");
        AppState::instance().setProgramFolder(std::string(BRISKO7_SOURCE_DIR) + "/data");
        AppState::instance().setLanguage(1);
        VersionList::instance().setHandlers({{"V100", "V100"}, {"V101", "V101"}});
        ASSERT_FALSE(GetLangText(Txt::DataFileAccessFailed).empty());
        ASSERT_NE(GetLangText(Txt::DataFileAccessFailed), GetLangText(Txt::ModelMismatch));
    }
    std::string path(const std::string& name) const { return m_temp.path(name); }
    std::string initFolder() const { return (m_dir / "Init").string(); }

    static std::string text(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t n)
    {
        return std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                           b.begin() + static_cast<std::ptrdiff_t>(at + n));
    }

    TempFolder m_temp{"df"};
    const std::filesystem::path& m_dir = m_temp.root();
    RecordingNotifier m_notes;
};
