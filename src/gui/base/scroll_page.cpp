#include "gui/base/scroll_page.h"

#include "gui/base/widget_helpers.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

DesignScrollArea::DesignScrollArea(QWidget* parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("scrollPage"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // The controls on the page take the focus (the page scrolls to them);
    // the scroll area itself is no stop of the Tab order.
    setFocusPolicy(Qt::NoFocus);
}

void DesignScrollArea::showEvent(QShowEvent* event)
{
    QScrollArea::showEvent(event);
    if (widget())
        BindLabelsBeside(widget());
    // The page and the window's buttons below it: Tab follows what the user sees.
    if (parentWidget())
        OrderTabsAsRead(parentWidget());
}

QSize DesignScrollArea::sizeHint() const
{
    // QScrollArea would bound the hint to a few dozen lines of text; the
    // design size (or what the page's layout asks for) is what the window
    // asks for.
    const int frame = 2 * frameWidth();
    if (!widget())
        return QScrollArea::sizeHint();
    return widget()->minimumSize().expandedTo(widget()->sizeHint()) + QSize(frame, frame);
}

QWidget* PutOnScrollPage(QWidget* window, const QList<QWidget*>& leftButtons, const QList<QWidget*>& rightButtons)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("page"));
    const QList<QWidget*> children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (leftButtons.contains(child) || rightButtons.contains(child) || child->isWindow())
            continue;
        const bool hidden = child->isHidden();
        child->setParent(page);
        child->setVisible(!hidden);
    }
    const QRect used = page->childrenRect();
    page->setMinimumSize(std::max(window->minimumWidth(), used.right() + 1 + std::max(used.left(), 0)),
                         used.bottom() + 1 + std::max(used.top(), 0));
    // The design size belongs to the page now; the window may be smaller.
    window->setMinimumSize(0, 0);

    auto* scroll = new DesignScrollArea(window);
    scroll->setWidget(page);
    auto* buttons = new QHBoxLayout;
    const int margin = std::max(used.left(), 0);
    buttons->setContentsMargins(margin, 0, margin, margin);
    for (QWidget* button : leftButtons)
        buttons->addWidget(button);
    buttons->addStretch(1);
    for (QWidget* button : rightButtons)
        buttons->addWidget(button);
    auto* column = new QVBoxLayout(window);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(scroll, 1);
    column->addLayout(buttons);
    return page;
}

void FitIntoChildArea(QWidget* subWindow)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(subWindow);
    QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    if (!area || sub->isMaximized() || sub->isMinimized())
        return;
    const QSize room = area->viewport()->size();
    const QSize size = sub->size().boundedTo(room).expandedTo(sub->minimumSizeHint().boundedTo(room));
    const int x = std::clamp(sub->x(), 0, std::max(0, room.width() - size.width()));
    const int y = std::clamp(sub->y(), 0, std::max(0, room.height() - size.height()));
    sub->setGeometry(x, y, size.width(), size.height());
}

void FitChildWindows(QMdiArea* area)
{
    for (QMdiSubWindow* sub : area->subWindowList())
        FitIntoChildArea(sub);
}

void CloseOnEscape(QWidget* window)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window, nullptr, nullptr,
                                   Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [window] {
        if (auto* close = window->findChild<QAbstractButton*>(QStringLiteral("CommandClose")))
            close->click();
    });
}
