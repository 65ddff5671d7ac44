// The INI reader on any file contents: every lookup ends, gives a trimmed
// value within its limit.
#include "fuzz_check.h"

#include "core/base/ini_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

std::string scratchPath()
{
    static const std::string path = "/tmp/brisko7-fuzz-ini-" + std::to_string(::getpid()) + ".ini";
    return path;
}

std::size_t characters(const std::string& s)
{
    std::size_t n = 0;
    for (const char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = scratchPath();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    static const char* const Sections[] = {"language", "Msg"};
    static const char* const Keys[] = {"comPort", "9008"};
    for (const char* section : Sections) {
        for (const char* key : Keys) {
            const std::string value = IniFile::read(path, section, key, "default", IniFile::TextValueLimit);
            FUZZ_CHECK(value == "default" || characters(value) <= IniFile::TextValueLimit);
            FUZZ_CHECK(value.empty() || (value.front() != ' ' && value.back() != ' '));
        }
    }
    std::remove(path.c_str());
    return 0;
}
