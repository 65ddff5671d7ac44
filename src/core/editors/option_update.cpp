#include "core/editors/option_update.h"

#include "core/channels/channel_rules.h"
#include "core/editors/channel_edit_form.h"

#include "core/base/numeric_text.h"
#include "core/base/text_helpers.h"
#include "core/model/document.h"

#include <algorithm>
#include <cstdio>

namespace {

using Scope = DocumentChange::Scope;
using Conv = OptionConversion;

constexpr ChoiceRange OffOn{0, 1};
constexpr int LowestSwrTenths = 70;
constexpr int HighestSwrTenths = 200;

OptionField option(int code, const char* name, std::int16_t OptFeatRecord::*member, Conv conv, ChoiceRange choices,
                   std::int16_t fallback = 1)
{
    return {code, name, OptionRecord::Options, member, ChannelField::RxFreq, conv, choices, fallback};
}

// A setting of the public channel, converted as its field is offered: picked
// from a list, picked by number, or typed.
OptionField publicSetting(int code, ChannelField field)
{
    const ChannelFieldInfo& f = ChannelFieldOf(field);
    const Conv conv = f.input == ChannelInput::Typed ? Conv::Offset
        : f.input == ChannelInput::List              ? Conv::ListPosition
                                                     : Conv::ItemNumber;
    return {code, f.name, OptionRecord::Public, nullptr, field, conv, f.values, static_cast<std::int16_t>(f.fallback)};
}

bool isReference(const OptionField& field)
{
    return field.record == OptionRecord::Public && field.conversion == Conv::ItemNumber;
}

// A reference to a tone tip or a DTMF code slot that the document defines
// (0, none, always is).
bool isDefinedReference(const Document& doc, const OptionField& field, int value)
{
    if (value == 0)
        return true;
    const std::vector<int> defined = field.publicField == ChannelField::RBTone ? DefinedToneTips(doc)
                                                                               : DefinedDtmfSlots(doc);
    return std::find(defined.begin(), defined.end(), value) != defined.end();
}

// The stored number of a value handed over, or a refusal.
std::optional<std::int16_t> convert(const Document& doc, const OptionField& field, std::string_view value, Refusal& why)
{
    why = Refusal::OutOfChoices;
    const auto number = NumericTextToInteger(value);
    switch (field.conversion) {
    case Conv::Offset:
        return ClampToStep(value, 5, 1000, 5, 5);
    case Conv::MaxSwr:
        return ClampToStep(value, LowestSwrTenths, HighestSwrTenths, 1, HighestSwrTenths);
    case Conv::ItemNumber:
        if (!number)
            return field.fallback;
        break;
    case Conv::ListPosition:
        if (!number)
            return std::nullopt;
        break;
    }
    if (*number < field.choices.min || *number > field.choices.max)
        return std::nullopt;
    const auto stored = static_cast<std::int16_t>(*number);
    if (isReference(field) && !isDefinedReference(doc, field, stored))
        return std::nullopt;
    if (field.record == OptionRecord::Public && field.publicField == ChannelField::Tx_Power && stored >= HighPower
        && doc.Record.PublicChannel.AM_FM == 1) {
        why = Refusal::HighPowerOnAm;
        return std::nullopt;
    }
    return stored;
}

// A number as the box shows it: "#0.0".
std::string oneDecimal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

UpdateResult notifyIfChanged(Document& doc, bool changed, Scope scope)
{
    if (!changed)
        return {};
    doc.notifyChanged({scope, 0});
    return {UpdateOutcome::Stored, Refusal::None};
}

}  // namespace

const std::vector<OptionField>& OptionFields()
{
    using R = OptFeatRecord;
    static const std::vector<OptionField> table = [] {
        std::vector<OptionField> fields{
            option(2, "Beep", &R::Beep, Conv::ListPosition, OffOn),
            option(3, "TimeOutTimer", &R::TimeOutTimer, Conv::ListPosition, {0, 30}),
            option(4, "Backlight", &R::Backlight, Conv::ItemNumber, {1, 3}),
            option(5, "SpeakerVolume", &R::SpeakerVolume, Conv::ItemNumber, {1, 56}),
            option(6, "SquelchLevel", &R::SquelchLevel, Conv::ListPosition, {0, 28}),
            option(7, "AsqFun", &R::AsqFun, Conv::ListPosition, OffOn),
            option(8, "AsqValue", &R::AsqValue, Conv::ItemNumber, {1, 9}),
            option(9, "GainControl", &R::GainControl, Conv::ListPosition, {0, 11}),
            option(10, "ChannelDisplay", &R::ChannelDisplay, Conv::ListPosition, OffOn),
            option(11, "ScanType", &R::ScanType, Conv::ListPosition, OffOn),
            option(12, "ScanTime", &R::ScanTime, Conv::ListPosition, {0, 5}),
            option(13, "SqlStepBack", &R::SqlStepBack, Conv::ItemNumber, {1, 7}),
            option(14, "AsqStepBack", &R::AsqStepBack, Conv::ItemNumber, {1, 7}),
            option(15, "AutoPowerOn", &R::AutoPowerOn, Conv::ListPosition, OffOn),
            option(16, "AllowMemEdit", &R::AllowMemEdit, Conv::ListPosition, OffOn),
        };
        // The public channel's rows are the edit dialog's rows that the public
        // channel governs, numbered as there; its offset has a box of its own.
        for (int row = 0; row < ChannelEditRowCount; ++row) {
            const ChannelField field = ChannelEditRows()[static_cast<std::size_t>(row)].field;
            if (ChannelFieldOf(field).followsPublic)
                fields.push_back(publicSetting(100 + row, field));
        }
        fields.push_back(publicSetting(OffsetStoreCode, ChannelField::OffSetFre));
        fields.push_back(option(UseMaxSwrStoreCode, "UseMaxSwr", &R::UseMaxSwr, Conv::ListPosition, OffOn));
        fields.push_back(option(MaxSwrStoreCode, "MaxSwr", &R::MaxSwr, Conv::MaxSwr,
                                {LowestSwrTenths, HighestSwrTenths}, HighestSwrTenths));
        return fields;
    }();
    return table;
}

const OptionField* OptionFieldByCode(int storeCode)
{
    const auto& table = OptionFields();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [storeCode](const OptionField& f) { return f.storeCode == storeCode; });
    return it == table.end() ? nullptr : &*it;
}

const OptionField* OptionFieldByName(OptionRecord record, std::string_view name)
{
    for (const OptionField& f : OptionFields()) {
        if (f.record == record && SameWordIgnoringCase(f.name, name))
            return &f;
    }
    return nullptr;
}

bool IsOptionFieldShown(const Document& doc, const OptionField& field)
{
    if (field.record != OptionRecord::Public)
        return true;
    return !IsHiddenInBand(field.publicField, doc.BandMode);
}

int OptionFieldValue(const Document& doc, const OptionField& field)
{
    if (field.record == OptionRecord::Options)
        return doc.Record.OptFeat.*field.option;
    return doc.Record.PublicChannel.*ChannelFieldMember(field.publicField);
}

UpdateResult SetOptionField(Document& doc, const OptionField& field, std::string_view value)
{
    if (!IsOptionFieldShown(doc, field))
        return {UpdateOutcome::Refused, Refusal::HiddenInBand};
    Refusal why = Refusal::None;
    const auto stored = convert(doc, field, value, why);
    if (!stored)
        return {UpdateOutcome::Refused, why};
    if (field.record == OptionRecord::Options) {
        std::int16_t& target = doc.Record.OptFeat.*field.option;
        const bool changed = target != *stored;
        target = *stored;
        return notifyIfChanged(doc, changed, Scope::Options);
    }
    ChannelRecord updated = doc.Record.PublicChannel;
    SetChannelField(updated, field.publicField, std::to_string(*stored), doc);
    const bool changed = !(updated == doc.Record.PublicChannel);
    doc.Record.PublicChannel = updated;
    return notifyIfChanged(doc, changed, Scope::PublicChannel);
}

UpdateResult SetOptionField(Document& doc, const OptionField& field, int value)
{
    return SetOptionField(doc, field, std::to_string(value));
}

UpdateResult ApplyPublicPowerLimit(Document& doc)
{
    ChannelRecord& pub = doc.Record.PublicChannel;
    const bool lowered = pub.AM_FM == 1 && pub.Tx_Power > 1;
    if (lowered)
        pub.Tx_Power = 1;
    return notifyIfChanged(doc, lowered, Scope::PublicChannel);
}

std::string MaxSwrShownText(std::string_view typed)
{
    const auto value = ParseNumericText(typed);
    if (!value)
        return MaxSwrTextOfTenths(HighestSwrTenths);
    return oneDecimal(std::clamp(*value, LowestSwrTenths / 10.0, HighestSwrTenths / 10.0));
}

int MaxSwrTenths(std::string_view shown)
{
    const auto value = ParseNumericText(shown);
    if (!value)
        return HighestSwrTenths;
    return std::clamp(static_cast<int>(RoundHalfEven(*value * 10.0)), LowestSwrTenths, HighestSwrTenths);
}

std::string MaxSwrTextOfTenths(int tenths)
{
    return oneDecimal(tenths / 10.0);
}

std::vector<int> DefinedToneTips(const Document& doc)
{
    std::vector<int> tips;
    for (int t = 1; t <= ToneTipCount; ++t) {
        if (CheckToneTipRef(doc, t) == t)
            tips.push_back(t);
    }
    return tips;
}

std::vector<int> DefinedDtmfSlots(const Document& doc)
{
    std::vector<int> slots;
    for (int s = 1; s <= DtmfSlotCount; ++s) {
        if (doc.Record.Dtmf.Codes[static_cast<std::size_t>(s - 1)].Length > 0)
            slots.push_back(s);
    }
    return slots;
}
