#include "channel_window_fixture.h"

#include "gui/app/frm_main.h"
#include "gui/app/frm_model_info.h"
#include "gui/app/frm_pass_word.h"
#include "gui/app/frm_radio_info.h"
#include "gui/app/frm_set_language.h"
#include "gui/base/widget_helpers.h"
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
#include "lang_text_ids.h"

#include <QAccessible>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

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

// Texts that share one window or one menu: those without an access key and
// those whose key an earlier one has.
std::string accessKeyClashes(const QStringList& texts)
{
    QStringList clashes, keys;
    for (const QString& text : texts) {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty() || keys.contains(key))
            clashes << text;
        keys << key;
    }
    return clashes.join(QStringLiteral(" | ")).toStdString();
}

QStringList entryTexts(QWidget* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (action->isVisible() && !action->text().isEmpty())
            texts << action->text();
    }
    return texts;
}

TEST_P(AccessibleNamesTest, EveryControlIsNamedAndReachedFromTheKeyboard)
{
    const frmMain main(doc);
    const QStringList menuTitles = entryTexts(main.menuBar());
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
        // Push buttons and buttons with a key each have their own; the main
        // window and its child windows share the menu bar's Alt keys.
        QStringList keyed = qobject_cast<QDialog*>(window.get()) ? QStringList() : menuTitles;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            if (b->isVisibleTo(window.get()) && !b->text().isEmpty()
                && (qobject_cast<QPushButton*>(b) || !QKeySequence::mnemonic(b->text()).isEmpty()))
                keyed << b->text();
        }
        EXPECT_EQ(accessKeyClashes(keyed), "") << entry.name;
        for (QMenu* menu : window->findChildren<QMenu*>()) {
            emit menu->aboutToShow();  // entries that follow the state when the menu opens
            EXPECT_EQ(accessKeyClashes(entryTexts(menu)), "") << entry.name;
        }
        // Tab steps through the controls of each frame as they are read:
        // down the rows, and from left to right within a row.
        QWidget* previous = nullptr;
        for (QWidget* w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain()) {
            if (!w->isVisibleTo(window.get()) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)
                || w->focusProxy() || qobject_cast<QComboBox*>(w->parentWidget()))
                continue;
            const QRect a = previous ? previous->geometry() : QRect(), b = w->geometry();
            const bool sameRow = std::abs(a.center().y() - b.center().y()) < std::min(a.height(), b.height()) / 2 + 1;
            EXPECT_TRUE(!previous || previous->parentWidget() != w->parentWidget()
                        || (sameRow ? b.left() > a.left() : b.top() > a.top()))
                << entry.name << ": " << w->objectName().toStdString();
            previous = w;
        }
    }
}

// A cell the radio's rules hold fixed is grey; a screen reader hears that it
// is locked, and it takes no typing. Channel 1 of the CB band.
TEST_P(AccessibleNamesTest, LockedCellsAreSpokenAsLocked)
{
    // row, column, locked, editable
    const std::tuple<int, int, bool, bool> cells[] = {
        {0, FreqColumn, true, false},   // a country channel's frequency follows its plan
        {0, ScanColumn, false, true},   // the scan flag is the user's
        {0, EditColumn, false, false},  // the ">>" mark opens the editor, it is no setting
        {1, ScanColumn, false, false},  // an empty position holds no setting
    };
    openWindow();
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(&grid())->tableInterface();
    for (const auto& [row, column, locked, editable] : cells) {
        const QModelIndex index = window->model()->index(row, column);
        const QString header = window->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        EXPECT_EQ(table->cellAt(row, column)->text(QAccessible::Name),
                  LangText(locked ? Txt::CellSpokenLocked : Txt::CellSpoken)
                      .arg(header, QString::number(row + 1), index.data().toString()));
        EXPECT_EQ(bool(index.flags() & Qt::ItemIsEditable), editable) << row << "," << column;
    }
}

// A child window opens in the main window's child area where the user
// works: the channel window on its grid, an editor on its first setting.
// A dialog closes with Escape; a child window through the keyboard's Close
// of its frame.
TEST_P(AccessibleNamesTest, EveryWindowCanBeLeftWithTheKeyboard)
{
    for (const Window& entry : Windows) {
        if (std::string(entry.name) == "main")
            continue;
        std::unique_ptr<QWidget> window(entry.make(*this, ports));
        QMdiArea area;
        QWidget* shown = window.get();
        if (!qobject_cast<QDialog*>(window.get())) {
            area.show();
            shown = ShowChildForm(&area, QString::fromLatin1(entry.name), [&] { return window.release(); });
        }
        shown->show();
        shown->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown->window())) << entry.name;
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : shown;
        if (qobject_cast<QDialog*>(shown)) {
            QTest::keyClick(focus, Qt::Key_Escape);
        } else {
            EXPECT_TRUE(shown->isAncestorOf(focus) && !qobject_cast<QAbstractButton*>(focus)
                        && (std::string(entry.name) != "channels" || qobject_cast<ChannelGridView*>(focus)))
                << entry.name;
            QTest::keySequence(focus, QKeySequence(QKeySequence::Close));
        }
        EXPECT_TRUE(waitUntil([&] { return !shown->isVisible() || area.subWindowList().isEmpty(); })) << entry.name;
        area.closeAllSubWindows();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessibleNamesTest, ::testing::Values(1, 2, 3, 4, 5, 6, 7));

}  // namespace
