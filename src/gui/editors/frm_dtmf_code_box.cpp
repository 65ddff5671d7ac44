#include "gui/editors/frm_dtmf_code_box.h"

#include "gui/base/typed_key.h"

#include "core/editors/dtmf_update.h"

#include <QKeyEvent>
#include <QLineEdit>

QValidator::State DtmfCodeValidator::validate(QString& input, int&) const
{
    if (input.size() > DtmfCodeMaxDigits)
        return Invalid;
    for (QChar& c : input) {
        if (c.unicode() > 127)
            return Invalid;
        if (c >= QLatin1Char('a') && c <= QLatin1Char('d'))
            c = c.toUpper();
        if (!IsDtmfDigit(static_cast<char>(c.unicode())))
            return Invalid;
    }
    return Acceptable;
}

DtmfCodeKeyFilter::DtmfCodeKeyFilter(QLineEdit* box) : QObject(box)
{
    box->installEventFilter(this);
}

bool DtmfCodeKeyFilter::swallows(const QKeyEvent* key)
{
    const auto accepts = [](char c, const void*) { return IsDtmfDigit(c) || (c >= 'a' && c <= 'd'); };
    return SwallowsTypedKey(key, accepts, nullptr);
}

bool DtmfCodeKeyFilter::eventFilter(QObject*, QEvent* event)
{
    return event->type() == QEvent::KeyPress && swallows(static_cast<QKeyEvent*>(event));
}

void MakeDtmfCodeBox(QLineEdit* box)
{
    box->setMaxLength(DtmfCodeMaxDigits);
    box->setValidator(new DtmfCodeValidator(box));
    new DtmfCodeKeyFilter(box);
}
