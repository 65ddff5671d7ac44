#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <functional>

class QCheckBox;
class QHBoxLayout;
class QPushButton;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QObject;
class QWidget;

// Helpers that every window shares.

// Sets the captions of the window's buttons named "CommandOK" and
// "CommandCancel" to the shared OK and Cancel texts.
void SetOkCancelCaptions(QWidget* window);
// The OK and Cancel buttons of a dialog ("CommandOK", the default button,
// and "CommandCancel"), right-aligned in a row for the dialog's layout.
QHBoxLayout* MakeOkCancelRow(QWidget* dialog, QPushButton*& ok, QPushButton*& cancel);

// Sets the captions of the window's buttons named "CommandClose" and
// "CommandHelp" to the shared Close and Help texts.
void SetCloseHelpCaptions(QWidget* window);

// Opens a child window of the main window's child area: when one with the
// same object name is open it comes to the front; otherwise `create` builds
// it, it is shown without modality and the child windows are cascaded.
QMdiSubWindow* ShowChildForm(QMdiArea* area, const QString& name, const std::function<QWidget*()>& create);
// Sets the Tab order of the controls under the root to the order they are
// read in: rows from the top, each from the left, a frame's controls together.
// The windows place their controls by position, so the order in which they
// were made is not the order the user sees.
void OrderTabsAsRead(QWidget* root);
// Puts the focus where the user starts working in a window that has just
// opened: its focus proxy, else the first control that Tab reaches.
void FocusFirstControl(QWidget* window);
// The open child window of that object name, or nullptr.
QMdiSubWindow* FindChildForm(QMdiArea* area, const QString& name);
// Closes every open child window of that object name.
void UnloadFormsNamed(QMdiArea* area, const QString& name);

// Sets enabled, then the background colour, then the text.
void SetTextBoxState(QLineEdit* box, const QString& text, const QColor& background, bool enabled);
// A stored value above 1 is not a valid check state: it becomes 0, in the
// caller's variable too, before the box is set.
void SetCheckValue(QCheckBox* box, std::int16_t& value);

// Enter or Return in the widget moves the focus to the next control, as Tab does.
void EnterMovesFocus(QWidget* widget);

// A window's children are destroyed after its own destructor has run; what
// they announce on the way out (a box losing the focus, a selection being
// cleared) must not reach the handlers of a window that is no longer whole.
// Call it first in the destructor of a window that connects its children's
// signals to its own member functions.
void DisconnectChildrenFrom(QObject* window);

// Names a control for screen readers by what it sets. A label standing
// beside it becomes its buddy (the "labelled by" relation, from which the
// reader takes the name). A list has no name of its own on Linux (Qt gives
// its current value as the name), so a list without a label of its own gets
// a hidden label that carries the name; other controls get it as their
// accessible name. Call it again after a language change.
void NameControl(QWidget* control, const QString& name);
// Binds every label under the root that has no buddy to the control standing
// just right of it on the same line (the windows place their labels so), so
// that the control is read by the label's text in whatever language it shows.
void BindLabelsBeside(QWidget* root);

// Tells screen readers of a text that appears on its own, away from the
// focus (a status bar panel, what a check found). Messages shown in a box
// need no call: readers speak a box when it opens.
void Announce(QWidget* source, const QString& text);
