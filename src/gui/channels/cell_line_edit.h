#pragma once

#include "gui/channels/channel_columns.h"

#include <QLineEdit>

// The in-place text editor of the frequency and offset cells. Keys other
// than the value's characters (digits, and "." or "," in a frequency) never reach
// the box, nor do Ctrl+C, Ctrl+V and Ctrl+X; a validator holds the same line
// against everything that does not come as a key press (pasting by
// Shift+Insert, the middle button or the context menu, an input method).
// Control keys such as Backspace and the arrows work as usual. The whole
// text is selected when the box gets the focus, so typing replaces it.
class CellLineEdit : public QLineEdit {
    Q_OBJECT
public:
    CellLineEdit(TypedKind kind, QWidget* parent = nullptr);

    // True for a key press whose character this box takes (or a control key).
    bool acceptsKey(const QKeyEvent& event) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    TypedKind m_kind;
};
