#pragma once

#include <QObject>

class QLineEdit;

// What a number box of the editors lets the user type: digits (and the
// decimal point where the box takes one) and the editing keys; Ctrl+X, Ctrl+V
// and Ctrl+C, characters beyond ASCII and every other printable character
// are swallowed, so that no letter reaches the box by keyboard, menu or drop.
// The whole text is selected when the box receives the focus.
class NumberBoxFilter : public QObject {
public:
    // A frequency box also takes "," as its decimal point (allowComma).
    NumberBoxFilter(QLineEdit* box, bool allowPoint, bool allowComma = false);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool swallows(const class QKeyEvent* key) const;

    QLineEdit* m_box;
    bool m_allowPoint;
    bool m_allowComma;
};
