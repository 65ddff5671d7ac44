#pragma once

#include "core/base/file_save.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Document;
struct ChannelRecord;
class Notifier;

// The "*.dat" data files (25611 bytes: a 1071-byte document record, then the
// MaxChannels channel entries of 60 bytes each) and the default documents built from
// built-in values and the files of the "Init" folder.

inline constexpr std::size_t DataFileSize = 25611;

// Writes the document to doc.DocFileName whole (SaveFileBytes). The baseline
// is taken only after a complete write. On failure shows text 9002 (9540 for
// a link that belongs to another user), leaves the document as it was (still
// modified) and returns false.
bool SaveDocument(Document& doc, Notifier& notifier);

// The message of a save of path that failed: text 9002 (9540 for a link
// that belongs to another user) with the file and the reason.
std::string SaveFailureText(const std::string& path, const FileSaveResult& saved);

enum class OpenOutcome {
    Opened,    // the document now holds the file; DocFileName is the path
    Refused,   // a message was shown; the document is exactly as it was
    HandOver,  // the user chose to hand the file to the program version that
               // handles its data version: the caller starts it (StartHandler
               // with handOverVersion) and ends this program
};

struct OpenResult {
    OpenOutcome outcome = OpenOutcome::Refused;
    std::string handOverVersion;  // the file's data version, with HandOver
};

// Opens a data file with its checks in this order: the header (model, then
// data version, which may bring the hand-over question), then the size and
// structure this data version reads, then the content. Nothing of the
// document changes until every check passed. A file that cannot be read is
// reported with its path and the reason (text 9002); a file that is no data
// file at all (too short or too long for one, or without a data file's
// header) with text 9533 first, then its path. Text 9012 is for the header
// of a data file of another model. beforeChange runs once every check has
// passed, just before the document changes (a window closes what showed the
// old document); a refused file never runs it.
OpenResult OpenDocument(Document& doc, const std::string& path, Notifier& notifier,
                        const std::function<void()>& beforeChange = {});

// A new document: built-in defaults, then the default file (model_band_NEW.dat,
// or model_band.dat when doc.InitRequest is set), or else the settings of the
// fall-back file BRISKO7_0.dat. Each file is looked for in the folders in
// order; the first good copy wins, so a user's own file stands in for the
// installation's and a broken one does not hide it. No folders: the built-in
// defaults alone. Ends with a baseline equal to the document. Tells the
// document's observers it was replaced.
void InitDocument(Document& doc, const std::vector<std::string>& initFolders);
// The same with one folder.
void InitDocument(Document& doc, const std::string& initFolder);
// The same with the user's and then the installation's "Init" folder.
void InitDocument(Document& doc);

// Copies the document (records and used channel entries) to its baseline,
// the model record first set from the current model name, band and "V100".
void TakeBaseline(Document& doc);
// Copies the baseline back to the document and applies its model record
// (model name, band state). A band other than 0, 1, 2 changes nothing and
// returns false.
bool RestoreFromBaseline(Document& doc);

// The model text cut at its first NUL and stripped of trailing spaces.
std::string ModelDisplayName(const std::string& model);
// "Frequency" for the CB range text, otherwise the text itself.
std::string BandDisplayText(const std::string& bandRangeText);
