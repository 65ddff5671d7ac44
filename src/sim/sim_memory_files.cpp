#include "sim_memory_files.h"

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "core/base/notifier.h"
#include "core/base/version_list.h"
#include "core/model/document.h"
#include "core/model/image_codec.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

// Keeps the last message of the data-file functions as the error.
class RecordingNotifier : public Notifier {
public:
    void message(const std::string& text, NoticeIcon, const std::string&) override { last = text; }
    NoticeAnswer ask(const std::string& text, NoticeButtons, NoticeIcon, const std::string&) override
    {
        last = text;
        return NoticeAnswer::Cancel;
    }
    std::string last;
};

bool endsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool saveRaw(const std::string& path, const RadioImage& image)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        if (!out.flush())
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    return !ec;
}

}  // namespace

void PrepareSimInstallation()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return;
    AppState& app = AppState::instance();
    app.setProgramFolder(exe.parent_path().string());
    VersionList::instance().load(app.versionListPath());
}

bool LoadStartImage(const std::string& path, RadioImage& image, std::optional<int>& band, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() == RadioImageSize) {
        std::copy(bytes.begin(), bytes.end(), image.data());
        return true;
    }
    if (bytes.size() != DataFileSize) {
        error = path + " is neither a memory image (7424 bytes) nor a data file (25611 bytes)";
        return false;
    }
    Document doc;
    InitDocument(doc);
    RecordingNotifier notifier;
    if (OpenDocument(doc, path, notifier).outcome != OpenOutcome::Opened) {
        error = path + ": " + (notifier.last.empty() ? std::string("not a data file of this model") : notifier.last);
        return false;
    }
    doc.Image.clear();
    EncodeImage(doc);
    image = doc.Image;
    band = doc.BandMode;
    return true;
}

bool SaveRadioMemory(const std::string& path, const RadioImage& image, int band, std::string& error)
{
    if (!endsWith(path, ".dat")) {
        if (saveRaw(path, image))
            return true;
        error = "cannot write " + path;
        return false;
    }
    Document doc;
    InitDocument(doc);
    doc.Image = image;
    doc.Radio.RadioBand = static_cast<std::uint8_t>(band);
    if (!DecodeImage(doc)) {
        error = "the band of this radio cannot be stored in a data file";
        return false;
    }
    doc.DocFileName = path;
    RecordingNotifier notifier;
    if (!SaveDocument(doc, notifier)) {
        error = "cannot write " + path + (notifier.last.empty() ? "" : ": " + notifier.last);
        return false;
    }
    return true;
}
