#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

// The language files the installation ships: every "*.ini" of data/language,
// which the build stages and installs beside the program.
inline std::filesystem::path ShippedLanguageFolder()
{
    return std::filesystem::path(BRISKO7_SOURCE_DIR) / "data" / "language";
}

inline std::vector<std::string> ShippedLanguageFiles()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(ShippedLanguageFolder()))
        if (entry.path().extension() == ".ini")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Copies the shipped language files into a program folder's "language" folder.
inline void InstallShippedLanguages(const std::filesystem::path& programFolder)
{
    std::filesystem::create_directories(programFolder / "language");
    for (const auto& name : ShippedLanguageFiles())
        std::filesystem::copy_file(ShippedLanguageFolder() / name, programFolder / "language" / name,
                                   std::filesystem::copy_options::overwrite_existing);
}

// A test parameter's name for gtest: the file name without ".ini".
inline std::string LanguageFileTestName(const std::string& file)
{
    return file.substr(0, file.find('.'));
}
