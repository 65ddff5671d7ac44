#include "editors/editor_layout.h"

#include "app/app_state.h"
#include "app/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

QRect TwipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

void PlaceLabelLeftOf(QLabel* label, const QWidget* control, int gapTwips)
{
    label->adjustSize();
    const QRect c = control->geometry();
    label->move(c.left() - label->width() - twipsToPixels(gapTwips), c.top() + (c.height() - label->height()) / 2);
}

void CloseEditorWindow(QWidget* window)
{
    if (window->parentWidget())
        window->parentWidget()->close();
    else
        window->close();
}

EditorButtons AddCloseHelpButtons(QWidget* window, int clientWidthTwips, int topTwips)
{
    constexpr int Width = 1215;
    constexpr int Height = 375;
    auto* close = new QPushButton(window);
    close->setObjectName(QStringLiteral("CommandClose"));
    close->setGeometry(TwipsRect(clientWidthTwips - 2 * Width - 240, topTwips, Width, Height));
    QObject::connect(close, &QPushButton::clicked, window, [window] { CloseEditorWindow(window); });
    auto* help = new QPushButton(window);
    help->setObjectName(QStringLiteral("CommandHelp"));
    help->setGeometry(TwipsRect(clientWidthTwips - Width - 120, topTwips, Width, Height));
    help->setVisible(AppState::instance().HelpAvailable);
    return {close, help};
}
