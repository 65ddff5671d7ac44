// Showing a window stores the values its lists cannot show; that is no step
// the user could undo, while a real edit after it still is.

#include "../channels/channel_fixture.h"

#include "core/model/document_snapshot.h"
#include "core/app/undo_history.h"
#include "core/editors/dtmf_update.h"
#include "core/editors/tone_tip_update.h"

#include <functional>

namespace {

struct ShowCase {
    const char* what;
    std::function<void(Document&)> storeUnshowable;
    std::function<void(Document&)> show;
    std::function<void(Document&)> edit;
};

class ShownValuesUndo : public ChannelFixture, public ::testing::WithParamInterface<ShowCase> {
protected:
    void SetUp() override { setUpBand(1, {{1, "27.1"}}); }
};

TEST_P(ShownValuesUndo, ShowingIsNoStepButTheNextEditIs)
{
    const ShowCase& c = GetParam();
    c.storeUnshowable(doc);
    UndoHistory history(doc);
    const DocumentSnapshot unshown = TakeSnapshot(doc);

    c.show(doc);
    const DocumentSnapshot shown = TakeSnapshot(doc);
    ASSERT_FALSE(shown == unshown) << c.what << ": showing stored nothing";
    EXPECT_FALSE(history.canUndo()) << c.what;

    c.edit(doc);
    ASSERT_TRUE(history.canUndo()) << c.what;
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(TakeSnapshot(doc), shown) << c.what << ": undo goes back to the shown values, not before them";
    EXPECT_FALSE(history.canUndo());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ShownValuesUndo,
    ::testing::Values(ShowCase{"DTMF settings no list shows",
                               [](Document& d) {
                                   for (const DtmfSetting& s : DtmfSettingTable())
                                       d.Record.Dtmf.*s.member = -5;
                               },
                               [](Document& d) { NormaliseShownDtmf(d); },
                               [](Document& d) { SetDtmfCode(d, 1, "123"); }},
                      ShowCase{"tone tip loop count 200", [](Document& d) { d.Record.Tips[0].LoopCount = 200; },
                               [](Document& d) { StoreShownToneTip(d, 1); },
                               [](Document& d) { SetToneTipField(d, 1, ToneTipField::Interval, 1, 7); }}),
    [](const ::testing::TestParamInfo<ShowCase>& info) { return std::to_string(info.index); });

}  // namespace
