#include "core/app/data_file.h"
#include "core/model/default_channel.h"

#include "core/base/file_error.h"

#include "core/base/app_state.h"
#include "core/base/lang_texts.h"
#include "core/base/notifier.h"
#include "core/base/paths.h"
#include "core/base/version_list.h"
#include "core/model/band_range.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "lang_text_ids.h"
#include "core/model/data_file_format.h"
#include "core/model/document.h"
#include "core/model/field_ranges.h"
#include "core/model/fixed_text.h"
#include "core/model/radio_info.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

static_assert(DataFileSize == DataFileFormat::FileSize);

namespace {

constexpr int TextFileError = Txt::DataFileAccessFailed;
constexpr int TextForeignLink = Txt::ForeignLinkRefused;
constexpr const char* NewFileName = "new.dat";
constexpr const char* FallbackFileName = "BRISKO7_0.dat";

// The whole file, or nothing when it cannot be read or is not one data file long.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || std::filesystem::file_size(path, ec) != DataFileSize || ec)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(DataFileSize);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in || in.gcount() != static_cast<std::streamsize>(bytes.size()))
        return std::nullopt;
    return bytes;
}

// A data file whose structure and content an image and this program can hold.
std::optional<DataFileContents> readCheckedFile(const std::string& path)
{
    const auto bytes = readWholeFile(path);
    if (!bytes)
        return std::nullopt;
    auto contents = ReadDataFileBytes(*bytes);
    if (!contents || FindFieldProblem(contents->Record, contents->Channels))
        return std::nullopt;
    return contents;
}

}  // namespace

namespace {

ModelRecord currentModelRecord(const Document& doc)
{
    return {doc.ModelName, doc.BandMode, VersionList::OwnVersion};
}

int usedCount(const DocumentRecord& record)
{
    return std::clamp<int>(record.ChannelCount, 0, MaxChannels);
}

// The middle of the band, written with 15 significant digits so that the CB
// middle is 27.185 and not 27.18499..., and always with "." whatever the
// locale of the C library (a Qt application switches it to the user's).
std::string bandMiddleText(const Document& doc)
{
    char buffer[64] = {};
    const auto result = std::to_chars(buffer, buffer + sizeof buffer - 1, (doc.FreqMin + doc.FreqMax) / 2.0,
                                      std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

void setDefaultChannels(Document& doc)
{
    static const char* const memFreqs[MemChannelCount] = {"28.015000", "28.145000", "28.115000", "28.085000",
                                                          "28.055000", "28.025000", "28.075000", "28.005000"};
    const std::string middle = FreqTextToCode(bandMiddleText(doc), doc);
    int count = 0;
    doc.ChannelList[count++] = DefaultChannel(1, middle);
    // The new document holds what the radio keeps: the VFO channel of the
    // bank bands has no scan flag in the radio, and the CB band has no VFO
    // channel at all.
    if (doc.BandMode != 0) {
        ChannelRecord vfo = DefaultChannel(VfoChannelNo, middle);
        vfo.Scan = 0;
        doc.ChannelList[count++] = vfo;
    }
    for (int k = 0; k < MemChannelCount; ++k)
        doc.ChannelList[count++] = DefaultChannel(FirstMemChannelNo + k, FreqTextToCode(memFreqs[k], doc));
    doc.ChannelCount = static_cast<std::int16_t>(count);
}

void setDefaultOptions(OptFeatRecord& o)
{
    o.GridGroup = 0;
    o.UseMemChannel = 0;
    o.UseVfo = 0;
    o.Value1B = 1;
    o.GroupValid.fill(0);
    o.GroupValid[0] = 1;
    o.WorkChannel.fill(0);
    for (auto& row : o.EmergencyChannel)
        row.fill(0);
    for (auto& row : o.GroupMode)
        row.fill(0);
    o.Beep = 0;
    o.TimeOutTimer = 4;
    o.Backlight = 1;
    o.SpeakerVolume = 1;
    o.SquelchLevel = 3;
    o.AsqFun = 0;
    o.AsqValue = 3;
    o.GainControl = 0;
    o.ChannelDisplay = 0;
    o.ScanType = 0;
    o.ScanTime = 1;
    o.SqlStepBack = 1;
    o.AsqStepBack = 1;
    o.AutoPowerOn = 0;
    o.AllowMemEdit = 0;
    o.UseMaxSwr = 1;
    o.MaxSwr = 160;
}

void setDefaultPublic(ChannelRecord& p)
{
    for (const auto& f : ChannelSlotFields())
        p.*f.member = 0;
    p.OffSetFre = 5;
}

void setDefaultDtmf(DtmfSettings& d)
{
    d.DtmfRate = 10;
    d.FirstDigitTime = 0;
    d.FirstDigitDelay = 2;
    d.StarHashTone = 0;
    d.DKeySetting = 0;
    d.DtmfDisplay = 1;
    for (auto& code : d.Codes)
        code = {0, std::string(16, ' ')};
}

void setTip(ToneTip& tip, std::initializer_list<ToneTipTone> tones, int loopCount)
{
    tip = ToneTip{};
    std::copy(tones.begin(), tones.end(), tip.Tones.begin());
    tip.LoopCount = static_cast<std::int16_t>(loopCount);
}

void setDefaultTips(ToneTips& tips)
{
    setTip(tips[0], {{210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}}, 1);
    setTip(tips[1], {}, 1);
    for (std::size_t k = 0; k < tips[1].Tones.size(); ++k)
        tips[1].Tones[k] = k % 2 == 0 ? ToneTipTone{80, 4} : ToneTipTone{0, 4};
    setTip(tips[2], {{170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}}, 1);
    setTip(tips[3], {{64, 6}, {94, 6}, {134, 6}, {163, 6}, {192, 6}}, 1);
    setTip(tips[4], {{150, 20}, {70, 20}, {150, 20}, {70, 20}, {150, 20}, {70, 20}}, 1);
    for (std::size_t t = 5; t < tips.size(); ++t)
        setTip(tips[t], {}, 0);
}

void setKeyDefaults(KeySettings& keys)
{
    keys.KeyMode = 3;
    for (std::size_t k = 0; k < keys.Keys.size(); ++k)
        keys.Keys[k] = static_cast<std::int16_t>(k + 1);
}

void applyBuiltInDefaults(Document& doc)
{
    doc.DocFileName = NewFileName;
    doc.IsUntitled = true;
    setKeyDefaults(doc.Record.Keys);
    setDefaultOptions(doc.Record.OptFeat);
    setDefaultPublic(doc.Record.PublicChannel);
    setDefaultDtmf(doc.Record.Dtmf);
    setDefaultChannels(doc);
    doc.Record.Model = currentModelRecord(doc);
    setDefaultTips(doc.Record.Tips);
    SetRadioInfoDefaults(doc.RadioInfo, doc.BandMode, doc.ModelName);
}

std::string defaultFileName(const Document& doc)
{
    return doc.ModelName + "_" + std::to_string(doc.BandMode) + (doc.InitRequest ? ".dat" : "_NEW.dat");
}

struct FoundFile {
    bool exists = false;                       // some folder has a file of that name
    std::optional<DataFileContents> contents;  // the first of them that reads as a good data file
};

// Looks for a default file in the folders in order, file by file: a user's
// broken copy does not hide the installation's good one.
FoundFile findDefaultFile(const std::vector<std::string>& folders, const std::string& name)
{
    FoundFile found;
    for (const std::string& folder : folders) {
        const std::string path = Paths::join(folder, name);
        if (!Paths::fileExists(path))
            continue;
        found.exists = true;
        found.contents = readCheckedFile(path);
        if (found.contents)
            break;
    }
    return found;
}

// A default file replaces the whole document.
void applyDefaultFile(Document& doc, const DataFileContents& contents)
{
    doc.Base.Record = contents.Record;
    doc.Base.Channels = contents.Channels;
    if (!RestoreFromBaseline(doc))
        TakeBaseline(doc);
}

// The fall-back file gives its settings but no channels and keeps the band.
void applyFallbackFile(Document& doc, const DataFileContents& contents)
{
    doc.Base.Record = contents.Record;
    doc.Base.Record.ChannelCount = 0;
    doc.Record = doc.Base.Record;
    doc.Record.Model = currentModelRecord(doc);
    TakeBaseline(doc);
}

}  // namespace

void TakeBaseline(Document& doc)
{
    doc.Record.Model = currentModelRecord(doc);
    doc.Base.Record = doc.Record;
    std::copy_n(doc.ChannelList.begin(), usedCount(doc.Record), doc.Base.Channels.begin());
}

bool RestoreFromBaseline(Document& doc)
{
    const int band = doc.Base.Record.Model.Band;
    if (!GetBandRangeText(band))
        return false;
    doc.Record = doc.Base.Record;
    doc.ModelName = CutAndTrimFixed(doc.Record.Model.Model);
    ApplyBandMode(doc, band);
    doc.RadioInfo.InfoBand = static_cast<std::int16_t>(band);
    std::copy_n(doc.Base.Channels.begin(), usedCount(doc.Record), doc.ChannelList.begin());
    return true;
}

std::string SaveFailureText(const std::string& path, const FileSaveResult& saved)
{
    // Which file failed and why: the system's words, or the link chain's.
    const std::string reason = saved.problem == FileSaveProblem::LinkLoop ? SystemReason(ELOOP) : saved.systemMessage;
    const int text = saved.problem == FileSaveProblem::ForeignLink ? TextForeignLink : TextFileError;
    return FileErrorText(text, path, reason);
}

bool SaveDocument(Document& doc, Notifier& notifier)
{
    DocumentRecord record = doc.Record;
    record.Model = currentModelRecord(doc);
    const FileSaveResult saved = SaveFileBytes(doc.DocFileName, WriteDataFileBytes(record, doc.ChannelList));
    if (!saved.ok()) {
        notifier.message(SaveFailureText(doc.DocFileName, saved), NoticeIcon::Error);
        return false;
    }
    TakeBaseline(doc);
    doc.IsUntitled = false;
    return true;
}

void InitDocument(Document& doc, const std::vector<std::string>& initFolders)
{
    applyBuiltInDefaults(doc);
    TakeBaseline(doc);
    // A default file that exists but is bad everywhere leaves the built-in
    // defaults; only a missing one lets the fall-back file in.
    const FoundFile own = findDefaultFile(initFolders, defaultFileName(doc));
    if (own.contents)
        applyDefaultFile(doc, *own.contents);
    else if (!own.exists && std::string(FallbackFileName).starts_with(doc.ModelName + "_")) {
        if (const FoundFile fallback = findDefaultFile(initFolders, FallbackFileName); fallback.contents)
            applyFallbackFile(doc, *fallback.contents);
    }
    doc.notifyReplaced();
}

void InitDocument(Document& doc, const std::string& initFolder)
{
    InitDocument(doc, std::vector<std::string>{initFolder});
}

void InitDocument(Document& doc)
{
    InitDocument(doc, AppState::instance().initFolders());
}

std::string ModelDisplayName(const std::string& model)
{
    return CutAndTrimFixed(model);
}

std::string BandDisplayText(const std::string& bandRangeText)
{
    return bandRangeText == DefaultBandRangeText ? "Frequency" : bandRangeText;
}
