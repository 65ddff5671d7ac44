#include "core/channels/channel_paste.h"

#include "core/base/notifier.h"
#include "core/model/undo_group.h"
#include "core/channels/channel_clip.h"
#include "core/channels/channel_rules.h"
#include "core/channels/channel_update.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/model/document.h"

#include <vector>

namespace {

// The settings a paste writes, modulation before power: choosing AM lowers
// the power, and "High" power is refused on an AM channel.
std::vector<ChannelField> pastedSettings(int group, int bandMode)
{
    std::vector<ChannelField> fields;
    for (int f = FirstChannelField; f <= LastChannelField; ++f) {
        const auto field = static_cast<ChannelField>(f);
        if (field == ChannelField::RxFreq || field == ChannelField::Tx_Power || IsHiddenInBand(field, bandMode))
            continue;
        if (field == ChannelField::Scan && IsVfoGroup(group, bandMode))
            continue;
        fields.push_back(field);
    }
    if (!IsHiddenInBand(ChannelField::Tx_Power, bandMode))
        fields.push_back(ChannelField::Tx_Power);
    return fields;
}

bool isCountryGroup(int group, int bandMode)
{
    return bandMode == 0 && !IsMemGroup(group, bandMode);
}

class Paster {
public:
    Paster(Document& doc, int group) : m_doc(doc), m_group(group), m_settings(pastedSettings(group, doc.BandMode)) {}

    void pasteRow(int position, const std::optional<ChannelRecord>& row)
    {
        if (!row) {
            clear(position);
            return;
        }
        if (!placeFrequency(position, *row))
            return;
        for (ChannelField field : m_settings)
            SetChannelData(m_doc, m_group, position, field, (*row).*ChannelFieldMember(field), m_quiet);
        ++summary.pasted;
        if (!storedAsCopied(position, *row))
            ++summary.changedByRule;
    }

    PasteSummary summary;

private:
    void clear(int position)
    {
        if (isCountryGroup(m_group, m_doc.BandMode))
            return;
        if (!ChannelAt(m_doc, m_group, position)) {
            ++summary.pasted;
            return;
        }
        if (SetChannelData(m_doc, m_group, position, ChannelField::RxFreq, std::string(), m_quiet).refused())
            ++summary.kept;
        else
            ++summary.pasted;
    }

    // True when the position holds a channel to take the settings.
    bool placeFrequency(int position, const ChannelRecord& row)
    {
        if (isCountryGroup(m_group, m_doc.BandMode)) {
            if (ChannelAt(m_doc, m_group, position))
                return true;
            ++summary.noChannel;
            return false;
        }
        const std::string text = IsCorruptFreqCode(row.RxFreq) ? std::string() : FreqCodeToText(row.RxFreq, m_doc);
        if (!text.empty())
            SetChannelData(m_doc, m_group, position, ChannelField::RxFreq, text, m_quiet);
        if (ChannelAt(m_doc, m_group, position))
            return true;
        ++summary.changedByRule;
        return false;
    }

    bool storedAsCopied(int position, const ChannelRecord& row) const
    {
        const ChannelRecord* stored = ChannelAt(m_doc, m_group, position);
        if (!stored)
            return false;
        if (!isCountryGroup(m_group, m_doc.BandMode)
            && FreqCodeToText(stored->RxFreq, m_doc) != FreqCodeToText(row.RxFreq, m_doc))
            return false;
        for (ChannelField field : m_settings) {
            if (stored->*ChannelFieldMember(field) != row.*ChannelFieldMember(field))
                return false;
        }
        return true;
    }

    Document& m_doc;
    int m_group;
    std::vector<ChannelField> m_settings;
    SilentNotifier m_quiet;  // what the rules change is counted, not announced row by row
};

}  // namespace

PasteSummary PasteChannels(Document& doc, int group, int firstPosition, const ChannelClip& clip)
{
    UndoGroup step(doc);
    Paster paster(doc, group);
    const int size = GetGroupSize(group, doc.BandMode);
    int position = firstPosition;
    for (const auto& row : clip.rows) {
        if (position < 1 || position > size) {
            if (row)
                ++paster.summary.didNotFit;
        } else {
            paster.pasteRow(position, row);
        }
        ++position;
    }
    return paster.summary;
}
