#include "channel_window_fixture.h"

#include "gui/app/frm_main.h"
#include "gui/app/frm_model_info.h"
#include "gui/app/frm_pass_word.h"
#include "gui/app/frm_radio_info.h"
#include "gui/app/frm_set_language.h"
#include "gui/channels/frm_ch_info_edit.h"
#include "gui/channels/frm_mem_freq.h"
#include "gui/editors/frm_dtmf.h"
#include "gui/editors/frm_key.h"
#include "gui/editors/frm_opt_features.h"
#include "gui/editors/frm_tone_tips.h"
#include "gui/link/frm_progress.h"
#include "gui/link/frm_set_comm.h"
#include "gui/link/port_list.h"
#include "gui/base/write_check_dialog.h"

#include <QAccessible>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

class NoPorts : public PortList {
public:
    Devices presentPorts() override { return {}; }
};

// What a screen reader says a control is: its name, unless that is only its
// value (Qt names a list by its value on Linux), else the label it is labelled by.
QString spokenName(QWidget* widget)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
    if (!a)
        return {};
    const QString name = a->text(QAccessible::Name).trimmed();
    const bool holdsValue = a->role() == QAccessible::ComboBox || a->role() == QAccessible::EditableText;
    if (!name.isEmpty() && !(holdsValue && name == a->text(QAccessible::Value).trimmed()))
        return name;
    for (const auto& relation : a->relations(QAccessible::Label)) {
        const QString label = relation.first->text(QAccessible::Name).trimmed();
        if (!label.isEmpty())
            return label;
    }
    return {};
}

using Factory = std::function<QWidget*(ChannelWindowTest&, NoPorts&)>;

struct Window {
    const char* name;
    Factory make;
};

const Window Windows[] = {
    {"main", [](ChannelWindowTest& t, NoPorts&) -> QWidget* { return new frmMain(t.doc); }},
    {"channels",
     [](ChannelWindowTest& t, NoPorts&) -> QWidget* { return new frmCommChInfo(t.doc, *t.docSignals, t.notifier); }},
    {"channel edit",
     [](ChannelWindowTest& t, NoPorts&) -> QWidget* { return new FrmCHInfoEdit(t.doc, *t.docSignals, t.notifier); }},
    {"memory frequency",
     [](ChannelWindowTest& t, NoPorts&) -> QWidget* { return new Frm_Mem_Freq(t.doc, QStringLiteral("26.96500")); }},
    {"options", [](ChannelWindowTest& t, NoPorts&) -> QWidget* { return new FrmOptFeatures(t.doc); }},
    {"dtmf", [](ChannelWindowTest& t, NoPorts&) -> QWidget* { return new FrmDTMF(t.doc); }},
    {"keys", [](ChannelWindowTest& t, NoPorts&) -> QWidget* { return new FrmKey(t.doc); }},
    {"tone tips", [](ChannelWindowTest& t, NoPorts&) -> QWidget* { return new FrmToneTips(t.doc); }},
    {"radio information", [](ChannelWindowTest& t, NoPorts&) -> QWidget* { return new FrmRadioInfo(t.doc); }},
    {"model", [](ChannelWindowTest& t, NoPorts&) -> QWidget* { return new FrmModelInfo(t.doc, [] {}); }},
    {"port", [](ChannelWindowTest&, NoPorts& ports) -> QWidget* { return new FrmSetComm(ports); }},
    {"password", [](ChannelWindowTest&, NoPorts&) -> QWidget* { return new FrmPassWord; }},
    {"language", [](ChannelWindowTest&, NoPorts&) -> QWidget* { return new FrmSetLanguage; }},
    {"progress", [](ChannelWindowTest&, NoPorts&) -> QWidget* { return new FrmProgress(0); }},
    {"check before write",
     [](ChannelWindowTest&, NoPorts&) -> QWidget* {
         return new WriteCheckDialog({QStringLiteral("CH-001: finding")});
     }},
};

// Every window in English (1) and Chinese (2).
class AccessibleNamesTest : public ChannelWindowTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        ChannelWindowTest::SetUp();
        AppState::instance().setLanguage(static_cast<std::int16_t>(GetParam()));
        AppState::instance().AppliedLanguageId = static_cast<std::int16_t>(GetParam());
        newDocument(0);
        docSignals = std::make_unique<DocumentSignals>(doc);
    }
    NoPorts ports;
};

TEST_P(AccessibleNamesTest, EveryFocusableControlIsNamedByWhatItSets)
{
    for (const Window& entry : Windows) {
        std::unique_ptr<QWidget> window(entry.make(*this, ports));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get())) << entry.name;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window.get()) || !(w->focusPolicy() & Qt::TabFocus) || w->isWindow()
                || qobject_cast<QComboBox*>(w->parentWidget()))
                continue;
            const QString name = spokenName(w);
            EXPECT_FALSE(name.isEmpty()) << entry.name << ": " << w->metaObject()->className() << " "
                                         << w->objectName().toStdString();
        }
    }
}

// A dialog closes with Escape; a child window through the keyboard's Close
// of its frame in the main window's child area.
TEST_P(AccessibleNamesTest, EveryWindowCanBeLeftWithTheKeyboard)
{
    for (const Window& entry : Windows) {
        if (std::string(entry.name) == "main")
            continue;
        std::unique_ptr<QWidget> window(entry.make(*this, ports));
        QMdiArea area;
        QWidget* shown = window.get();
        if (!qobject_cast<QDialog*>(window.get())) {
            shown = area.addSubWindow(window.release());
            area.show();
        }
        shown->show();
        shown->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown->window())) << entry.name;
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : shown;
        if (qobject_cast<QDialog*>(shown))
            QTest::keyClick(focus, Qt::Key_Escape);
        else
            QTest::keySequence(focus, QKeySequence(QKeySequence::Close));
        EXPECT_TRUE(waitUntil([&] { return !shown->isVisible() || area.subWindowList().isEmpty(); })) << entry.name;
        area.closeAllSubWindows();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessibleNamesTest, ::testing::Values(1, 2));

}  // namespace
