#include "core/editors/key_update.h"

#include "core/model/document.h"

namespace {

UpdateResult store(Document& doc, std::int16_t& target, int value)
{
    if (target == value)
        return {};
    target = static_cast<std::int16_t>(value);
    doc.notifyChanged({DocumentChange::Scope::Keys, 0});
    return {UpdateOutcome::Stored, Refusal::None};
}

bool isPosition(int position, const std::vector<std::string>& items)
{
    return position >= 0 && position < static_cast<int>(items.size());
}

bool isEntry(int entry)
{
    return entry >= 0 && entry < KeyEntryCount;
}

int shownPosition(int position, const std::vector<std::string>& items)
{
    return isPosition(position, items) ? position : 0;
}

const UpdateResult Refused{UpdateOutcome::Refused, Refusal::OutOfChoices};

}  // namespace

const std::vector<std::string>& KeyWorkingModeNames()
{
    static const std::vector<std::string> names{"1&2", "1&3", "2&3", "1&2&3"};
    return names;
}

const std::vector<std::string>& KeyFunctionNames()
{
    static const std::vector<std::string> names{"MOD", "RFG", "EMG", "VOL", "SQL", "POW", "DSP", "SCA", "MEM", "BND",
                                                "DW",  "CAL", "NB",  "RB",  "HIC", "TSQ", "SPL", "5K",  "DIM", "NULL"};
    return names;
}

int KeyEntry(int mode, int key)
{
    return KeysPerMode * (mode - 1) + key - 1;
}

int ShownKeyModePosition(const Document& doc)
{
    return shownPosition(doc.Record.Keys.KeyMode, KeyWorkingModeNames());
}

int ShownKeyFunctionPosition(const Document& doc, int entry)
{
    if (!isEntry(entry))
        return 0;
    return shownPosition(doc.Record.Keys.Keys[static_cast<std::size_t>(entry)] - 1, KeyFunctionNames());
}

UpdateResult SetKeyMode(Document& doc, int position)
{
    if (!isPosition(position, KeyWorkingModeNames()))
        return Refused;
    return store(doc, doc.Record.Keys.KeyMode, position);
}

UpdateResult SetKeyFunction(Document& doc, int entry, int position)
{
    if (!isEntry(entry) || !isPosition(position, KeyFunctionNames()))
        return Refused;
    return store(doc, doc.Record.Keys.Keys[static_cast<std::size_t>(entry)], position + 1);
}
