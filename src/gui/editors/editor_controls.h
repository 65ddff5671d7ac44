#pragma once

class QLabel;
class QPushButton;
class QRect;
class QWidget;

// Controls every editor window places the same way.

// Moves the label so that its right edge stands gapTwips left of the control,
// centred on the control's height, after sizing it to its text.
void PlaceLabelLeftOf(QLabel* label, const QWidget* control, int gapTwips);

// The window's Close ("CommandClose") and Help ("CommandHelp") buttons at the
// given places. Close closes the window, or its sub-window frame when it sits
// in the main window's child area.
void AddCloseHelpButtons(QWidget* window, const QRect& closeAt, const QRect& helpAt, QPushButton*& close,
                         QPushButton*& help);
