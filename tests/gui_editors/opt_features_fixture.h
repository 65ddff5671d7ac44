#pragma once

#include "../gui/gui_test_support.h"

#include "gui/editors/frm_opt_features.h"
#include "core/editors/option_update.h"
#include "core/model/band_range.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <memory>

// A document of a band with every list value reachable (tone tip 8 and DTMF
// slot 16 defined), and the options window on it, driven through its
// controls as a user would.
class OptFeaturesTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        setBand(1);
    }
    void TearDown() override
    {
        form.reset();
        GuiTest::TearDown();
    }

    void setBand(int band)
    {
        ASSERT_TRUE(ApplyBandMode(doc, band));
        doc.Record.OptFeat = OptFeatRecord{};
        doc.Record.OptFeat.Backlight = 1;
        doc.Record.OptFeat.MaxSwr = 160;
        doc.Record.PublicChannel = ChannelRecord{};
        doc.Record.PublicChannel.OffSetFre = 100;
        doc.Record.Tips[7].LoopCount = 1;
        doc.Record.Tips[7].Tones[0].Length = 5;
        doc.Record.Dtmf.Codes[15].Length = 3;
    }

    FrmOptFeatures& open()
    {
        form = std::make_unique<FrmOptFeatures>(doc);
        return *form;
    }
    // Shown and active, so that the focus moves as with a user at the keyboard.
    FrmOptFeatures& openShown()
    {
        open().show();
        form->activateWindow();
        QApplication::processEvents();
        return *form;
    }

    QComboBox* combo(const char* name) const { return form->findChild<QComboBox*>(QString::fromLatin1(name)); }
    QLineEdit* box(const char* name) const { return form->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QCheckBox* check() const { return form->findChild<QCheckBox*>(QStringLiteral("Check1")); }

    // Picks an item with the keyboard: Home, then Down to the item.
    static void pick(QComboBox* list, int index)
    {
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }

    // Gives the box the focus and types into it, replacing its text.
    static void typeInto(QLineEdit* edit, const QString& text)
    {
        edit->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    Document doc;
    std::unique_ptr<FrmOptFeatures> form;
};
