#pragma once

#include "core/channels/channel_rules.h"
#include "core/base/notifier.h"
#include "core/channels/channel_update.h"
#include "core/channels/group_settings.h"
#include "core/freq/channel_groups.h"
#include "core/model/tone_table.h"
#include "core/model/document.h"

#include <cstdio>
#include <random>
#include <vector>

// Random edits of the kinds the editors allow: only unlocked fields, values
// their lists offer (defined tone tips, DTMF codes with digits, positions
// that hold a channel), frequencies typed anywhere in the band, and, when
// asked for, cleared frequencies that delete channels.
class EditorEdits {
public:
    enum class Deletes { No, Yes };
    EditorEdits(Document& doc, unsigned seed, Deletes deletes = Deletes::No)
        : m_doc(doc), m_random(seed), m_deletes(deletes == Deletes::Yes)
    {
    }

    void run(int count)
    {
        for (int i = 0; i < count; ++i) {
            if (pick(0, 9) == 0)
                editGroupSetting();
            else
                editChannel();
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    int randomGroup()
    {
        const int last = m_doc.BandMode == 0 ? Groups::CbMem : Groups::BankMem;
        return pick(0, last);
    }

    void editChannel()
    {
        const int group = randomGroup();
        const int size = GetGroupSize(group, m_doc.BandMode);
        if (size == 0)
            return;
        const int position = pick(1, size);
        const auto field = static_cast<ChannelField>(pick(FirstChannelField, LastChannelField));
        if (ChannelFieldLock(m_doc, group, position, field) != Refusal::None)
            return;
        SetChannelData(m_doc, group, position, field, valueFor(field), m_quiet);
    }

    std::string valueFor(ChannelField field)
    {
        switch (field) {
        case ChannelField::RxFreq: {
            if (m_deletes && pick(0, 5) == 0)
                return {};
            char text[32];
            const double span = m_doc.FreqMax - m_doc.FreqMin;
            std::snprintf(text, sizeof text, "%.5f", m_doc.FreqMin + span * pick(0, 1000) / 1000.0);
            return text;
        }
        case ChannelField::OffSetFre:
            return std::to_string(5 * pick(1, 200));
        case ChannelField::RBTone:
            return std::to_string(offered([this](int t) { return CheckToneTipRef(m_doc, t) == t; }, 8));
        case ChannelField::DTMF_BOT:
        case ChannelField::DTMF_EOT:
        case ChannelField::DTMF_Call:
            return std::to_string(offered(
                [this](int s) { return m_doc.Record.Dtmf.Codes[static_cast<std::size_t>(s - 1)].Length > 0; }, 16));
        default: {
            const auto choices = ChannelFieldChoices(field);
            return std::to_string(choices ? pick(choices->min, choices->max) : 0);
        }
        }
    }

    // 0 or one of the numbers 1..last that the predicate accepts.
    template <typename Accept>
    int offered(Accept accept, int last)
    {
        std::vector<int> values{0};
        for (int n = 1; n <= last; ++n) {
            if (accept(n))
                values.push_back(n);
        }
        return values[static_cast<std::size_t>(pick(0, static_cast<int>(values.size()) - 1))];
    }

    void editGroupSetting()
    {
        const int group = pick(0, LastRegularGroup(m_doc.BandMode));
        const auto setting = static_cast<GroupSetting>(pick(0, 5));
        if (!IsGroupSettingOffered(m_doc, group, setting))
            return;
        const std::vector<int> positions = ChannelPositionsInGroup(m_doc, group);
        const bool isPosition = setting == GroupSetting::WorkChannel || setting == GroupSetting::EmergencyChannel1
            || setting == GroupSetting::EmergencyChannel2;
        if (isPosition && positions.empty())
            return;
        const int value = isPosition
            ? positions[static_cast<std::size_t>(pick(0, static_cast<int>(positions.size()) - 1))]
            : pick(0, 1);
        SetGroupSetting(m_doc, group, setting, value);
    }

    Document& m_doc;
    std::mt19937 m_random;
    bool m_deletes = false;
    SilentNotifier m_quiet;
};
