#include "editors/number_box_filter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

NumberBoxFilter::NumberBoxFilter(QLineEdit* box, bool allowPoint) : QObject(box), m_box(box), m_allowPoint(allowPoint)
{
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->installEventFilter(this);
}

bool NumberBoxFilter::swallows(const QKeyEvent* key) const
{
    if (key->modifiers() & Qt::ControlModifier)
        return key->key() == Qt::Key_X || key->key() == Qt::Key_V || key->key() == Qt::Key_C;
    const QString text = key->text();
    if (text.isEmpty())
        return false;
    const char16_t code = text.at(0).unicode();
    if (code < 32 || code == 127)
        return false;
    if (code > 127)
        return true;
    return !((code >= '0' && code <= '9') || (m_allowPoint && code == '.'));
}

bool NumberBoxFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_box)
        return false;
    if (event->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, m_box, &QLineEdit::selectAll);
        return false;
    }
    if (event->type() == QEvent::KeyPress)
        return swallows(static_cast<QKeyEvent*>(event));
    return false;
}
