#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class Document;

// Channels from CSV text: files this program exported and files of other
// radio programs that hold only the common exchange columns, in any column
// order. Every value goes through the channel update path, so the band's
// rules apply as in the editors; a value that is not taken exactly as written
// is noted with its line. An empty, disabled bank that the import fills is
// enabled, so that the radio offers its channels. The whole import is one change of the
// document; a file that cannot be read as channels changes nothing.

struct CsvImportOptions {
    // The group that rows without this program's Group column fill, from
    // position 1 in file order; empty: bank "A", or "MEM" in the CB band.
    std::string group;
};

enum class CsvImportRefusal {
    None,
    NotCsv,  // binary data, or text that ends inside a quoted field
    NoFrequencyColumn,
};

enum class CsvNoteKind {
    // The row was imported with a change.
    FreqMoved,        // clamped into the band or moved onto its steps
    ToneUnavailable,  // a tone the radio cannot use; left off
    UnknownPower,     // the position keeps its power
    DuplexOff,        // no transmit cannot be set per channel; no shift
    ValueRefused,     // a column's value was not taken (the detail names the column)
    // The row was refused.
    NoPlanChannel,  // CB country group: no channel of the plan has the frequency
    BadFrequency,   // no frequency this radio can use
    NoRoom,         // the group has no position left
    NoSuchPlace,    // the group or position does not exist in the band
};

struct CsvNote {
    int line = 0;
    CsvNoteKind kind = CsvNoteKind::ValueRefused;
    std::string detail;

    bool refusesRow() const { return kind >= CsvNoteKind::NoPlanChannel; }
    bool operator==(const CsvNote&) const = default;
};

// The lines and notes a summary lists; the rest are counted. A file of
// millions of bad rows must give a message a person can read.
constexpr std::size_t MaxCsvListed = 20;

struct CsvImportSummary {
    CsvImportRefusal refusal = CsvImportRefusal::None;
    int imported = 0;                        // rows taken, with or without a change
    int changedByRule = 0;                   // of them, rows that a rule changed or whose values were not all taken
    std::vector<int> refusedLines;           // the first MaxCsvListed refused rows
    int refusedUnlisted = 0;                 // refused rows beyond them
    std::vector<CsvNote> notes;              // the first MaxCsvListed notes
    int notesUnlisted = 0;                   // notes beyond them
    std::vector<std::string> enabledGroups;  // empty, disabled groups the import filled and enabled

    bool accepted() const { return refusal == CsvImportRefusal::None; }
    int refusedRows() const { return static_cast<int>(refusedLines.size()) + refusedUnlisted; }
    // Every value was taken as written, and every row.
    bool clean() const { return accepted() && changedByRule == 0 && refusedRows() == 0; }
    // The file was read, but not a single row was taken: the document is unchanged.
    bool tookNothing() const { return accepted() && imported == 0; }
};

CsvImportSummary ImportCsv(Document& doc, std::string_view text, const CsvImportOptions& options = {});

// True when the text has no Group column of this program, so that its rows
// fill the group the options name.
bool CsvRowsNeedGroup(std::string_view text);

// The group index of a group name of the document's band (any case); -1 for none.
int GroupByName(const Document& doc, std::string_view name);

// The summary in the current language: the refusal, or the counts, the
// refused line numbers and one line per note.
std::string CsvImportSummaryText(const CsvImportSummary& summary);
