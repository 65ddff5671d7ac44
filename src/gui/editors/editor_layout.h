#pragma once

#include <QRect>

class QLabel;
class QPushButton;
class QWidget;

// Placing the controls of the editor windows, whose design sizes are in twips.

// A rectangle given in twips, in pixels.
QRect TwipsRect(int left, int top, int width, int height);

// Sizes the label to its text and stands it `gapTwips` left of the control,
// centred on it vertically.
void PlaceLabelLeftOf(QLabel* label, const QWidget* control, int gapTwips);

// The Close button of an editor child window: closes the sub-window frame
// inside the main window's child area, or the window itself on its own.
void CloseEditorWindow(QWidget* window);

// The Close and Help buttons of an editor window ("CommandClose" and
// "CommandHelp"), right-aligned in a window of the given client width at the
// given top. Close closes the window; Help shows only while help is available.
struct EditorButtons {
    QPushButton* close;
    QPushButton* help;
};
EditorButtons AddCloseHelpButtons(QWidget* window, int clientWidthTwips, int topTwips);
