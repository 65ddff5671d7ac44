#pragma once

#include <QList>
#include <QScrollArea>

class QMdiArea;
class QWidget;

// The page of a window whose controls stand at fixed design places: it
// scrolls inside its window when the window is smaller than the design, and
// asks for the design size when there is room.
class DesignScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit DesignScrollArea(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    // The page's labels are bound to their controls once the page is laid out.
    void showEvent(QShowEvent* event) override;
};

// Keeps a window's design arrangement but lets the window be smaller than
// its design (a laptop screen, a large font): every control of the window
// except its buttons moves onto a page inside a scroll area, and the buttons
// go into a row below it that stays in view whatever the window's size. The
// left buttons stand at the left end of the row, the right ones at the
// right end. The page is as large as its controls need, with the margin
// they keep from its top left corner around them too; the window keeps
// placing its controls on the page as before. Returns the page.
QWidget* PutOnScrollPage(QWidget* window, const QList<QWidget*>& leftButtons, const QList<QWidget*>& rightButtons);

// Makes a child window of the main window's child area fit that area: a
// window larger than the area is made as large as the area (it scrolls its
// page), and a window that reaches past the area's edge moves back inside.
void FitIntoChildArea(QWidget* subWindow);
// FitIntoChildArea for every child window of the area.
void FitChildWindows(QMdiArea* area);

// Escape clicks the window's Close button ("CommandClose"), as the user
// would; an open list's pop-up takes Escape first.
void CloseOnEscape(QWidget* window);
