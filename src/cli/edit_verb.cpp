#include "cli_support.h"
#include "cli_verb.h"
#include "edit_expressions.h"

#include "core/app/data_file.h"
#include "core/channels/channel_rules.h"
#include "core/channels/channel_update.h"
#include "core/channels/group_settings.h"
#include "core/editors/dtmf_update.h"
#include "core/editors/key_update.h"
#include "core/editors/option_update.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/base/numeric_text.h"
#include "core/base/text_helpers.h"
#include "core/model/document.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <memory>
#include <optional>
#include <variant>

// brisko7-cli edit FILE.dat -o OUT.dat EDIT...
//
// Changes a data file through exactly the operations the channel window
// uses. An EDIT is GROUP:POSITION:FIELD=VALUE for a field of a channel,
// GROUP:SETTING=VALUE for a setting of a group, Option:FIELD=VALUE for a
// radio-wide option, Public:FIELD=VALUE for the public channel,
// Dtmf:SETTING=VALUE or Dtmf:CodeN=DIGITS for the DTMF settings and code slot
// N, Key:KeyMode=VALUE or Key:KeysN=CODE for the programmable keys (VALUE as
// the record stores it; an emptied code slot loses the references to it). A malformed edit (syntax, or
// a name, position or value the field can never take) stops with exit 2
// before anything is written; a change the document refuses or a warning is
// reported on stderr and the rest goes on, unless --strict is given.

namespace {

constexpr const char* Usage = "usage: edit FILE.dat -o OUT.dat [--strict] EDIT...";

struct ParsedEdit {
    std::string text;   // the edit as given, for messages
    std::string group;  // group name as typed
    std::optional<int> position;
    std::string name;  // field or setting name
    std::string value;
};

struct ChannelEdit {
    int group;
    int position;
    ChannelField field;
};
struct SettingEdit {
    int group;
    GroupSetting setting;
};
struct OptionEdit {
    const OptionField* field;
};
struct DtmfEdit {
    const DtmfSetting* setting;  // nullptr for a code slot
    int slot;
};
struct KeyEdit {
    int entry;  // -1 for the key working mode
};
using ResolvedEdit = std::variant<ChannelEdit, SettingEdit, OptionEdit, DtmfEdit, KeyEdit>;

constexpr const char* NotAnEdit = "not GROUP:POSITION:FIELD=VALUE, GROUP:SETTING=VALUE, Option:FIELD=VALUE, "
                                  "Public:FIELD=VALUE, Dtmf:FIELD=VALUE or Key:FIELD=VALUE";
constexpr const char* OptionPrefix = "Option";
constexpr const char* PublicPrefix = "Public";
constexpr const char* DtmfPrefix = "Dtmf";
constexpr const char* KeyPrefix = "Key";

std::optional<int> wholeNumber(std::string_view text)
{
    if (text.empty() || text.size() > 9
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(std::string(text));
}

// A whole number with an optional sign, for the fields that clamp.
bool isSignedWhole(std::string_view text)
{
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<ParsedEdit> parseEdit(const std::string& text)
{
    const auto eq = text.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    ParsedEdit edit{text, {}, std::nullopt, {}, text.substr(eq + 1)};
    std::vector<std::string> parts;
    std::string left = text.substr(0, eq);
    for (std::size_t start = 0;;) {
        const auto colon = left.find(':', start);
        parts.push_back(left.substr(start, colon - start));
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    if (parts.size() == 3) {
        edit.position = wholeNumber(parts[1]);
        if (!edit.position)
            return std::nullopt;
    } else if (parts.size() != 2) {
        return std::nullopt;
    }
    edit.group = parts.front();
    edit.name = parts.back();
    if (edit.group.empty() || edit.name.empty())
        return std::nullopt;
    return edit;
}

std::optional<int> groupByName(const std::string& name, int band)
{
    for (int g = 0; g <= 11; ++g) {
        const std::string groupName = GetGroupName(g, band);
        if (!groupName.empty() && SameWordIgnoringCase(groupName, name))
            return g;
    }
    return std::nullopt;
}

std::optional<GroupSetting> settingByName(const std::string& name)
{
    static const std::pair<const char*, GroupSetting> settings[] = {
        {"WorkChannel", GroupSetting::WorkChannel},
        {"EmergencyChannel1", GroupSetting::EmergencyChannel1},
        {"EmergencyChannel2", GroupSetting::EmergencyChannel2},
        {"GroupValid", GroupSetting::GroupValid},
        {"GroupMode1", GroupSetting::GroupMode1},
        {"GroupMode2", GroupSetting::GroupMode2},
    };
    for (const auto& [settingName, setting] : settings) {
        if (SameWordIgnoringCase(settingName, name))
            return setting;
    }
    return std::nullopt;
}

// Whether a value is one the field can ever take, whatever the document.
bool channelValueWellFormed(ChannelField field, const std::string& value)
{
    if (field == ChannelField::RxFreq)
        return value.empty() || (ParseTypedFreq(value) && value.find(' ') == std::string::npos);
    if (const auto choices = ChannelFieldChoices(field)) {
        const auto number = wholeNumber(value);
        return number && choices->contains(*number);
    }
    return isSignedWhole(value);
}

bool settingValueWellFormed(GroupSetting setting, const std::string& value, int groupSize)
{
    const auto number = wholeNumber(value);
    if (!number)
        return false;
    if (setting == GroupSetting::GroupValid || setting == GroupSetting::GroupMode1
        || setting == GroupSetting::GroupMode2)
        return *number <= 1;
    return *number >= 1 && *number <= groupSize;
}

// A list field takes only what one of its lists offers; the offset and the
// maximum SWR take any whole number and clamp it.
bool optionValueWellFormed(const OptionField& field, const std::string& value)
{
    if (field.conversion == OptionConversion::Offset || field.conversion == OptionConversion::MaxSwr)
        return isSignedWhole(value);
    const auto number = wholeNumber(value);
    return number && field.choices.contains(*number);
}

bool isOptionEdit(const ParsedEdit& edit)
{
    return !edit.position
        && (SameWordIgnoringCase(edit.group, OptionPrefix) || SameWordIgnoringCase(edit.group, PublicPrefix));
}

// Option:FIELD=VALUE or Public:FIELD=VALUE; nothing when it is malformed.
std::optional<ResolvedEdit> resolveOption(const ParsedEdit& edit, std::string& error)
{
    const bool isOption = SameWordIgnoringCase(edit.group, OptionPrefix);
    const OptionRecord record = isOption ? OptionRecord::Options : OptionRecord::Public;
    const OptionField* field = OptionFieldByName(record, edit.name);
    if (!field)
        error = std::string("no ") + (isOption ? "option" : "public-channel field") + " \"" + edit.name + "\"";
    else if (!optionValueWellFormed(*field, edit.value))
        error = std::string(field->name) + " cannot be \"" + edit.value + "\"";
    else
        return OptionEdit{field};
    return std::nullopt;
}

// The number N of a name "<stem>N" with N in first..last.
std::optional<int> numberedName(const std::string& name, std::string_view stem, int first, int last)
{
    if (name.size() <= stem.size() || !SameWordIgnoringCase(std::string_view(name).substr(0, stem.size()), stem))
        return std::nullopt;
    const auto n = wholeNumber(std::string_view(name).substr(stem.size()));
    return n && *n >= first && *n <= last ? n : std::nullopt;
}

bool isChoice(const std::string& value, int first, int last)
{
    const auto number = wholeNumber(value);
    return number && *number >= first && *number <= last;
}

// Dtmf:SETTING=VALUE or Dtmf:CodeN=DIGITS; nothing when it is malformed.
std::optional<ResolvedEdit> resolveDtmf(const ParsedEdit& edit, std::string& error)
{
    if (const auto slot = numberedName(edit.name, "Code", 1, DtmfSlotCount)) {
        if (NormaliseDtmfCode(edit.value))
            return DtmfEdit{nullptr, *slot};
    } else if (const DtmfSetting* setting = DtmfSettingByName(edit.name)) {
        const auto number = wholeNumber(edit.value);
        if (number && std::find(setting->choices.begin(), setting->choices.end(), *number) != setting->choices.end())
            return DtmfEdit{setting, 0};
    } else {
        error = "no DTMF setting \"" + edit.name + "\"";
        return std::nullopt;
    }
    error = edit.name + " cannot be \"" + edit.value + "\"";
    return std::nullopt;
}

// Key:KeyMode=VALUE or Key:KeysN=CODE; nothing when it is malformed.
std::optional<ResolvedEdit> resolveKey(const ParsedEdit& edit, std::string& error)
{
    const bool mode = SameWordIgnoringCase(edit.name, "KeyMode");
    const auto entry = numberedName(edit.name, "Keys", 0, KeyEntryCount - 1);
    if (!mode && !entry) {
        error = "no key setting \"" + edit.name + "\"";
        return std::nullopt;
    }
    const int last = static_cast<int>(mode ? KeyWorkingModeNames().size() - 1 : KeyFunctionNames().size());
    if (!isChoice(edit.value, mode ? 0 : 1, last)) {
        error = edit.name + " cannot be \"" + edit.value + "\"";
        return std::nullopt;
    }
    return KeyEdit{mode ? -1 : *entry};
}

// The edit in the terms of the document's band; nothing when it is malformed
// there (the reason in error).
std::optional<ResolvedEdit> resolve(const ParsedEdit& edit, int band, std::string& error)
{
    if (isOptionEdit(edit))
        return resolveOption(edit, error);
    if (!edit.position && SameWordIgnoringCase(edit.group, DtmfPrefix))
        return resolveDtmf(edit, error);
    if (!edit.position && SameWordIgnoringCase(edit.group, KeyPrefix))
        return resolveKey(edit, error);
    const auto group = groupByName(edit.group, band);
    if (!group) {
        error = "no group \"" + edit.group + "\" in band " + std::to_string(band);
        return std::nullopt;
    }
    const int size = GetGroupSize(*group, band);
    if (edit.position) {
        const auto field = ChannelFieldByName(edit.name);
        if (*edit.position < 1 || *edit.position > size) {
            error = "position must be 1.." + std::to_string(size);
        } else if (!field) {
            error = "no channel field \"" + edit.name + "\"";
        } else if (!channelValueWellFormed(*field, edit.value)) {
            error = std::string(ChannelFieldName(*field)) + " cannot be \"" + edit.value + "\"";
        } else {
            return ChannelEdit{*group, *edit.position, *field};
        }
        return std::nullopt;
    }
    const auto setting = settingByName(edit.name);
    if (!setting) {
        error = "no group setting \"" + edit.name + "\"";
        return std::nullopt;
    }
    if (!settingValueWellFormed(*setting, edit.value, size)) {
        error = edit.name + " cannot be \"" + edit.value + "\"";
        return std::nullopt;
    }
    return SettingEdit{*group, *setting};
}

// Collects what the core says while one edit is applied.
class EditNotifier : public Notifier {
public:
    void message(const std::string& text, NoticeIcon, const std::string& = {}) override { said.push_back(text); }
    NoticeAnswer ask(const std::string& text, NoticeButtons buttons, NoticeIcon, const std::string& = {}) override
    {
        said.push_back(text);
        return buttons == NoticeButtons::YesNo || buttons == NoticeButtons::YesNoCancel ? NoticeAnswer::No
                                                                                        : NoticeAnswer::Cancel;
    }
    std::vector<std::string> said;
};

// Applies one edit; returns the number of warnings and refusals it printed.
int apply(Document& doc, const ParsedEdit& edit, const ResolvedEdit& target, const EditReport& say)
{
    auto report = [&edit, &say](const std::string& what) { say(edit.text, what); };
    auto refusedOrNot = [&report](const UpdateResult& result) {
        if (!result.refused())
            return 0;
        report(std::string("refused: ") + RefusalText(result.refusal));
        return 1;
    };
    if (const auto* s = std::get_if<SettingEdit>(&target))
        return refusedOrNot(SetGroupSetting(doc, s->group, s->setting, std::stoi(edit.value)));
    if (const auto* o = std::get_if<OptionEdit>(&target))
        return refusedOrNot(SetOptionField(doc, *o->field, edit.value));
    if (const auto* d = std::get_if<DtmfEdit>(&target)) {
        if (d->setting)
            return refusedOrNot(SetDtmfSetting(doc, *d->setting, std::stoi(edit.value)));
        DtmfCodeEdits codes;  // an edit of the command line is committed at once
        const UpdateResult result = codes.edit(doc, d->slot, edit.value);
        codes.commit(doc);
        return refusedOrNot(result);
    }
    if (const auto* k = std::get_if<KeyEdit>(&target)) {
        const int value = std::stoi(edit.value);
        return refusedOrNot(k->entry < 0 ? SetKeyMode(doc, value) : SetKeyFunction(doc, k->entry, value - 1));
    }
    const auto& c = std::get<ChannelEdit>(target);
    Refusal lock = ChannelFieldLock(doc, c.group, c.position, c.field);
    // Any number past the last tip or slot is stored as the last one, however long.
    if (const auto value = NumericTextToInteger(edit.value); lock == Refusal::None && value)
        lock = ChannelReferenceRefusal(doc, c.field, static_cast<int>(std::clamp<std::int64_t>(*value, -1, 1 << 20)));
    if (lock != Refusal::None) {
        report(std::string("refused: ") + RefusalText(lock));
        return 1;
    }
    EditNotifier notes;
    const UpdateResult result = SetChannelData(doc, c.group, c.position, c.field, edit.value, notes);
    int reported = 0;
    for (const auto& text : notes.said) {
        report("warning: " + text);
        ++reported;
    }
    if (result.refused()) {
        report(std::string("refused: ") + RefusalText(result.refusal));
        return reported + 1;
    }
    const ChannelRecord* channel = ChannelAt(doc, c.group, c.position);
    if (c.field == ChannelField::RxFreq && channel && notes.said.empty() && IsMemGroup(c.group, doc.BandMode)
        && doc.BandMode == 0) {
        const std::string shown = FreqCodeToShowText(channel->RxFreq, c.group, doc.BandMode, doc);
        const auto typed = ParseTypedFreq(edit.value);
        const auto stored = ParseNumericText(shown);
        if (typed && stored && std::abs(*typed - *stored) > 1e-9) {
            report("stored as " + shown + ", the nearest country channel");
            ++reported;
        }
    }
    return reported;
}

int runEdit(const std::vector<std::string>& argv)
{
    std::string error;
    const auto args = ParseCliArgs(argv, {"-o"}, {"--strict"}, error);
    if (!args)
        return CliFail("edit", error, CliExit::Usage);
    if (args->positional.size() < 2 || !args->has("-o"))
        return CliFail("edit", Usage, CliExit::Usage);
    std::vector<ParsedEdit> edits;
    for (std::size_t i = 1; i < args->positional.size(); ++i) {
        const auto edit = parseEdit(args->positional[i]);
        if (!edit)
            return CliFail("edit", args->positional[i] + ": " + NotAnEdit, CliExit::Usage);
        edits.push_back(*edit);
    }
    const std::string& input = args->positional[0];
    const std::string& output = args->values.at("-o");
    if (OutputIsInput("edit", input, output))
        return CliExit::Usage;
    PrepareInstallation();
    const auto doc = OpenCheckedDataFile(input);
    if (!doc)
        return CliExit::Refused;
    const EditExpressionsResult result = ApplyEditExpressions(
        *doc, {args->positional.begin() + 1, args->positional.end()},
        [](const std::string& expression, const std::string& what) {
            std::fprintf(stderr, "brisko7-cli edit: %s: %s\n", expression.c_str(), what.c_str());
        });
    if (!result.error.empty())
        return CliFail("edit", result.error, CliExit::Usage);
    const int reported = result.reported;
    if (reported > 0 && args->flags.count("--strict"))
        return CliFail("edit", "not written: " + std::to_string(reported) + " warning(s) or refusal(s) with --strict",
                       CliExit::Refused);
    doc->DocFileName = output;
    TerminalNotifier saveNotes("brisko7-cli: " + doc->DocFileName);
    return SaveDocument(*doc, saveNotes) ? CliExit::Ok : LinkExit::SystemError;
}

}  // namespace

EditExpressionsResult ApplyEditExpressions(Document& doc, const std::vector<std::string>& expressions,
                                           const EditReport& say)
{
    EditExpressionsResult result;
    std::vector<ParsedEdit> edits;
    std::vector<ResolvedEdit> targets;
    for (const std::string& text : expressions) {
        const auto edit = parseEdit(text);
        if (!edit) {
            result.error = text + ": " + NotAnEdit;
            return result;
        }
        std::string error;
        const auto target = resolve(*edit, doc.BandMode, error);
        if (!target) {
            result.error = text + ": " + error;
            return result;
        }
        edits.push_back(*edit);
        targets.push_back(*target);
    }
    for (std::size_t i = 0; i < edits.size(); ++i)
        result.reported += apply(doc, edits[i], targets[i], say);
    return result;
}

std::vector<CliVerb> editVerbs()
{
    return {
        {"edit",
         "edit FILE.dat -o OUT.dat [--strict] EDIT...  change channels, group settings, options, the "
         "public channel, DTMF settings and keys; EDIT is GROUP:POSITION:FIELD=VALUE, GROUP:SETTING=VALUE, "
         "Option:FIELD=VALUE, Public:FIELD=VALUE, Dtmf:FIELD=VALUE (CodeN=DIGITS) or Key:FIELD=VALUE "
         "(KeyMode, KeysN)",
         runEdit},
    };
}
