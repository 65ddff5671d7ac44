// The memory-frequency dialog on its own: where it opens and what its lists
// show and offer.

#include "channel_edit_fixture.h"

#include "core/freq/channel_groups.h"
#include "lang_text_ids.h"

namespace {

constexpr int EU = 0, DE = 6;

class MemFreqDialogTest : public ChannelEditTest {
protected:
    void SetUp() override
    {
        ChannelEditTest::SetUp();
        newDocument(0);
        addChannels(EU, 2, 40);  // EU 1 is the new document's channel 1, on 27.185
        addChannels(DE, 55, 60, 300);
        // UK channel 1 on 27.60125, as the UK plan has it.
        AddChannel(doc, 121, "27.6012");
    }
    std::unique_ptr<Frm_Mem_Freq> open(const QString& boxText)
    {
        auto dialog = std::make_unique<Frm_Mem_Freq>(doc, boxText);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }
};

}  // namespace

TEST_F(MemFreqDialogTest, OpensOnTheCountryChannelNearestTheBoxText)
{
    struct Case {
        QString box;
        QString group;
        QString position;
        int positions;
    };
    const Case cases[] = {
        {"", "Off", "", 0},
        {"27.60125", "UK", "1", 40},
        {"27.855", "DE", "60", 80},
        {"26.9851", "EU", "3", 40},
    };
    for (const Case& c : cases) {
        auto dialog = open(c.box);
        EXPECT_EQ(dialog->groupList()->currentText(), c.group) << c.box.toStdString();
        EXPECT_EQ(dialog->positionList()->currentText(), c.position) << c.box.toStdString();
        EXPECT_EQ(dialog->positionList()->count(), c.positions) << c.box.toStdString();
        EXPECT_EQ(dialog->freqBox()->text(), c.box) << "opening shows the box's text";
        EXPECT_TRUE(dialog->okButton()->isEnabled());
    }
}

TEST_F(MemFreqDialogTest, AnotherGroupKeepsThePositionOnlyWhereItFits)
{
    auto dialog = open("27.855");
    pick(dialog->groupList(), "EU");
    EXPECT_EQ(dialog->positionList()->currentText(), "1");
    EXPECT_EQ(dialog->positionList()->count(), 40);
    EXPECT_EQ(dialog->freqBox()->text(), "27.18500");
    pick(dialog->positionList(), "40");
    pick(dialog->groupList(), "DE");
    EXPECT_EQ(dialog->positionList()->currentText(), "40");
    EXPECT_FALSE(dialog->okButton()->isEnabled()) << "DE 40 holds no channel";
    EXPECT_EQ(dialog->freqBox()->text(), "27.35500") << "the previous text stays";
    pick(dialog->positionList(), "56");
    EXPECT_TRUE(dialog->okButton()->isEnabled());
    EXPECT_EQ(dialog->chosenText(), "27.81500");
}

TEST_F(MemFreqDialogTest, OffEmptiesTheTextAndThePositions)
{
    auto dialog = open("27.60125");
    pick(dialog->groupList(), "Off");
    EXPECT_EQ(dialog->positionList()->count(), 0);
    EXPECT_EQ(dialog->chosenText(), "");
    EXPECT_TRUE(dialog->okButton()->isEnabled());
    EXPECT_EQ(dialog->okButton()->text(), LangText(Txt::OkButton));
    EXPECT_EQ(dialog->cancelButton()->text(), LangText(Txt::CancelButton));
}
