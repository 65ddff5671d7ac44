#include "gui/base/widget_helpers.h"

#include "gui/base/lang_text.h"
#include "gui/base/scroll_page.h"
#include "lang_text_ids.h"

#include <QPushButton>
#include <QHBoxLayout>
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QKeyEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPalette>

#include <algorithm>
#include <cstdlib>

namespace {

// The widgets under the parent that Tab stops at, in the order they are
// read: rows from the top, each row from the left; a frame or page is read
// whole where it stands.
void collectAsRead(QWidget* parent, QList<QWidget*>& order)
{
    QList<QWidget*> children;
    for (QObject* o : parent->children()) {
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow())
            children << w;
    }
    std::stable_sort(children.begin(), children.end(),
                     [](QWidget* a, QWidget* b) { return a->geometry().top() < b->geometry().top(); });
    QList<QList<QWidget*>> rows;
    for (QWidget* w : children) {
        // A widget starting above the middle of the row's first one stands in that row.
        if (!rows.isEmpty() && w->geometry().top() < rows.last().first()->geometry().center().y())
            rows.last() << w;
        else
            rows.append({w});
    }
    for (QList<QWidget*>& row : rows) {
        std::stable_sort(row.begin(), row.end(),
                         [](QWidget* a, QWidget* b) { return a->geometry().left() < b->geometry().left(); });
        for (QWidget* w : row) {
            if (w->focusPolicy() & Qt::TabFocus)
                order << w;
            else
                collectAsRead(w, order);
        }
    }
}

void setButtonText(QWidget* window, const char* name, int textNumber)
{
    if (auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name)))
        button->setText(LangText(textNumber));
}

}  // namespace

void SetOkCancelCaptions(QWidget* window)
{
    setButtonText(window, "CommandOK", Txt::OkButton);
    setButtonText(window, "CommandCancel", Txt::CancelButton);
}

void SetCloseHelpCaptions(QWidget* window)
{
    setButtonText(window, "CommandClose", Txt::CloseButton);
    setButtonText(window, "CommandHelp", Txt::HelpButton);
}

QMdiSubWindow* FindChildForm(QMdiArea* area, const QString& name)
{
    for (QMdiSubWindow* sub : area->subWindowList()) {
        // A window that was just closed is still listed until it is deleted.
        if (!sub->isHidden() && sub->widget() && sub->widget()->objectName() == name)
            return sub;
    }
    return nullptr;
}

void OrderTabsAsRead(QWidget* root)
{
    QList<QWidget*> order;
    collectAsRead(root, order);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void FocusFirstControl(QWidget* window)
{
    // A window that names its own place for the focus (the channel window's
    // grid) keeps it.
    if (window->focusProxy())
        return window->focusProxy()->setFocus(Qt::OtherFocusReason);
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (window->isAncestorOf(w) && w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !w->focusProxy()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

QMdiSubWindow* ShowChildForm(QMdiArea* area, const QString& name, const std::function<QWidget*()>& create)
{
    if (QMdiSubWindow* open = FindChildForm(area, name)) {
        area->setActiveSubWindow(open);
        return open;
    }
    QWidget* form = create();
    form->setObjectName(name);
    QMdiSubWindow* sub = area->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(form->windowTitle());
    // The frame's Close keeps Ctrl+F4 only: Ctrl+W is the main window's
    // Write to Radio, which must work whichever window is active.
    if (QMenu* menu = sub->systemMenu()) {
        for (QAction* action : menu->actions()) {
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
                action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
        }
    }
    sub->show();
    area->cascadeSubWindows();
    // Cascading gives every window its full size; on a small screen the
    // lower ones would reach past the area, their buttons out of sight.
    FitChildWindows(area);
    area->setActiveSubWindow(sub);
    FocusFirstControl(form);
    return sub;
}

void UnloadFormsNamed(QMdiArea* area, const QString& name)
{
    for (QMdiSubWindow* sub : area->subWindowList()) {
        if (sub->widget() && sub->widget()->objectName() == name)
            sub->close();
    }
}

void SetTextBoxState(QLineEdit* box, const QString& text, const QColor& background, bool enabled)
{
    box->setEnabled(enabled);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, background);
    box->setPalette(palette);
    box->setText(text);
}

void SetCheckValue(QCheckBox* box, std::int16_t& value)
{
    if (value > 1)
        value = 0;
    box->setChecked(value == 1);
}

namespace {

class EnterToTab : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->window())
            return false;
        QWidget* next = widget->nextInFocusChain();
        while (next && next != widget
               && !(next->isEnabled() && next->isVisible() && next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        if (next && next != widget)
            next->setFocus(Qt::TabFocusReason);
        return true;
    }
};

}  // namespace

void EnterMovesFocus(QWidget* widget)
{
    widget->installEventFilter(new EnterToTab(widget));
}

QHBoxLayout* MakeOkCancelRow(QWidget* dialog, QPushButton*& ok, QPushButton*& cancel)
{
    ok = new QPushButton(dialog);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    cancel = new QPushButton(dialog);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

void DisconnectChildrenFrom(QObject* window)
{
    for (QObject* child : window->findChildren<QObject*>())
        QObject::disconnect(child, nullptr, window, nullptr);
}

void NameControl(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
    if (!qobject_cast<QComboBox*>(control) || !control->parentWidget())
        return;
    const QString labelName = control->objectName() + QStringLiteral("_name");
    auto* label = control->parentWidget()->findChild<QLabel*>(labelName, Qt::FindDirectChildrenOnly);
    if (!label) {
        label = new QLabel(control->parentWidget());
        label->setObjectName(labelName);
        label->setVisible(false);
        label->setBuddy(control);
    }
    label->setText(name);
    label->setAccessibleName(name);
}

void BindLabelsBeside(QWidget* root)
{
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->buddy() || label->isHidden() || !label->parentWidget())
            continue;
        const QRect at = label->geometry();
        QWidget* nearest = nullptr;
        int nearestGap = 3 * at.height() + 40;
        for (QObject* o : label->parentWidget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isHidden() || !(w->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractButton*>(w)
                || qobject_cast<QGroupBox*>(w))
                continue;
            const QRect g = w->geometry();
            const int gap = g.left() - at.right();
            if (gap < -2 || gap >= nearestGap || std::abs(g.center().y() - at.center().y()) > g.height() / 2 + 2)
                continue;
            nearest = w;
            nearestGap = gap;
        }
        if (nearest)
            label->setBuddy(nearest);
    }
}

void Announce(QWidget* source, const QString& text)
{
    // The text becomes the widget's description, which a reader watching the
    // widget reads as it changes, and goes out as an alert, which readers
    // speak wherever the focus is.
    source->setAccessibleDescription(text);
    QAccessibleEvent alert(source, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
