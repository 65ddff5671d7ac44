#include "gui/channels/cell_line_edit.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

constexpr char16_t CtrlC = 3;
constexpr char16_t CtrlV = 22;
constexpr char16_t CtrlX = 24;

QString allowedPattern(TypedKind kind)
{
    // A frequency takes "," as its decimal point too: the numeric keypad of
    // many European keyboards types a comma.
    return kind == TypedKind::Frequency ? QStringLiteral("[0-9.,]*") : QStringLiteral("[0-9]*");
}

}  // namespace

CellLineEdit::CellLineEdit(TypedKind kind, QWidget* parent) : QLineEdit(parent), m_kind(kind)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(allowedPattern(kind)), this));
    setAlignment(Qt::AlignCenter);
    setFrame(false);
}

bool CellLineEdit::acceptsKey(const QKeyEvent& event) const
{
    const QString text = event.text();
    if (text.isEmpty())
        return true;  // Backspace, Delete, the arrows, Home, End ...
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == CtrlC || code == CtrlV || code == CtrlX || code > 127)
            return false;
        if (code < 32 || code == 127)
            continue;  // other control characters pass as control keys
        const bool digit = code >= u'0' && code <= u'9';
        const bool point = m_kind == TypedKind::Frequency && (code == u'.' || code == u',');
        if (!digit && !point)
            return false;
    }
    return true;
}

void CellLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (!acceptsKey(*event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CellLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
}
