// A typed frequency in the channel window's cell and in the edit dialog's
// box: a comma is a decimal point, text that is no number is refused with a
// message and the channel keeps its frequency, and clearing the box of an
// empty position changes no group setting.

#include "channel_edit_fixture.h"

#include "gui/base/lang_text.h"
#include "core/base/text_fill.h"
#include "gui/channels/channel_columns.h"
#include "lang_text_ids.h"

namespace {

constexpr int BankA = 0;

}  // namespace

TEST_F(ChannelEditTest, TypedFrequencyTakesACommaAndRefusesTextThatIsNoNumber)
{
    const struct {
        const char* typed;
        const char* code;  // channel 1 holds 27.86 MHz in a new HF document
        bool refused;
    } cases[] = {
        {"27,1", "02710000", false},
        {"28.5.5", "02786000", true},
        {".", "02786000", true},
        {",", "02786000", true},
    };
    for (const auto& c : cases) {
        for (const bool inGrid : {true, false}) {
            SCOPED_TRACE(std::string(c.typed) + (inGrid ? " in the grid" : " in the edit dialog"));
            edit.reset();
            window.reset();
            newDocument(1);
            boxes.asked.clear();
            if (inGrid) {
                openWindow();
                doubleClickCell(0, FreqColumn);
                typeIntoEditor(QString::fromLatin1(c.typed));
                QTest::keyClick(lineEditor(), Qt::Key_Return);
                QCoreApplication::processEvents();
            } else {
                openEdit(BankA, 1);
                typeAndLeave(edit->freqBox(), QString::fromLatin1(c.typed));
            }
            EXPECT_EQ(channel(1)->RxFreq, c.code);
            const QString shownText = inGrid ? cellText(0, FreqColumn) : edit->freqBox()->text();
            EXPECT_EQ(shownText, c.refused ? "27.86000" : "27.10000") << "the box shows what is stored";
            const QString message = QString::fromStdString(
                FillText(LangText(Txt::FreqNotANumber).toStdString(), {c.typed}));
            EXPECT_EQ(boxes.texts(), c.refused ? std::vector<QString>{message} : std::vector<QString>{});
        }
    }
}

TEST_F(ChannelEditTest, ClearingTheBoxOfAnEmptyPositionChangesNoGroupSetting)
{
    newDocument(1);
    doc.Record.OptFeat.WorkChannel[BankA] = 6;  // position 7, which holds no channel
    const OptFeatRecord before = doc.Record.OptFeat;
    openEdit(BankA, 7);
    typeInto(edit->freqBox(), QStringLiteral("27.5"));
    typeAndLeave(edit->freqBox(), QString());
    EXPECT_EQ(doc.Record.OptFeat, before);
    EXPECT_EQ(doc.ChannelCount, 10);
}
