#include "core/base/file_error.h"

#include "core/base/lang_texts.h"
#include "lang_text_ids.h"

#include <cctype>

namespace {

constexpr std::int32_t TextNotADataFile = Txt::NotADataFile;
constexpr std::int32_t TextDamaged = Txt::DamagedDataFile;

}  // namespace

std::string FileErrorText(std::int32_t textNumber, const std::string& path, const std::string& reason)
{
    std::string text = GetLangText(textNumber);
    if (!path.empty())
        text += "\r\n" + path + (reason.empty() ? std::string() : ": " + reason);
    return text;
}

std::string SystemReason(const std::error_code& error)
{
    std::string reason = error.message();
    if (!reason.empty() && std::isupper(static_cast<unsigned char>(reason[0])))
        reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    return reason;
}

std::string SystemReason(int errnoValue)
{
    return SystemReason(std::error_code(errnoValue, std::generic_category()));
}

std::string NotADataFileReason(std::uintmax_t sizeInBytes)
{
    std::string text = GetLangText(TextNotADataFile);
    const std::string marker = "%1";
    const std::size_t at = text.find(marker);
    const std::string size = std::to_string(sizeInBytes);
    if (at == std::string::npos)
        return text + " " + size;
    return text.replace(at, marker.size(), size);
}

std::string NotADataFileText(const std::string& path, std::uintmax_t sizeInBytes)
{
    std::string text = NotADataFileReason(sizeInBytes);
    if (!text.empty() && std::islower(static_cast<unsigned char>(text[0])))
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return path.empty() ? text : text + "\r\n" + path;
}

std::string DamagedDataFileReason()
{
    return GetLangText(TextDamaged);
}
