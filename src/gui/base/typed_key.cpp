#include "gui/base/typed_key.h"

#include <QKeyEvent>

bool SwallowsTypedKey(const QKeyEvent* key, bool (*accepts)(char c, const void* context), const void* context)
{
    if (key->modifiers() & Qt::ControlModifier)
        return key->key() == Qt::Key_X || key->key() == Qt::Key_V || key->key() == Qt::Key_C;
    const QString text = key->text();
    if (text.isEmpty())
        return false;
    const char16_t code = text.at(0).unicode();
    if (code < 32 || code == 127)
        return false;  // editing keys
    if (code > 127)
        return true;
    return !accepts(static_cast<char>(code), context);
}
