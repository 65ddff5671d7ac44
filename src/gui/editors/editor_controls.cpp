#include "gui/editors/editor_controls.h"

#include "gui/base/scroll_page.h"
#include "gui/base/twips.h"

#include <QLabel>
#include <QPushButton>

void PlaceLabelLeftOf(QLabel* label, const QWidget* control, int gapTwips)
{
    label->adjustSize();
    const QRect c = control->geometry();
    label->move(c.left() - label->width() - twipsToPixels(gapTwips), c.top() + (c.height() - label->height()) / 2);
}

void AddCloseHelpButtons(QWidget* window, const QRect& closeAt, const QRect& helpAt, QPushButton*& close,
                         QPushButton*& help)
{
    close = new QPushButton(window);
    close->setObjectName(QStringLiteral("CommandClose"));
    close->setGeometry(closeAt);
    QObject::connect(close, &QPushButton::clicked, window, [window] {
        // Inside the child area the sub-window frame is what closes.
        if (window->parentWidget())
            window->parentWidget()->close();
        else
            window->close();
    });
    help = new QPushButton(window);
    help->setObjectName(QStringLiteral("CommandHelp"));
    help->setGeometry(helpAt);
}

void FitEditorWindow(QWidget* window, const QList<QWidget*>& leftButtons)
{
    QList<QWidget*> rightButtons;
    for (const char* name : {"CommandClose", "CommandHelp"}) {
        if (auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly))
            rightButtons << button;
    }
    PutOnScrollPage(window, leftButtons, rightButtons);
    CloseOnEscape(window);
}
