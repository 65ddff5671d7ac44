#include "editors/editor_layout.h"

#include "app/twips.h"

#include <QLabel>
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
