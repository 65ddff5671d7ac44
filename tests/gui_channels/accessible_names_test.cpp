#include "channel_window_fixture.h"

#include "app/frm_main.h"
#include "app/frm_model_info.h"
#include "app/frm_pass_word.h"
#include "app/frm_radio_info.h"
#include "app/frm_set_language.h"
#include "app/widget_helpers.h"
#include "channels/frm_ch_info_edit.h"
#include "channels/frm_mem_freq.h"
#include "editors/frm_dtmf.h"
#include "editors/frm_key.h"
#include "editors/frm_opt_features.h"
#include "editors/frm_tone_tips.h"
#include "link/frm_progress.h"
#include "link/frm_set_comm.h"
#include "link/port_list.h"
#include "link/write_check_dialog.h"
#include "lang_text_ids.h"

#include <QAccessible>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolButton>

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

// The access keys of texts that share one window or one menu: each text has
// one, and no two are alike. Reports every text that breaks it.
std::string accessKeyClashes(const QStringList& texts)
{
    QStringList clashes;
    QMap<QString, QString> owners;
    for (const QString& text : texts) {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty() || owners.contains(key))
            clashes << text + (key.isEmpty() ? QString() : QStringLiteral(" = ") + owners.value(key));
        owners.insert(key, text);
    }
    return clashes.join(QStringLiteral(" | ")).toStdString();
}

QStringList visibleEntries(const QList<QAction*>& actions)
{
    QStringList texts;
    for (QAction* action : actions) {
        if (action->isVisible() && !action->isSeparator() && !action->text().isEmpty())
            texts << action->text();
    }
    return texts;
}

// Buttons showing a text (icon-only tool buttons repeat a menu entry) and
// the entries of each menu are reached with Alt and a key of their own. A
// child window shares the Alt keys of the main window's menu bar.
void expectAccessKeys(QWidget* window, const char* name, QStringList buttons)
{
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        auto* tool = qobject_cast<QToolButton*>(b);
        if (b->isVisibleTo(window) && !b->text().isEmpty()
            && (qobject_cast<QPushButton*>(b) || (tool && tool->toolButtonStyle() != Qt::ToolButtonIconOnly)
                || !QKeySequence::mnemonic(b->text()).isEmpty()))
            buttons << b->text();
    }
    EXPECT_EQ(accessKeyClashes(buttons), "") << name;
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        EXPECT_EQ(accessKeyClashes(visibleEntries(bar->actions())), "") << name;
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        emit menu->aboutToShow();  // entries that follow the state when the menu opens
        EXPECT_EQ(accessKeyClashes(visibleEntries(menu->actions())), "")
            << name << " " << menu->objectName().toStdString();
    }
}

// Tab steps through the controls of each frame as they are read: down the
// rows, and from left to right within a row.
void expectTabInReadingOrder(QWidget* window, const char* name)
{
    QWidget* previous = nullptr;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy()
            || qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        if (previous && previous->parentWidget() == w->parentWidget()) {
            const QRect a = previous->geometry(), b = w->geometry();
            const bool sameRow = std::abs(a.center().y() - b.center().y()) < std::min(a.height(), b.height()) / 2 + 1;
            EXPECT_TRUE(sameRow ? b.left() > a.left() : b.top() > a.top())
                << name << ": " << previous->objectName().toStdString() << " -> " << w->objectName().toStdString();
        }
        previous = w;
    }
}

TEST_P(AccessibleNamesTest, EveryControlIsNamedAndReachedFromTheKeyboard)
{
    QStringList menuTitles;
    const frmMain main(doc);
    for (QAction* menu : main.menuBar()->actions())
        menuTitles << menu->text();
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
        const bool child = !qobject_cast<QDialog*>(window.get()) && std::string(entry.name) != "main";
        expectAccessKeys(window.get(), entry.name, child ? menuTitles : QStringList());
        expectTabInReadingOrder(window.get(), entry.name);
    }
}

// A cell the radio's rules hold fixed is grey; a screen reader hears it is
// locked, and it takes no typing. Channel 1 of the CB band's first group.
TEST_P(AccessibleNamesTest, LockedCellsAreSpokenAsLocked)
{
    const struct {
        int row;
        int column;
        bool locked;
        bool editable;
    } cells[] = {
        {0, FreqColumn, true, false},   // a country channel's frequency follows its plan
        {0, ScanColumn, false, true},   // the scan flag is the user's
        {0, EditColumn, false, false},  // the ">>" mark is a button, not a setting
        {1, ScanColumn, false, false},  // an empty position holds no setting
    };
    openWindow();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid());
    ASSERT_TRUE(table && table->tableInterface());
    for (const auto& c : cells) {
        QAccessibleInterface* cell = table->tableInterface()->cellAt(c.row, c.column);
        ASSERT_TRUE(cell);
        const QString header = window->model()->headerData(c.column, Qt::Horizontal, Qt::DisplayRole).toString();
        EXPECT_EQ(cell->text(QAccessible::Name),
                  LangText(c.locked ? Txt::CellSpokenLocked : Txt::CellSpoken)
                      .arg(header, QString::number(c.row + 1), cellText(c.row, c.column)))
            << c.row << "," << c.column;
        EXPECT_EQ(bool(window->model()->flags(window->model()->index(c.row, c.column)) & Qt::ItemIsEditable),
                  c.editable)
            << c.row << "," << c.column;
    }
}

// A child window opens where the user works: the channel window on its
// grid, an editor on its first setting rather than on its buttons.
TEST_P(AccessibleNamesTest, ChildWindowsOpenWithTheFocusOnTheirWork)
{
    QMdiArea area;
    area.show();
    for (const Window& entry : Windows) {
        const std::unique_ptr<QWidget> probe(entry.make(*this, ports));
        if (qobject_cast<QDialog*>(probe.get()) || std::string(entry.name) == "main")
            continue;
        QMdiSubWindow* sub = ShowChildForm(&area, QString::fromLatin1(entry.name),
                                           [&] { return entry.make(*this, ports); });
        ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus && sub->widget()->isAncestorOf(focus) && !qobject_cast<QAbstractButton*>(focus)
                    && (std::string(entry.name) != "channels" || qobject_cast<ChannelGridView*>(focus)))
            << entry.name << ": " << (focus ? focus->objectName().toStdString() : "none");
        area.closeAllSubWindows();
    }
}

// What changes away from the focus reaches screen readers: the widget that
// shows it is named, and carries the change in what it reads out (the
// events that tell the reader of it need a running screen reader).
TEST_P(AccessibleNamesTest, ChangesAwayFromTheFocusAreAnnounced)
{
    const std::int16_t port = AppState::instance().ComPort;
    FrmProgress progress(1);
    WriteCheckDialog check({QStringLiteral("CH-001: finding")});
    frmMain main(doc);
    const struct {
        const char* what;
        std::function<QWidget*()> change;  // makes the change, gives the widget that tells of it
        QString told;
    } cases[] = {
        {"progress",
         [&] {
             progress.SetProgressValue(40);
             return progress.findChild<QProgressBar*>();
         },
         QStringLiteral("40")},
        {"check findings", [&]() -> QWidget* { return &check; }, LangText(Txt::CheckFindingCount).arg(1)},
        {"status bar port",
         [&] {
             AppState::instance().ComPort = 7;
             main.SetMainTexts();
             return main.statusPanel(3);
         },
         LangText(Txt::StatusPort) + QStringLiteral("7")},
    };
    for (const auto& c : cases) {
        QWidget* source = c.change();
        source->show();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(source);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << c.what;
        EXPECT_TRUE((a->text(QAccessible::Description) + a->text(QAccessible::Value)).contains(c.told)) << c.what;
    }
    AppState::instance().ComPort = port;
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

INSTANTIATE_TEST_SUITE_P(Languages, AccessibleNamesTest, ::testing::Values(1, 2, 3, 4, 5, 6, 7));

}  // namespace
