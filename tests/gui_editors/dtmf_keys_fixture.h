#pragma once

#include "../gui/gui_test_support.h"
#include "../support/dtmf_references.h"

#include "core/channels/channel_update.h"
#include "core/model/band_range.h"
#include "core/model/fixed_text.h"

#include <QComboBox>
#include <QLineEdit>

#include <memory>
#include <vector>

// Records every change the document announces.
class ChangeRecorder : public DocumentObserver {
public:
    void documentChanged(const DocumentChange& change) override { changes.push_back(change); }
    std::vector<DocumentChange> changes;
};

// A document of the HF band with two channels; DTMF slots 3 and 5 hold codes
// and the channels and the public channel refer to them; every DTMF setting
// and key holds a value its list shows.
inline bool prepareDocument(Document& doc)
{
    if (!ApplyBandMode(doc, 1))
        return false;
    doc.ChannelCount = 0;
    AddChannel(doc, 1, "27.1");
    AddChannel(doc, 2, "27.2");
    ReferToDtmfSlots3And5(doc);
    doc.Record.Keys.KeyMode = 2;
    doc.Record.Keys.Keys.fill(9);
    return true;
}

// The document above with a window of type Form open on it, driven through
// its controls as a user would.
template <typename Form>
class DtmfKeysTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(prepareDocument(doc));
        doc.addObserver(&recorder);
    }
    void TearDown() override
    {
        form.reset();
        doc.removeObserver(&recorder);
        GuiTest::TearDown();
    }

    Form& open()
    {
        form = std::make_unique<Form>(doc);
        return *form;
    }
    // Shown and active, so that the focus moves as with a user at the keyboard.
    Form& openShown()
    {
        open().show();
        form->activateWindow();
        QApplication::processEvents();
        return *form;
    }

    template <typename Widget = QComboBox>
    Widget* control(const QString& name) const
    {
        auto* w = form->template findChild<Widget*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit* codeBox(int slot) const { return control<QLineEdit>(QStringLiteral("Text2_%1").arg(slot - 1)); }

    // Picks an item with the keyboard: Home, then Down to the item.
    static void pick(QComboBox* list, int index)
    {
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }
    static void pick(QComboBox* list, const QString& item) { pick(list, list->findText(item)); }

    std::vector<int> references() const { return DtmfReferences(doc); }

    Document doc;
    ChangeRecorder recorder;
    std::unique_ptr<Form> form;
};
