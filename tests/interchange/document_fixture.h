#pragma once

#include "core/base/app_state.h"
#include "core/app/data_file.h"
#include "core/base/notifier.h"
#include "core/channels/channel_update.h"
#include "core/channels/channels_in_order.h"
#include "core/model/band_range.h"
#include "core/model/document.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const ChannelRecord& c, std::ostream* os)
{
    *os << "{No " << c.ChannelNo << " " << c.RxFreq << " Scan " << c.Scan << " Off " << c.OffSetFre << " R " << c.RDCT
        << " T " << c.TDCT << " DUP " << c.DUP << " HC " << c.HI_CUT << " B " << c.BUSY << " NB " << c.NB << " AM "
        << c.AM_FM << " P " << c.Tx_Power << " Pub " << c.Public << " RB " << c.RBTone << " D " << c.DTMF_BOT << "/"
        << c.DTMF_EOT << "/" << c.DTMF_Call << " TSQ " << c.TSQ << "}";
}

// Documents as File > New makes them from the installation's default files,
// with the English texts of the source tree.
class DocumentFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppState::instance().setProgramFolder(std::string(BRISKO7_SOURCE_DIR) + "/data");
        AppState::instance().setLanguage(1);
    }

    static std::unique_ptr<Document> newDocument(int band)
    {
        auto doc = std::make_unique<Document>();
        ApplyBandMode(*doc, band);
        InitDocument(*doc, std::string(BRISKO7_STAGE_PROGRAM) + "/Init");
        return doc;
    }

    // The channels in number order, as values.
    static std::vector<ChannelRecord> channels(const Document& doc)
    {
        std::vector<ChannelRecord> list;
        for (const ChannelRecord* c : ChannelsInNumberOrder(doc))
            list.push_back(*c);
        return list;
    }

    UpdateResult set(Document& doc, int group, int position, ChannelField field, const std::string& value)
    {
        return SetChannelData(doc, group, position, field, value, m_quiet);
    }

    SilentNotifier m_quiet;
};
