// The frequency and offset editors take only what their value can hold,
// whether it is typed, pasted or composed by an input method.

#include "channel_window_fixture.h"

#include "gui/channels/cell_line_edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>

namespace {

struct Entry {
    TypedKind kind;
    const char* typed;
    const char* kept;
};

}  // namespace

TEST_F(ChannelWindowTest, CellEditorsKeepOnlyDigitsAndTheFrequencyPoint)
{
    const Entry entries[] = {
        // A frequency's point may be a comma, as the numeric keypad types it.
        {TypedKind::Frequency, "27.125", "27.125"}, {TypedKind::Frequency, "2a7,1 -5e", "27,15"},
        {TypedKind::Frequency, "..1", "..1"},       {TypedKind::Digits, "1.05", "105"},
        {TypedKind::Digits, "1,05", "105"},         {TypedKind::Digits, "-7x0", "70"},
    };
    for (const Entry& e : entries) {
        CellLineEdit box(e.kind);
        box.show();
        QTest::keyClicks(&box, QString::fromLatin1(e.typed));
        EXPECT_EQ(box.text(), QString::fromLatin1(e.kept)) << e.typed;
    }
}

TEST_F(ChannelWindowTest, CellEditorsRefusePastesAndInputThatCarryOtherCharacters)
{
    CellLineEdit box(TypedKind::Frequency);
    box.show();
    box.setFocus();
    QClipboard* clipboard = QGuiApplication::clipboard();

    // Ctrl+V never reaches the box; Shift+Insert and the context menu's
    // paste go through the validator.
    clipboard->setText("28.5");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "");
    QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box.text(), "28.5");

    box.clear();
    clipboard->setText("28.5 MHz");
    QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
    box.paste();
    EXPECT_EQ(box.text(), "");

    QInputMethodEvent composed(QString(), {});
    composed.setCommitString(QStringLiteral("２７"));
    QCoreApplication::sendEvent(&box, &composed);
    EXPECT_EQ(box.text(), "");
    composed.setCommitString(QStringLiteral("27"));
    QCoreApplication::sendEvent(&box, &composed);
    EXPECT_EQ(box.text(), "27");
}

TEST_F(ChannelWindowTest, CellEditorSelectsItsTextWhenItGetsTheFocus)
{
    newDocument(1);
    openWindow();
    doubleClickCell(0, FreqColumn);
    ASSERT_NE(lineEditor(), nullptr);
    EXPECT_EQ(lineEditor()->selectedText(), lineEditor()->text());
    QTest::keyClicks(lineEditor(), "29");
    EXPECT_EQ(lineEditor()->text(), "29");
}
