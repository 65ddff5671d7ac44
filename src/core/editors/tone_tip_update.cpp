#include "core/editors/tone_tip_update.h"

#include "core/model/undo_group.h"

#include "core/model/document.h"

#include <algorithm>
#include <cstddef>

namespace {

struct FieldRule {
    ToneTipField field;
    std::int16_t ToneTip::*header;    // the loop count or the pause
    std::int16_t ToneTipTone::*tone;  // the frequency or the length of a tone
    ChoiceRange choices;              // the values the list offers (and 0)
};

const FieldRule FieldRules[] = {
    {ToneTipField::LoopCount, &ToneTip::LoopCount, nullptr, {0, 10}},
    {ToneTipField::Interval, &ToneTip::Interval, nullptr, {0, 255}},
    {ToneTipField::Frequency, nullptr, &ToneTipTone::Freq, {LowestToneFrequency, HighestToneFrequency}},
    {ToneTipField::Length, nullptr, &ToneTipTone::Length, {0, 255}},
};

const FieldRule& rule(ToneTipField field)
{
    return FieldRules[static_cast<std::size_t>(field)];
}

bool validTone(int tone)
{
    return tone >= 1 && tone <= ToneTipTones;
}

std::int16_t& member(ToneTip& tip, const FieldRule& s, int tone)
{
    if (s.header)
        return tip.*s.header;
    return tip.Tones[static_cast<std::size_t>(tone - 1)].*s.tone;
}

}  // namespace

int ToneTipFieldValue(const ToneTip& tip, ToneTipField field, int tone)
{
    const FieldRule& s = rule(field);
    if (s.header)
        return tip.*s.header;
    return validTone(tone) ? tip.Tones[static_cast<std::size_t>(tone - 1)].*s.tone : 0;
}

bool ToneTipFieldShows(ToneTipField field, int value)
{
    return value == 0 || rule(field).choices.contains(value);
}

int ToneFrequencyOfItem(int item)
{
    return item <= 0 ? 0 : LowestToneFrequency - 1 + item;
}

int ToneFrequencyItem(int value)
{
    return ToneTipFieldShows(ToneTipField::Frequency, value) && value > 0 ? value - (LowestToneFrequency - 1) : 0;
}

int ToneTipListItem(ToneTipField field, int value)
{
    if (field == ToneTipField::Frequency)
        return ToneFrequencyItem(value);
    return ToneTipFieldShows(field, value) ? value : 0;
}

UpdateResult SetToneTipField(Document& doc, int tip, ToneTipField field, int tone, int value)
{
    const FieldRule& s = rule(field);
    if (tip < 1 || tip > ToneTipCount || (!s.header && !validTone(tone)) || !ToneTipFieldShows(field, value))
        return {UpdateOutcome::Refused, Refusal::OutOfChoices};
    std::int16_t& target = member(doc.Record.Tips[static_cast<std::size_t>(tip - 1)], s, tone);
    if (target == value)
        return {};
    target = static_cast<std::int16_t>(value);
    doc.notifyChanged({DocumentChange::Scope::ToneTips, 0});
    return {UpdateOutcome::Stored, Refusal::None};
}

ToneTip ShownToneTip(const ToneTip& tip)
{
    ToneTip shown = tip;
    for (const FieldRule& s : FieldRules) {
        for (int tone = 1; tone <= (s.header ? 1 : ToneTipTones); ++tone) {
            std::int16_t& value = member(shown, s, tone);
            if (!ToneTipFieldShows(s.field, value))
                value = 0;
        }
    }
    return shown;
}

UpdateResult StoreShownToneTip(Document& doc, int tip)
{
    if (tip < 1 || tip > ToneTipCount)
        return {UpdateOutcome::Refused, Refusal::OutOfChoices};
    ToneTip& stored = doc.Record.Tips[static_cast<std::size_t>(tip - 1)];
    const ToneTip shown = ShownToneTip(stored);
    if (shown == stored)
        return {};
    // Showing a tip makes the record agree with what the lists show; the
    // user did not ask for it, so it is no step that undo could take back.
    NotAStep quiet(doc);
    stored = shown;
    doc.notifyChanged({DocumentChange::Scope::ToneTips, 0});
    return {UpdateOutcome::Stored, Refusal::None};
}

namespace {

// Whether a tip's loop count or any of its lengths differ: what decides
// whether it sounds.
bool soundingFieldsDiffer(const ToneTip& a, const ToneTip& b)
{
    if (a.LoopCount != b.LoopCount)
        return true;
    for (std::size_t k = 0; k < a.Tones.size(); ++k) {
        if (a.Tones[k].Length != b.Tones[k].Length)
            return true;
    }
    return false;
}

bool isTip(int tip)
{
    return tip >= 1 && tip <= ToneTipCount;
}

}  // namespace

UpdateResult ToneTipEdits::edit(Document& doc, int tip, ToneTipField field, int tone, int value)
{
    const UpdateResult result = SetToneTipField(doc, tip, field, tone, value);
    if (result.stored() && (field == ToneTipField::LoopCount || field == ToneTipField::Length))
        m_edited.insert(tip);
    return result;
}

UpdateResult ToneTipEdits::show(Document& doc, int tip)
{
    if (!isTip(tip))
        return StoreShownToneTip(doc, tip);
    const ToneTip before = doc.Record.Tips[static_cast<std::size_t>(tip - 1)];
    const UpdateResult result = StoreShownToneTip(doc, tip);
    if (soundingFieldsDiffer(before, doc.Record.Tips[static_cast<std::size_t>(tip - 1)]))
        m_edited.insert(tip);
    return result;
}

void ToneTipEdits::commit(Document& doc)
{
    for (const int tip : m_edited) {
        if (CheckToneTipRef(doc, tip) == 0)
            ClearToneTipRefs(doc, tip);
    }
    m_edited.clear();
}

void ClearToneTipRefs(Document& doc, int tip)
{
    if (!isTip(tip))
        return;
    bool channels = false;
    const int count = std::clamp<int>(doc.ChannelCount, 0, MaxChannels);
    for (int i = 0; i < count; ++i) {
        ChannelRecord& c = doc.ChannelList[static_cast<std::size_t>(i)];
        if (c.RBTone == tip) {
            c.RBTone = 0;
            channels = true;
        }
    }
    const bool publicChannel = doc.Record.PublicChannel.RBTone == tip;
    if (publicChannel)
        doc.Record.PublicChannel.RBTone = 0;
    if (channels)
        doc.notifyChanged({DocumentChange::Scope::Channels, 0});
    if (publicChannel)
        doc.notifyChanged({DocumentChange::Scope::PublicChannel, 0});
}
