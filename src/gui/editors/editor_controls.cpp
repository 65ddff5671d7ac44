#include "gui/editors/editor_controls.h"

#include "gui/base/scroll_page.h"
#include "gui/base/twips.h"
#include "gui/editors/editor_layout.h"

#include <QLabel>
#include <QPushButton>

void PlaceLabelLeftOf(QLabel* label, const QWidget* control, int gapTwips)
{
    label->adjustSize();
    const QRect c = control->geometry();
    label->move(c.left() - label->width() - twipsToPixels(gapTwips), c.top() + (c.height() - label->height()) / 2);
}

void SetDesignSize(QWidget* window, int widthTwips, int heightTwips)
{
    window->setMinimumSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

void AddCloseHelpButtons(QWidget* window, int clientWidth, int buttonTop, QPushButton*& close, QPushButton*& help)
{
    using namespace EditorSize;
    close = new QPushButton(window);
    close->setObjectName(QStringLiteral("CommandClose"));
    close->setGeometry(TwipsRect(clientWidth - 2 * (ButtonWidth + Margin), buttonTop, ButtonWidth, ButtonHeight));
    QObject::connect(close, &QPushButton::clicked, window, [window] {
        // Inside the child area the sub-window frame is what closes.
        if (window->parentWidget())
            window->parentWidget()->close();
        else
            window->close();
    });
    help = new QPushButton(window);
    help->setObjectName(QStringLiteral("CommandHelp"));
    help->setGeometry(TwipsRect(clientWidth - ButtonWidth - Margin, buttonTop, ButtonWidth, ButtonHeight));
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
