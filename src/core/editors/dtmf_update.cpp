#include "core/editors/dtmf_update.h"

#include "core/model/undo_group.h"
#include "core/base/text_helpers.h"
#include "core/model/document.h"
#include "core/model/fixed_text.h"

#include <algorithm>

namespace {

using Scope = DocumentChange::Scope;

// The stored values first, first + step, ..., last.
std::vector<int> steps(int first, int last, int step = 1)
{
    std::vector<int> values;
    for (int v = first; v <= last; v += step)
        values.push_back(v);
    return values;
}

UpdateResult announced(Document& doc, bool changed)
{
    if (!changed)
        return {};
    doc.notifyChanged({Scope::Dtmf, 0});
    return {UpdateOutcome::Stored, Refusal::None};
}

DtmfCode& slotOf(Document& doc, int slot)
{
    return doc.Record.Dtmf.Codes[static_cast<std::size_t>(slot - 1)];
}

bool isSlot(int slot)
{
    return slot >= 1 && slot <= DtmfSlotCount;
}

// Stores a normalised code; true when the slot changed.
bool storeCode(DtmfCode& code, const std::string& digits)
{
    DtmfCode updated;
    updated.Length = static_cast<std::int16_t>(digits.size());
    updated.Digits = PadFixed(digits, DtmfCodeMaxDigits);
    const bool changed = !(updated == code);
    code = updated;
    return changed;
}

// Whether the slot's box would show something else than the slot says.
bool shownDiffersFromStored(const DtmfCode& code)
{
    if (code.Length < 1 || code.Length > DtmfCodeMaxDigits)
        return false;  // an empty box; the slot waits for an edit
    return TrimFixed(DtmfCodeShownText(code)).size() != static_cast<std::size_t>(code.Length);
}

}  // namespace

const std::vector<DtmfSetting>& DtmfSettingTable()
{
    using D = DtmfSettings;
    static const std::vector<DtmfSetting> table{
        {"DtmfRate", &D::DtmfRate, steps(1, 50), 10},
        {"FirstDigitTime", &D::FirstDigitTime, steps(0, 10), 100},
        {"FirstDigitDelay", &D::FirstDigitDelay, steps(1, 25), 100},
        {"StarHashTone", &D::StarHashTone, {0, 1, 5, 10}, 100},
        {"DKeySetting", &D::DKeySetting, steps(0, 16), 0},
        {"DtmfDisplay", &D::DtmfDisplay, {0, 1}, 0},
    };
    return table;
}

const DtmfSetting* DtmfSettingByName(std::string_view name)
{
    for (const DtmfSetting& s : DtmfSettingTable()) {
        if (SameWordIgnoringCase(s.name, name))
            return &s;
    }
    return nullptr;
}

int DtmfSettingPosition(const Document& doc, const DtmfSetting& setting)
{
    const int value = doc.Record.Dtmf.*setting.member;
    const auto it = std::find(setting.choices.begin(), setting.choices.end(), value);
    return it == setting.choices.end() ? 0 : static_cast<int>(it - setting.choices.begin());
}

UpdateResult SetDtmfSetting(Document& doc, const DtmfSetting& setting, int value)
{
    if (std::find(setting.choices.begin(), setting.choices.end(), value) == setting.choices.end())
        return {UpdateOutcome::Refused, Refusal::OutOfChoices};
    std::int16_t& target = doc.Record.Dtmf.*setting.member;
    const bool changed = target != value;
    target = static_cast<std::int16_t>(value);
    return announced(doc, changed);
}

bool IsDtmfDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#';
}

std::optional<std::string> NormaliseDtmfCode(std::string_view typed)
{
    std::string digits = TrimFixed(typed);
    for (char& c : digits) {
        if (c >= 'a' && c <= 'd')
            c = static_cast<char>(c - 'a' + 'A');
        if (!IsDtmfDigit(c))
            return std::nullopt;
    }
    if (digits.size() > static_cast<std::size_t>(DtmfCodeMaxDigits))
        return std::nullopt;
    return digits;
}

std::string DtmfCodeShownText(const DtmfCode& code)
{
    if (code.Length < 1 || code.Length > DtmfCodeMaxDigits)
        return {};
    return code.Digits.substr(0, static_cast<std::size_t>(code.Length));
}

UpdateResult SetDtmfCode(Document& doc, int slot, std::string_view typed)
{
    const auto digits = NormaliseDtmfCode(typed);
    if (!isSlot(slot) || !digits)
        return {UpdateOutcome::Refused, Refusal::OutOfChoices};
    return announced(doc, storeCode(slotOf(doc, slot), *digits));
}

UpdateResult NormaliseShownDtmf(Document& doc)
{
    // Showing the window makes the records agree with what its controls show;
    // the user did not ask for it, so it is no step that undo could take back.
    NotAStep quiet(doc);
    bool changed = false;
    DtmfSettings& dtmf = doc.Record.Dtmf;
    for (const DtmfSetting& s : DtmfSettingTable()) {
        const int shown = s.choices[static_cast<std::size_t>(DtmfSettingPosition(doc, s))];
        changed = changed || dtmf.*s.member != shown;
        dtmf.*s.member = static_cast<std::int16_t>(shown);
    }
    std::vector<int> emptied;
    for (int slot = 1; slot <= DtmfSlotCount; ++slot) {
        DtmfCode& code = slotOf(doc, slot);
        if (!shownDiffersFromStored(code))
            continue;
        changed = storeCode(code, TrimFixed(DtmfCodeShownText(code))) || changed;
        if (code.Length == 0)
            emptied.push_back(slot);
    }
    const UpdateResult result = announced(doc, changed);
    // A slot that showed only blanks is empty now, as if its box had been cleared.
    for (const int slot : emptied)
        ClearDtmfCodeRefs(doc, slot);
    return result;
}

UpdateResult DtmfCodeEdits::edit(Document& doc, int slot, std::string_view typed)
{
    const UpdateResult result = SetDtmfCode(doc, slot, typed);
    if (!result.refused())
        m_edited.insert(slot);
    return result;
}

void DtmfCodeEdits::commit(Document& doc)
{
    for (const int slot : m_edited) {
        if (slotOf(doc, slot).Length == 0)
            ClearDtmfCodeRefs(doc, slot);
    }
    m_edited.clear();
}
