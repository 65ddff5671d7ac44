#include "gui/base/number_box_filter.h"

#include "gui/base/typed_key.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

NumberBoxFilter::NumberBoxFilter(QLineEdit* box, bool allowPoint, bool allowComma)
    : QObject(box), m_box(box), m_allowPoint(allowPoint), m_allowComma(allowComma)
{
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->installEventFilter(this);
}

bool NumberBoxFilter::swallows(const QKeyEvent* key) const
{
    const auto accepts = [](char c, const void* self) {
        const auto* filter = static_cast<const NumberBoxFilter*>(self);
        return (c >= '0' && c <= '9') || (filter->m_allowPoint && c == '.') || (filter->m_allowComma && c == ',');
    };
    return SwallowsTypedKey(key, accepts, this);
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
