// Undo and redo of every kind of change, with the records compared exactly.

#include "channel_fixture.h"

#include "core/model/document_snapshot.h"
#include "core/model/undo_group.h"
#include "core/app/undo_history.h"
#include "core/channels/channel_clip.h"
#include "core/channels/channel_paste.h"
#include "core/channels/channel_rearrange.h"
#include "core/channels/group_settings.h"
#include "core/editors/option_update.h"
#include "core/model/document_compare.h"

#include <functional>

namespace {

using namespace groups;
using Part = UndoStepName::Part;

class UndoTest : public ChannelFixture {
protected:
    // A document of the band with a few channels and settings, saved.
    void startSaved(int band)
    {
        if (band == 0)
            setUpBand(0, {{9, "27.065"}, {10, "27.075"}, {402, "27.065"}});
        else
            setUpBand(band,
                      {{1, band == 1 ? "27.1" : "28.1"},
                       {2, band == 1 ? "27.2" : "28.2"},
                       {402, band == 1 ? "27.3" : "28.3"}});
        doc.Record.OptFeat.GroupValid[0] = 1;
        markSaved();
        history.clear();
    }
    void markSaved()
    {
        doc.Base.Record = doc.Record;
        doc.Base.Channels = doc.ChannelList;
    }

    UndoHistory history{doc};
};

using Action = std::function<void(Document&, Notifier&)>;

struct ChangeCase {
    const char* name;
    int band;
    Action prepare;  // before the document is saved
    Action change;
    Part part;
};

class UndoEveryChangeTest : public UndoTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(UndoEveryChangeTest, UndoRestoresExactlyAndRedoRepeats)
{
    const ChangeCase& c = GetParam();
    startSaved(c.band);
    c.prepare(doc, notes);
    markSaved();
    history.clear();
    const DocumentSnapshot saved = TakeSnapshot(doc);
    c.change(doc, notes);
    const DocumentSnapshot changed = TakeSnapshot(doc);
    ASSERT_FALSE(changed == saved) << "the change changed nothing";
    ASSERT_TRUE(history.canUndo());
    EXPECT_EQ(history.undoName().part, c.part);

    ASSERT_TRUE(history.undo());
    EXPECT_EQ(TakeSnapshot(doc), saved);
    EXPECT_FALSE(IsDataChanged(doc));
    EXPECT_FALSE(history.canUndo());
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(TakeSnapshot(doc), changed);
    EXPECT_TRUE(IsDataChanged(doc));
    EXPECT_FALSE(history.canRedo());
}

Action channelField(int group, int position, ChannelField field, const char* value)
{
    return [=](Document& d, Notifier& n) { SetChannelData(d, group, position, field, value, n); };
}

const Action nothing = [](Document&, Notifier&) {};

INSTANTIATE_TEST_SUITE_P(
    Kinds, UndoEveryChangeTest,
    ::testing::Values(
        ChangeCase{"Scan", 0, nothing, channelField(EU, 9, ChannelField::Scan, "0"), Part::Channel},
        ChangeCase{"AmLowersPower", 1, channelField(A, 1, ChannelField::Tx_Power, "2"),
                   channelField(A, 1, ChannelField::AM_FM, "1"), Part::Channel},
        ChangeCase{"NewChannel", 2, nothing, channelField(B, 4, ChannelField::RxFreq, "29.1"), Part::Channel},
        ChangeCase{"DeleteWorkingChannel", 1, [](Document& d, Notifier&) { d.Record.OptFeat.WorkChannel[A] = 1; },
                   channelField(A, 2, ChannelField::RxFreq, ""), Part::Channel},
        ChangeCase{"Paste", 2, nothing,
                   [](Document& d, Notifier&) { PasteChannels(d, J, 1, CopyChannels(d, A, 1, 3)); }, Part::Channels},
        ChangeCase{"Insert", 1, nothing, [](Document& d, Notifier&) { InsertChannelAt(d, A, 1); }, Part::Channels},
        ChangeCase{"Move", 2, nothing, [](Document& d, Notifier&) { MoveChannels(d, Mem, 1, 1, 1); }, Part::Channels},
        ChangeCase{"GroupSetting", 2, nothing,
                   [](Document& d, Notifier&) { SetGroupSetting(d, A, GroupSetting::WorkChannel, 2); }, Part::Options},
        ChangeCase{
            "Option", 0, nothing,
            [](Document& d, Notifier&) { SetOptionField(d, *OptionFieldByName(OptionRecord::Options, "Beep"), 1); },
            Part::Options},
        ChangeCase{"DtmfReferences", 1, channelField(A, 1, ChannelField::DTMF_BOT, "3"),
                   [](Document& d, Notifier&) { ClearDtmfCodeRefs(d, 3); }, Part::Channel}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UndoTest, DeleteTakesBackTheRulesToo)
{
    startSaved(1);
    doc.Record.OptFeat.WorkChannel[A] = 1;
    markSaved();
    history.clear();
    set(A, 2, ChannelField::RxFreq, "");
    EXPECT_EQ(doc.Record.OptFeat.WorkChannel[A], 0);
    history.undo();
    EXPECT_EQ(doc.Record.OptFeat.WorkChannel[A], 1);
    EXPECT_NE(ChannelAt(doc, A, 2), nullptr);
}

TEST_F(UndoTest, NamesTheChannelAndField)
{
    startSaved(0);
    set(EU, 9, ChannelField::Scan, 0);
    const UndoStepName name = history.undoName();
    EXPECT_EQ(name.group, "EU");
    EXPECT_EQ(name.position, 9);
    EXPECT_EQ(name.field, "Scan");
}

TEST_F(UndoTest, EachChangeIsAStepAndANewChangeEndsRedo)
{
    startSaved(2);
    set(A, 1, ChannelField::Scan, 0);
    set(A, 2, ChannelField::Scan, 0);
    history.undo();
    EXPECT_EQ(ChannelAt(doc, A, 1)->Scan, 0);
    EXPECT_EQ(ChannelAt(doc, A, 2)->Scan, 1);
    set(A, 1, ChannelField::Public, 0);
    EXPECT_FALSE(history.canRedo());
    history.undo();
    history.undo();
    EXPECT_FALSE(IsDataChanged(doc));
}

TEST_F(UndoTest, AGroupIsOneStepNamedByItsDescription)
{
    startSaved(2);
    {
        UndoGroup group(doc, "Paste 2 channels");
        set(A, 1, ChannelField::Scan, 0);
        UndoGroup inner(doc, "ignored");
        set(A, 2, ChannelField::Scan, 0);
    }
    EXPECT_EQ(history.undoName().part, Part::Described);
    EXPECT_EQ(history.undoName().text, "Paste 2 channels");
    history.undo();
    EXPECT_FALSE(IsDataChanged(doc));
    EXPECT_FALSE(history.canUndo());
}

TEST_F(UndoTest, NormalisationOnShowIsNoStep)
{
    startSaved(1);
    set(A, 1, ChannelField::Scan, 0);
    {
        NotAStep quiet(doc);
        doc.Record.PublicChannel.Tx_Power = 1;
        doc.notifyChanged({DocumentChange::Scope::PublicChannel, 0});
    }
    history.undo();
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(ChannelAt(doc, A, 1)->Scan, 1);
    EXPECT_EQ(doc.Record.PublicChannel.Tx_Power, 1);
}

TEST_F(UndoTest, AStepCloserMakesOneStepOfOneUserAction)
{
    startSaved(1);
    int scheduled = 0;
    history.setStepCloser([&] { ++scheduled; });
    set(A, 1, ChannelField::Public, 0);
    set(A, 2, ChannelField::Scan, 0);
    EXPECT_EQ(scheduled, 1);
    EXPECT_TRUE(history.canUndo());
    history.closeStep();
    history.undo();
    EXPECT_FALSE(IsDataChanged(doc));
    EXPECT_FALSE(history.canUndo());
}

TEST_F(UndoTest, ReplacingTheDocumentClearsTheHistory)
{
    startSaved(1);
    set(A, 1, ChannelField::Scan, 0);
    history.undo();
    ASSERT_TRUE(history.canRedo());
    doc.notifyReplaced();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
}

TEST_F(UndoTest, UndoLeavesTheShownGroup)
{
    startSaved(1);
    set(A, 1, ChannelField::Scan, 0);
    doc.Record.OptFeat.GridGroup = B;
    history.undo();
    EXPECT_EQ(doc.Record.OptFeat.GridGroup, B);
    EXPECT_EQ(ChannelAt(doc, A, 1)->Scan, 1);
}

TEST_F(UndoTest, OldestStepsGoBeyondTheLimit)
{
    startSaved(2);
    UndoHistory shortHistory(doc, 2);
    for (const char* scan : {"0", "1", "0"})
        set(A, 1, ChannelField::Scan, scan);
    EXPECT_TRUE(shortHistory.undo());
    EXPECT_TRUE(shortHistory.undo());
    EXPECT_FALSE(shortHistory.undo());
    EXPECT_EQ(ChannelAt(doc, A, 1)->Scan, 0);
}

TEST_F(UndoTest, RestoreTellsTheWindowsWhatChanged)
{
    startSaved(1);
    set(A, 1, ChannelField::Scan, 0);
    SetOptionField(doc, *OptionFieldByName(OptionRecord::Options, "Beep"), 1);
    history.undo();
    log.changes.clear();
    history.undo();
    ASSERT_EQ(log.changes.size(), 1u);
    EXPECT_EQ(log.changes[0].scope, DocumentChange::Scope::Channels);
}

}  // namespace
