#include "core/interchange/csv_import.h"

#include "core/interchange/csv_columns.h"
#include "core/interchange/csv_table.h"

#include "core/base/lang_texts.h"
#include "core/model/undo_group.h"
#include "core/base/notifier.h"
#include "core/base/text_fill.h"
#include "core/channels/channel_rules.h"
#include "core/channels/channel_update.h"
#include "core/channels/group_settings.h"
#include "core/model/band_range.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/base/numeric_text.h"
#include "core/base/text_helpers.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

namespace {

constexpr int HfBand = 1;  // its range is all the radio tunes in any band

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// A whole number written as such ("3", "3.0"); nothing for "1.5" or text.
std::optional<int> exactInteger(std::string_view text, int min, int max)
{
    const auto value = ParseNumericText(text);
    if (!value || *value != std::floor(*value) || *value < min || *value > max)
        return std::nullopt;
    return static_cast<int>(*value);
}

long mhzUnits(double mhz)
{
    return std::lround(mhz * 100000.0);
}

// One data row, read by column name; a column the file lacks gives nothing.
class RowView {
public:
    RowView(const CsvRow& row, const std::map<std::string, std::size_t>& columns) : m_row(row), m_columns(columns) {}

    std::optional<std::string> get(const std::string& column) const
    {
        const auto it = m_columns.find(column);
        if (it == m_columns.end())
            return std::nullopt;
        return it->second < m_row.fields.size() ? trimmed(m_row.fields[it->second]) : std::string();
    }
    std::string value(const std::string& column, const std::string& absent = {}) const
    {
        return get(column).value_or(absent);
    }
    bool has(const std::string& column) const { return m_columns.count(column) != 0; }
    int line() const { return m_row.line; }

private:
    const CsvRow& m_row;
    const std::map<std::string, std::size_t>& m_columns;
};

// The column names of the header row in the spelling this program uses, so
// that "frequency" or "FREQUENCY" count as well.
std::map<std::string, std::size_t> columnsOf(const CsvRow& header)
{
    std::map<std::string, std::size_t> columns;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name = trimmed(header.fields[i]);
        std::string known = name;
        for (const char* column : CommonCsvColumns) {
            if (SameWordIgnoringCase(column, name))
                known = column;
        }
        for (const std::string& column : OwnCsvColumns()) {
            if (SameWordIgnoringCase(column, name))
                known = column;
        }
        columns.emplace(known, i);
    }
    return columns;
}

// A notifier that only remembers whether the update path warned.
class WarningCounter : public Notifier {
public:
    void message(const std::string&, NoticeIcon, const std::string& = {}) override { ++warnings; }
    NoticeAnswer ask(const std::string&, NoticeButtons buttons, NoticeIcon, const std::string& = {}) override
    {
        ++warnings;
        return buttons == NoticeButtons::YesNo ? NoticeAnswer::No : NoticeAnswer::Cancel;
    }
    int warnings = 0;
};

class Importer {
public:
    Importer(Document& doc, const CsvImportOptions& options, CsvImportSummary& summary)
        : m_doc(doc), m_band(doc.BandMode), m_summary(summary)
    {
        m_fillGroup = options.group.empty() ? (m_band == 0 ? Groups::CbMem : 0) : GroupByName(doc, options.group);
        m_radioRange = ParseBandRangeText(GetBandRangeText(HfBand).value_or(""));
    }

    void importRow(const RowView& row)
    {
        m_notes.clear();
        m_line = row.line();
        if (placeAndTune(row))
            applySettings(row);
        const bool refused = !m_notes.empty() && m_notes.back().refusesRow();
        if (refused) {
            if (m_summary.refusedLines.size() < MaxCsvListed)
                m_summary.refusedLines.push_back(m_line);
            else
                ++m_summary.refusedUnlisted;
        } else {
            ++m_summary.imported;
            m_summary.changedByRule += m_notes.empty() ? 0 : 1;
        }
        for (const CsvNote& n : m_notes) {
            if (m_summary.notes.size() < MaxCsvListed)
                m_summary.notes.push_back(n);
            else
                ++m_summary.notesUnlisted;
        }
    }

    // Bank groups that hold no channel and are disabled: filling one enables it.
    void rememberEmptyDisabledGroups()
    {
        for (int g = 0; g < Groups::BankMem; ++g) {
            if (IsGroupSettingOffered(m_doc, g, GroupSetting::GroupValid)
                && GroupSettingValue(m_doc, g, GroupSetting::GroupValid) == 0 && !holdsChannel(g))
                m_emptyDisabled.push_back(g);
        }
    }

    void enableFilledGroups()
    {
        for (const int g : m_emptyDisabled) {
            if (holdsChannel(g) && !SetGroupSetting(m_doc, g, GroupSetting::GroupValid, 1).refused()
                && GroupSettingValue(m_doc, g, GroupSetting::GroupValid) == 1)
                m_summary.enabledGroups.push_back(GetGroupName(g, m_band));
        }
    }

private:
    void note(CsvNoteKind kind, const std::string& detail = {}) { m_notes.push_back({m_line, kind, detail}); }

    bool holdsChannel(int group) const
    {
        for (int p = 1; p <= GetGroupSize(group, m_band); ++p) {
            if (ChannelAt(m_doc, group, p))
                return true;
        }
        return false;
    }

    // Finds the row's position and stores its frequency there (in a CB country
    // group: finds the plan's channel of that frequency). False when the row is refused.
    bool placeAndTune(const RowView& row)
    {
        const std::string freqText = row.value("Frequency");
        const auto mhz = ParseNumericText(freqText);
        if (!mhz || *mhz < m_radioRange.FreqMin || *mhz > m_radioRange.FreqMax) {
            note(CsvNoteKind::BadFrequency);
            return false;
        }
        if (!choosePlace(row))
            return false;
        if (m_band == 0 && IsRegularGroup(m_group, 0))
            return findPlanChannel(*mhz);
        WarningCounter warnings;
        const UpdateResult r = SetChannelData(m_doc, m_group, m_position, ChannelField::RxFreq, freqText, warnings);
        const ChannelRecord* stored = ChannelAt(m_doc, m_group, m_position);
        if (r.refused() || !stored) {
            note(CsvNoteKind::BadFrequency);
            return false;
        }
        if (warnings.warnings > 0 || shownUnits(*stored) != mhzUnits(*mhz))
            note(CsvNoteKind::FreqMoved);
        return true;
    }

    bool choosePlace(const RowView& row)
    {
        const auto groupName = row.get("Group");
        const auto position = row.get("Position");
        if (groupName && !groupName->empty()) {
            m_group = GroupByName(m_doc, *groupName);
            const auto p = position ? exactInteger(*position, 1, 1000) : std::nullopt;
            m_position = p.value_or(-1);
            if (m_group < 0 || m_position < 1 || m_position > GetGroupSize(m_group, m_band)) {
                note(CsvNoteKind::NoSuchPlace);
                return false;
            }
            return true;
        }
        m_group = m_fillGroup;
        if (m_group < 0) {
            note(CsvNoteKind::NoSuchPlace);
            return false;
        }
        if (m_band == 0 && IsRegularGroup(m_group, 0))
            return true;  // the frequency finds the channel
        m_position = ++m_filled;
        if (m_position > GetGroupSize(m_group, m_band)) {
            note(CsvNoteKind::NoRoom);
            return false;
        }
        return true;
    }

    long shownUnits(const ChannelRecord& c) const
    {
        const auto mhz = ParseNumericText(FreqCodeToShowText(c.RxFreq, m_group, m_band, m_doc));
        return mhz ? mhzUnits(*mhz) : -1;
    }

    bool findPlanChannel(double mhz)
    {
        for (int p = 1; p <= GetGroupSize(m_group, m_band); ++p) {
            const ChannelRecord* c = ChannelAt(m_doc, m_group, p);
            if (c && shownUnits(*c) == mhzUnits(mhz)) {
                m_position = p;
                return true;
            }
        }
        note(CsvNoteKind::NoPlanChannel);
        return false;
    }

    // Mode and power first (AM lowers the power), then the rest.
    void applySettings(const RowView& row)
    {
        if (const auto mode = row.get("Mode"); mode && !mode->empty())
            applyMode(*mode);
        if (const auto power = row.get("Power"); power && !power->empty()) {
            if (const auto level = PowerByName(*power))
                set(ChannelField::Tx_Power, *level, "Power");
            else if (!IsHiddenInBand(ChannelField::Tx_Power, m_band))
                note(CsvNoteKind::UnknownPower, *power);
        }
        // Public first: while it is on, the public channel governs most of the rest.
        applyFlag(row, "Public", ChannelField::Public, "Off");
        applyDuplex(row);
        applyTones(row);
        if (const auto skip = row.get("Skip"))
            set(ChannelField::Scan, SameWordIgnoringCase(*skip, "S") ? 0 : 1, "Skip");
        for (const ChannelField field : OwnCsvFields) {
            const ChannelFieldInfo& f = ChannelFieldOf(field);
            if (field == ChannelField::Public)
                continue;  // read first, above
            if (f.csv == CsvForm::Flag)
                applyFlag(row, f.csvColumn, field, {});
            else
                applyReference(row, f.csvColumn, field);
        }
    }

    void applyMode(const std::string& mode)
    {
        if (SameWordIgnoringCase(mode, "AM"))
            set(ChannelField::AM_FM, 1, "Mode");
        else if (SameWordIgnoringCase(mode, "FM") || SameWordIgnoringCase(mode, "NFM")
                 || SameWordIgnoringCase(mode, "WFM"))
            set(ChannelField::AM_FM, 0, "Mode");
        else
            note(CsvNoteKind::ValueRefused, "Mode");
    }

    void applyFlag(const RowView& row, const char* column, ChannelField field, const std::optional<std::string>& absent)
    {
        const auto text = row.has(column) ? row.get(column) : absent;
        if (!text)
            return;
        if (const auto flag = FlagFromText(*text))
            set(field, *flag, column);
        else
            note(CsvNoteKind::ValueRefused, column);
    }

    void applyDuplex(const RowView& row)
    {
        const auto duplex = row.get("Duplex");
        if (!duplex || IsHiddenInBand(ChannelField::DUP, m_band))
            return;
        int dup = 0;
        if (*duplex == "+")
            dup = 1;
        else if (*duplex == "-")
            dup = 2;
        else if (SameWordIgnoringCase(*duplex, "off"))
            note(CsvNoteKind::DuplexOff);
        else if (!duplex->empty())
            note(CsvNoteKind::ValueRefused, "Duplex");
        set(ChannelField::DUP, dup, "Duplex");
        // Without a shift the offset is unused; other programs write 0 there.
        const auto offset = row.get("Offset");
        if (!offset || offset->empty())
            return;
        const auto khz = OffsetFromMhzText(*offset);
        const auto mhz = ParseNumericText(*offset);
        if (!khz || !mhz || std::abs(*mhz * 1000.0 - *khz) > 1e-6) {
            // Not a shift the radio can keep as written: the channel keeps its offset.
            note(CsvNoteKind::ValueRefused, "Offset");
            return;
        }
        if (*khz == 0 && dup == 0)
            return;
        set(ChannelField::OffSetFre, *khz, "Offset");
        const ChannelRecord* c = ChannelAt(m_doc, m_group, m_position);
        if (c && c->OffSetFre != *khz)
            note(CsvNoteKind::ValueRefused, "Offset");
    }

    void applyTones(const RowView& row)
    {
        if (!row.has("Tone"))
            return;
        CsvTones t;
        t.Tone = row.value("Tone");
        t.rToneFreq = row.value("rToneFreq");
        t.cToneFreq = row.value("cToneFreq");
        t.DtcsCode = row.value("DtcsCode");
        // Older files have one code for both directions and no cross modes.
        t.RxDtcsCode = row.value("RxDtcsCode", t.DtcsCode);
        t.CrossMode = row.value("CrossMode", "Tone->Tone");
        const ToneCodes codes = TonesFromCsv(t);
        if (codes.unavailable)
            note(CsvNoteKind::ToneUnavailable);
        set(ChannelField::RDCT, codes.RDCT, "Tone");
        set(ChannelField::TDCT, codes.TDCT, "Tone");
    }

    // A tone tip or DTMF code slot: taken only when it names one that is defined.
    void applyReference(const RowView& row, const char* column, ChannelField field)
    {
        const auto text = row.get(column);
        if (!text)
            return;
        const int n = exactInteger(*text, 0, 100).value_or(-1);
        if (n == 0 || (n > 0 && referenceDefined(field, n)))
            set(field, n, column);
        else
            note(CsvNoteKind::ValueRefused, column);
    }

    bool referenceDefined(ChannelField field, int n) const
    {
        if (field == ChannelField::RBTone)
            return CheckToneTipRef(m_doc, n) == n;
        const auto& codes = m_doc.Record.Dtmf.Codes;
        return n <= static_cast<int>(codes.size()) && codes[static_cast<std::size_t>(n - 1)].Length > 0;
    }

    void set(ChannelField field, int value, const char* column)
    {
        if (IsHiddenInBand(field, m_band))
            return;
        SilentNotifier quiet;
        if (SetChannelData(m_doc, m_group, m_position, field, value, quiet).refused())
            note(CsvNoteKind::ValueRefused, column);
    }

    Document& m_doc;
    const int m_band;
    CsvImportSummary& m_summary;
    BandLimits m_radioRange;
    int m_fillGroup = 0;
    int m_filled = 0;
    int m_group = 0;
    int m_position = 0;
    int m_line = 0;
    std::vector<CsvNote> m_notes;
    std::vector<int> m_emptyDisabled;
};

int noteTextNumber(CsvNoteKind kind)
{
    switch (kind) {
    case CsvNoteKind::FreqMoved:
        return Txt::NoteFreqMoved;
    case CsvNoteKind::ToneUnavailable:
        return Txt::NoteToneUnavailable;
    case CsvNoteKind::UnknownPower:
        return Txt::NoteUnknownPower;
    case CsvNoteKind::DuplexOff:
        return Txt::NoteDuplexOff;
    case CsvNoteKind::ValueRefused:
        return Txt::NoteValueRefused;
    case CsvNoteKind::NoPlanChannel:
        return Txt::NoteNoPlanChannel;
    case CsvNoteKind::BadFrequency:
        return Txt::NoteBadFrequency;
    case CsvNoteKind::NoRoom:
        return Txt::NoteNoRoom;
    case CsvNoteKind::NoSuchPlace:
        return Txt::NoteNoSuchPlace;
    }
    return Txt::NoteValueRefused;
}

}  // namespace

int GroupByName(const Document& doc, std::string_view name)
{
    for (int g = 0; g <= Groups::BankMem; ++g) {
        const std::string groupName = GetGroupName(g, doc.BandMode);
        if (!groupName.empty() && SameWordIgnoringCase(groupName, trimmed(name)))
            return g;
    }
    return -1;
}

namespace {

// The header row alone; nothing when the text is no CSV at all.
std::optional<CsvRow> headerOf(std::string_view text)
{
    std::optional<CsvRow> header;
    const bool wellFormed = ForEachCsvRow(text, [&header](CsvRow& row) {
        if (!header)
            header = std::move(row);
        return true;  // read on: a fault later makes the whole text no CSV
    });
    return wellFormed ? header : std::nullopt;
}

}  // namespace

bool CsvRowsNeedGroup(std::string_view text)
{
    const auto header = headerOf(text);
    return header && columnsOf(*header).count("Group") == 0;
}

CsvImportSummary ImportCsv(Document& doc, std::string_view text, const CsvImportOptions& options)
{
    CsvImportSummary summary;
    // The rows are read one at a time, twice: first to know that the whole
    // text is CSV, then to import them. Memory stays near the file's size.
    const auto header = headerOf(text);
    if (!header) {
        summary.refusal = CsvImportRefusal::NotCsv;
        return summary;
    }
    const auto columns = columnsOf(*header);
    if (!columns.count("Frequency")) {
        summary.refusal = CsvImportRefusal::NoFrequencyColumn;
        return summary;
    }
    // The whole import is one undo step, however many rows it changed.
    UndoGroup step(doc);
    Importer importer(doc, options, summary);
    importer.rememberEmptyDisabledGroups();
    bool first = true;
    ForEachCsvRow(text, [&](CsvRow& row) {
        if (!std::exchange(first, false))
            importer.importRow(RowView(row, columns));
        return true;
    });
    importer.enableFilledGroups();
    return summary;
}

std::string CsvImportSummaryText(const CsvImportSummary& summary)
{
    if (summary.refusal == CsvImportRefusal::NotCsv)
        return GetLangText(Txt::ImportNotCsv);
    if (summary.refusal == CsvImportRefusal::NoFrequencyColumn)
        return GetLangText(Txt::ImportNoFrequencyColumn);
    std::string text = summary.tookNothing() ? GetLangText(Txt::ImportTookNothing) + "\n" : std::string();
    text += FillText(GetLangText(Txt::ImportSummary),
                     {std::to_string(summary.imported), std::to_string(summary.changedByRule),
                      std::to_string(summary.refusedRows())});
    if (!summary.enabledGroups.empty()) {
        std::string names;
        for (const std::string& name : summary.enabledGroups)
            names += (names.empty() ? "" : ", ") + name;
        text += "\n" + FillText(GetLangText(Txt::ImportGroupsEnabled), {names});
    }
    if (!summary.refusedLines.empty()) {
        std::string lines;
        for (const int line : summary.refusedLines)
            lines += (lines.empty() ? "" : ", ") + std::to_string(line);
        if (summary.refusedUnlisted > 0)
            lines += ", ...";
        text += "\n" + FillText(GetLangText(Txt::ImportRefusedLines), {lines});
    }
    for (const CsvNote& n : summary.notes)
        text += "\n" + FillText(GetLangText(noteTextNumber(n.kind)), {std::to_string(n.line), n.detail});
    if (summary.notesUnlisted > 0)
        text += "\n" + FillText(GetLangText(Txt::ImportMoreNotes), {std::to_string(summary.notesUnlisted)});
    return text;
}
