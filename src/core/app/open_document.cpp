// Opening a data file: the header first (model, then data version with the
// hand-over question), and only then the size, structure and content that
// this data version can read. Nothing of the document changes until every
// check has passed.

#include "core/app/data_file.h"

#include "core/base/file_error.h"
#include "core/base/lang_texts.h"
#include "core/base/notifier.h"
#include "core/base/version_list.h"
#include "core/model/band_range.h"
#include "lang_text_ids.h"
#include "core/model/data_file_format.h"
#include "core/model/document.h"
#include "core/model/field_ranges.h"
#include "core/model/fixed_text.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <system_error>
#include <vector>

namespace {

constexpr int TextFileError = Txt::DataFileAccessFailed;
constexpr int TextOtherModel = Txt::ModelMismatch;
constexpr int TextBadVersion = Txt::DataVersionInvalid;

// The model, band and data version at the start of every data file, whatever
// its data version: every version keeps this header.
constexpr std::size_t HeaderSize = DataFileFormat::ChannelCountAt;

// No data file of any version comes near this size; a larger file is not
// read into memory only to be refused.
constexpr std::uintmax_t LargestReadable = 1u << 20;

struct FileBytes {
    std::vector<std::uint8_t> bytes;
    std::string failure;   // why the file could not be read; empty when it was
    bool notData = false;  // not read because it cannot be a data file
    std::uintmax_t size = 0;
};

FileBytes readForOpen(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec)
        return {{}, SystemReason(ec)};
    if (fs::is_directory(status))
        return {{}, SystemReason(std::make_error_code(std::errc::is_a_directory))};
    // A device or a pipe is never opened: reading one could wait forever.
    if (!fs::is_regular_file(status))
        return {{}, {}, true, 0};
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec)
        return {{}, SystemReason(ec)};
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {{}, SystemReason(errno != 0 ? errno : EIO)};
    if (size > LargestReadable)
        return {{}, {}, true, size};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size()))
        return {{}, SystemReason(errno != 0 ? errno : EIO)};
    return {std::move(bytes), {}, false, size};
}

std::string fixedTextAt(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t width)
{
    return CutAndTrimFixed(std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                       bytes.begin() + static_cast<std::ptrdiff_t>(at + width)));
}

// Whether the first bytes are the header every data file starts with: a
// model name of printable characters (padded with spaces or cut by a NUL),
// a band the program knows and a data version "V" and three digits. A text,
// a picture or any other file almost never is; a data file of another
// model always is.
bool isDataFileHeader(const std::vector<std::uint8_t>& bytes)
{
    bool named = false;
    for (std::size_t i = DataFileFormat::ModelAt; i < DataFileFormat::ModelAt + DataFileFormat::ModelWidth; ++i) {
        if (bytes[i] == 0)
            break;
        if (bytes[i] < 0x20 || bytes[i] > 0x7E)
            return false;
        named = named || bytes[i] != ' ';
    }
    const int band = bytes[DataFileFormat::BandAt] | (bytes[DataFileFormat::BandAt + 1] << 8);
    const std::string version(bytes.begin() + DataFileFormat::VersionAt,
                              bytes.begin() + DataFileFormat::VersionAt + DataFileFormat::VersionWidth);
    return named && GetBandRangeText(band).has_value() && IsVersionText(CleanVersionText(version));
}

// A file that is no data file at all: that cause leads, the file follows.
OpenResult refuseNotADataFile(Notifier& notifier, const std::string& path, std::uintmax_t size)
{
    notifier.message(NotADataFileText(path, size), NoticeIcon::Error);
    return {};
}

// The file message with the file's path and the reason on a line of its own.
OpenResult refuseFile(Notifier& notifier, const std::string& path, const std::string& reason)
{
    notifier.message(FileErrorText(TextFileError, path, reason), NoticeIcon::Error);
    return {};
}

OpenResult refuse(Notifier& notifier, const std::string& text)
{
    notifier.message(text, NoticeIcon::None);
    return {};
}

bool handledHere(const std::string& version)
{
    return version == VersionList::OwnVersion || VersionList::instance().CanHandle(VersionList::OwnVersion, version);
}

}  // namespace

OpenResult OpenDocument(Document& doc, const std::string& path, Notifier& notifier,
                        const std::function<void()>& beforeChange)
{
    const FileBytes file = readForOpen(path);
    if (file.notData)
        return refuseNotADataFile(notifier, path, file.size);
    if (!file.failure.empty())
        return refuseFile(notifier, path, file.failure);
    const std::vector<std::uint8_t>& bytes = file.bytes;
    if (bytes.size() < HeaderSize)
        return refuseNotADataFile(notifier, path, bytes.size());

    if (fixedTextAt(bytes, DataFileFormat::ModelAt, DataFileFormat::ModelWidth) != CutAndTrimFixed(doc.ModelName)) {
        // The model message is for a data file of another model only.
        if (!isDataFileHeader(bytes))
            return refuseNotADataFile(notifier, path, bytes.size());
        return refuse(notifier, GetLangText(TextOtherModel));
    }
    const std::string version = CleanVersionText(
        std::string(bytes.begin() + DataFileFormat::VersionAt,
                    bytes.begin() + DataFileFormat::VersionAt + DataFileFormat::VersionWidth));
    if (!IsVersionText(version))
        return refuse(notifier, GetLangText(TextBadVersion));
    // A file of another data version may have another length and layout:
    // whether it can be read here is for the version that handles it to say.
    if (!handledHere(version)) {
        const auto answer = notifier.ask(VersionMessage(VersionList::OwnVersion, version, 1), NoticeButtons::YesNo,
                                         NoticeIcon::None);
        if (answer == NoticeAnswer::Yes)
            return {OpenOutcome::HandOver, version};
        return {};
    }

    auto contents = ReadDataFileBytes(bytes);
    if (!contents)
        return refuseFile(notifier, path, NotADataFileReason(bytes.size()));
    if (FindStructureProblem(contents->Record, contents->Channels))
        return refuseFile(notifier, path, DamagedDataFileReason());
    if (!GetBandRangeText(contents->Record.Model.Band))
        return refuse(notifier, CountryModeErrorText);
    if (FindContentProblem(contents->Record, contents->Channels))
        return refuseFile(notifier, path, DamagedDataFileReason());

    if (beforeChange)
        beforeChange();
    doc.Base.Record = contents->Record;
    doc.Base.Channels = contents->Channels;
    doc.Base.Record.Model.Version = VersionList::OwnVersion;
    RestoreFromBaseline(doc);
    doc.DocFileName = path;
    doc.IsUntitled = false;
    doc.notifyReplaced();
    return {OpenOutcome::Opened, {}};
}
