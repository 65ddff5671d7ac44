#include "core/app/write_check.h"

#include "core/base/lang_texts.h"
#include "core/base/text_fill.h"
#include "core/channels/channel_place.h"
#include "core/channels/channel_rules.h"
#include "core/channels/channels_in_order.h"
#include "core/channels/channel_update.h"
#include "core/freq/channel_groups.h"
#include "core/freq/freq_code.h"
#include "core/base/text_helpers.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

namespace {

constexpr int RasterUnits = 500;  // 5 kHz in the code's 10 Hz units

// The frequency of a code in units of 10 Hz; nothing for no or a corrupt frequency.
std::optional<long> codeUnits(const std::string& code)
{
    const std::string digits = TrimFixed(code);
    if (digits.size() != 8 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stol(digits);
}

long mhzUnits(double mhz)
{
    return std::lround(mhz * 100000.0);
}

std::string placeOf(int channelNo, int band)
{
    const ChannelPlace place = PlaceOfChannel(channelNo, band);
    if (!place.valid())
        return "#" + std::to_string(channelNo);
    return GetGroupName(place.group, band) + " " + std::to_string(place.position);
}

// The frequencies of the country channels of the CB band (channels 1..360).
std::set<long> countryFrequencies(const Document& doc)
{
    std::set<long> found;
    for (int i = 0; i < std::clamp<int>(doc.ChannelCount, 0, MaxChannels); ++i) {
        const ChannelRecord& c = doc.ChannelList[static_cast<std::size_t>(i)];
        if (c.ChannelNo >= 1 && c.ChannelNo <= LastCountryChannel)
            if (const auto units = codeUnits(c.RxFreq))
                found.insert(*units);
    }
    return found;
}

class Checker {
public:
    explicit Checker(const Document& doc) : m_doc(doc), m_band(doc.BandMode) {}

    std::vector<CheckFinding> run()
    {
        for (const ChannelRecord* c : ChannelsInNumberOrder(m_doc))
            checkChannel(*c);
        checkSettings(m_doc.Record.PublicChannel, {});
        checkGroups();
        return std::move(m_findings);
    }

private:
    void add(CheckKind kind, const std::string& where, const std::string& value = {}, int column = 0)
    {
        m_findings.push_back({kind, where, value, column});
    }

    void checkChannel(const ChannelRecord& c)
    {
        const std::string where = placeOf(c.ChannelNo, m_band);
        const ChannelPlace place = PlaceOfChannel(c.ChannelNo, m_band);
        // Older files hold a VFO channel as the radio does not keep it; a
        // write and a read-back would show it changed.
        if (c.ChannelNo == VfoChannelNo && m_band == 0) {
            add(CheckKind::NoVfoInCb, where);
            return;
        }
        if (c.ChannelNo == VfoChannelNo && c.Scan != 0)
            add(CheckKind::VfoScanned, where);
        checkFrequency(c, place.group, where);
        if (c.AM_FM == 1 && IsFixFM(place.position, place.group, m_band))
            add(CheckKind::AmOnFixedFm, where);
        checkSettings(c, where);
    }

    void checkFrequency(const ChannelRecord& c, int group, const std::string& where)
    {
        const auto units = codeUnits(c.RxFreq);
        if (!units) {
            add(CheckKind::NoFrequency, where);
            return;
        }
        const std::string shown = FreqCodeToText(c.RxFreq, m_doc);
        if (m_band == 0) {
            // The country channels follow their plans; a memory channel copies one of them.
            if (IsMemGroup(group, 0) && !countryFrequencies(m_doc).count(*units))
                add(CheckKind::NoCountryChannel, where, shown);
            return;
        }
        const long low = mhzUnits(m_doc.FreqMin);
        if (*units < low || *units > mhzUnits(m_doc.FreqMax))
            add(CheckKind::OutsideBand, where, shown);
        else if ((*units - low) % RasterUnits != 0)
            add(CheckKind::OffRaster, where, shown);
    }

    // The settings a channel shares with the public channel.
    void checkSettings(const ChannelRecord& c, const std::string& where)
    {
        if (c.RBTone != 0 && CheckToneTipRef(m_doc, c.RBTone) == 0)
            add(CheckKind::UndefinedToneTip, where, std::to_string(c.RBTone));
        for (const std::int16_t slot : std::set<std::int16_t>{c.DTMF_BOT, c.DTMF_EOT, c.DTMF_Call}) {
            if (slot != 0 && !dtmfSlotUsable(slot))
                add(CheckKind::EmptyDtmfSlot, where, std::to_string(slot));
        }
        if (c.AM_FM == 1 && c.Tx_Power >= HighPower)
            add(CheckKind::AmHighPower, where);
    }

    bool dtmfSlotUsable(int slot) const
    {
        if (slot < 1 || slot > static_cast<int>(m_doc.Record.Dtmf.Codes.size()))
            return false;
        return m_doc.Record.Dtmf.Codes[static_cast<std::size_t>(slot - 1)].Length > 0;
    }

    void checkGroups()
    {
        const OptFeatRecord& opt = m_doc.Record.OptFeat;
        const int last = LastRegularGroup(m_band);
        if (std::none_of(opt.GroupValid.begin(), opt.GroupValid.begin() + last + 1, [](auto v) { return v > 0; }))
            add(CheckKind::NoValidGroup, {});
        for (int g = 0; g <= last; ++g) {
            const auto i = static_cast<std::size_t>(g);
            checkPosition(g, opt.WorkChannel[i], 0);
            checkPosition(g, opt.EmergencyChannel[i][0], 1);
            checkPosition(g, opt.EmergencyChannel[i][1], 2);
        }
        const int mem = m_band == 0 ? Groups::CbMem : Groups::BankMem;
        checkPosition(mem, opt.Value1B, 0);
    }

    // A stored zero-based position of a group that holds channels must name one of them.
    void checkPosition(int group, int stored, int column)
    {
        const std::vector<int> positions = ChannelPositionsInGroup(m_doc, group);
        if (positions.empty() || std::find(positions.begin(), positions.end(), stored + 1) != positions.end())
            return;
        add(column == 0 ? CheckKind::WorkOnEmpty : CheckKind::EmergencyOnEmpty, GetGroupName(group, m_band),
            std::to_string(stored + 1), column);
    }

    const Document& m_doc;
    const int m_band;
    std::vector<CheckFinding> m_findings;
};

int textNumberOf(CheckKind kind)
{
    switch (kind) {
    case CheckKind::NoFrequency:
        return Txt::CheckNoFrequency;
    case CheckKind::OutsideBand:
        return Txt::CheckOutsideBand;
    case CheckKind::OffRaster:
        return Txt::CheckOffRaster;
    case CheckKind::NoCountryChannel:
        return Txt::CheckNoCountryChannel;
    case CheckKind::NoValidGroup:
        return Txt::CheckNoValidGroup;
    case CheckKind::WorkOnEmpty:
        return Txt::CheckWorkOnEmpty;
    case CheckKind::EmergencyOnEmpty:
        return Txt::CheckEmergencyOnEmpty;
    case CheckKind::UndefinedToneTip:
        return Txt::CheckUndefinedToneTip;
    case CheckKind::EmptyDtmfSlot:
        return Txt::CheckEmptyDtmfSlot;
    case CheckKind::AmHighPower:
        return Txt::CheckAmHighPower;
    case CheckKind::AmOnFixedFm:
        return Txt::CheckAmOnFixedFm;
    case CheckKind::VfoScanned:
        return Txt::CheckVfoScanned;
    case CheckKind::NoVfoInCb:
        return Txt::CheckNoVfoInCb;
    }
    return Txt::CheckNoValidGroup;
}

}  // namespace

std::vector<CheckFinding> CheckDocument(const Document& doc)
{
    return Checker(doc).run();
}

std::string CheckFindingText(const CheckFinding& finding)
{
    const std::string where = finding.where.empty() ? GetLangText(Txt::CheckPublicChannel) : finding.where;
    return FillText(GetLangText(textNumberOf(finding.kind)), {where, finding.value, std::to_string(finding.column)});
}
