#include "dtmf_keys_fixture.h"

#include "gui/editors/frm_key.h"
#include "core/editors/key_update.h"
#include "lang_text_ids.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>

namespace {

using FrmKeyTest = DtmfKeysTest<FrmKey>;

QString keyList(int entry)
{
    return QStringLiteral("Combo1_%1").arg(entry);
}

TEST_F(FrmKeyTest, TheWorkingModeShowsAndStoresItsListPosition)
{
    doc.Record.Keys.KeyMode = 3;
    open();
    QComboBox* mode = control(QStringLiteral("Combo2"));
    EXPECT_EQ(mode->currentText(), "1&2&3");
    pick(mode, QStringLiteral("1&3"));
    EXPECT_EQ(doc.Record.Keys.KeyMode, 1);
}

TEST_F(FrmKeyTest, EachKeyListStoresItsFunctionIntoItsOwnEntry)
{
    struct Case {
        int mode, key;
        const char* function;
        int entry, code;
    };
    const Case cases[] = {
        {2, 6, "NULL", 11, 20}, {1, 1, "MOD", 0, 1}, {1, 4, "RFG", 3, 2}, {3, 3, "5K", 14, 18}, {3, 6, "DIM", 17, 19}};
    const KeySettings initial = doc.Record.Keys;
    for (const Case& c : cases) {
        doc.Record.Keys = initial;
        open();
        pick(control(keyList(KeyEntry(c.mode, c.key))), QString::fromLatin1(c.function));
        KeySettings expected = initial;
        expected.Keys[static_cast<std::size_t>(c.entry)] = static_cast<std::int16_t>(c.code);
        EXPECT_EQ(doc.Record.Keys, expected) << "P" << c.key << " of key mode " << c.mode;
    }
}

TEST_F(FrmKeyTest, StoredValuesOutsideTheListsShowTheFirstItemAndStayStored)
{
    doc.Record.Keys.Keys[0] = 0;
    doc.Record.Keys.Keys[7] = 21;
    doc.Record.Keys.KeyMode = 9;
    const DocumentRecord before = doc.Record;
    open();
    EXPECT_EQ(control(keyList(0))->currentText(), "MOD");
    EXPECT_EQ(control(keyList(7))->currentText(), "MOD");
    EXPECT_EQ(control(keyList(1))->currentText(), "MEM");
    EXPECT_EQ(control(QStringLiteral("Combo2"))->currentText(), "1&2");
    EXPECT_EQ(doc.Record, before) << "showing stores nothing";
    EXPECT_TRUE(recorder.changes.empty());
    pick(control(keyList(1)), 0);
    EXPECT_EQ(doc.Record.Keys.Keys[0], 0) << "a pick elsewhere leaves it alone";
    // The user opens the list and takes the item it already shows.
    QComboBox* first = control(keyList(0));
    first->showPopup();
    QTest::keyClick(first->view(), Qt::Key_Return);
    EXPECT_EQ(doc.Record.Keys.Keys[0], 1) << "until the user picks an item of its own list";
}

TEST_F(FrmKeyTest, ThreeFramesSideBySideWithTwoColumnsOfKeys)
{
    open();
    for (int mode = 1; mode <= KeyModeCount; ++mode) {
        const auto* frame = control<QGroupBox>(QStringLiteral("Frame1_%1").arg(mode - 1));
        EXPECT_EQ(frame->title(), LangText(Txt::KeyModeFrame) + QStringLiteral(" %1").arg(mode));
        if (mode > 1) {
            const auto* left = control<QGroupBox>(QStringLiteral("Frame1_%1").arg(mode - 2));
            EXPECT_LT(left->geometry().right(), frame->geometry().left());
            EXPECT_EQ(left->geometry().top(), frame->geometry().top());
        }
        for (int key = 1; key <= KeysPerMode; ++key) {
            const int entry = KeyEntry(mode, key);
            QComboBox* list = control(keyList(entry));
            EXPECT_EQ(list->parentWidget(), frame);
            EXPECT_EQ(list->count(), 20);
            EXPECT_EQ(control<QLabel>(QStringLiteral("Label2_%1").arg(entry))->text(), QStringLiteral("P%1").arg(key));
            const QRect at = list->geometry();
            if (key % 3 != 1) {
                EXPECT_GT(at.top(), control(keyList(entry - 1))->geometry().top()) << "down the column";
            }
            if (key > 3) {
                const QRect beside = control(keyList(entry - 3))->geometry();
                EXPECT_EQ(at.top(), beside.top()) << "P" << key << " beside P" << key - 3;
                EXPECT_GT(at.left(), beside.right());
            }
        }
    }
    EXPECT_EQ(control(QStringLiteral("Combo2"))->count(), 4);
}

}  // namespace
