#pragma once

#include "../support/recording_notifier.h"
#include "core/channels/channel_update.h"
#include "core/model/band_range.h"
#include "core/freq/channel_groups.h"
#include "core/model/document.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

// Records every change the document announces.
class ChangeLog : public DocumentObserver {
public:
    void documentChanged(const DocumentChange& change) override { changes.push_back(change); }
    std::vector<DocumentChange> changes;
};

// A document of one band holding the channels a test names, with every
// group's settings at their zero values and the document's change log.
class ChannelFixture : public ::testing::Test {
protected:
    ChannelFixture() { doc.addObserver(&log); }
    ~ChannelFixture() override { doc.removeObserver(&log); }

    // Starts over in a band with the given channels (numbers and frequencies).
    void setUpBand(int band, std::initializer_list<std::pair<int, const char*>> channels)
    {
        ASSERT_TRUE(ApplyBandMode(doc, band));
        doc.ChannelCount = 0;
        doc.Record.OptFeat = OptFeatRecord{};
        for (const auto& [no, freq] : channels)
            AddChannel(doc, no, freq);
        log.changes.clear();
    }

    const ChannelRecord* channel(int no) const
    {
        const int index = FindChannelIndex(doc, no);
        return index < 0 ? nullptr : &doc.ChannelList[static_cast<std::size_t>(index)];
    }

    UpdateResult set(int group, int position, ChannelField field, const std::string& value)
    {
        return SetChannelData(doc, group, position, field, value, notes);
    }
    UpdateResult set(int group, int position, ChannelField field, int value)
    {
        return SetChannelData(doc, group, position, field, value, notes);
    }

    static UpdateResult stored() { return {UpdateOutcome::Stored, Refusal::None}; }
    static UpdateResult unchanged() { return {UpdateOutcome::Unchanged, Refusal::None}; }
    static UpdateResult refusedFor(Refusal why) { return {UpdateOutcome::Refused, why}; }

    Document doc;
    RecordingNotifier notes;
    ChangeLog log;
};

// Group indices used by the tests.
namespace groups {
constexpr int EU = 0, CE = 1, U = 2, UK = 3, PL = 4, I2 = 5, DE = 6, IN = 7, CbMem = 8;
constexpr int A = 0, B = 1, J = 9, Vfo = 10, Mem = 11;
}  // namespace groups
