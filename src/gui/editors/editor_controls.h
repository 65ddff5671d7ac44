#pragma once

#include <QList>

class QLabel;
class QPushButton;
class QWidget;

// Controls every editor window places the same way.

// Moves the label so that its right edge stands gapTwips left of the control,
// centred on the control's height, after sizing it to its text.
void PlaceLabelLeftOf(QLabel* label, const QWidget* control, int gapTwips);

// The window's design size in twips, which is the smallest it is laid out at.
void SetDesignSize(QWidget* window, int widthTwips, int heightTwips);

// The window's Close ("CommandClose") and Help ("CommandHelp") buttons at the
// bottom right of a window designed clientWidth twips wide, their tops at
// buttonTop. Close closes the window, or its sub-window frame when it sits in
// the main window's child area.
void AddCloseHelpButtons(QWidget* window, int clientWidth, int buttonTop, QPushButton*& close, QPushButton*& help);

// The window's controls on a page that scrolls when the window is smaller
// than its design, with Close and Help (and the given buttons at the left)
// in a row below it that stays in view; Escape closes the window as Close
// does. Called once the window has placed its controls.
void FitEditorWindow(QWidget* window, const QList<QWidget*>& leftButtons);
