#include "app/edit_history.h"

#include "app/lang_text.h"
#include "lang_text_ids.h"

#include <QMetaObject>

EditHistory::EditHistory(Document& doc, QObject* parent)
    : QObject(parent)
    , m_history(doc)
{
    m_history.setListener([this] { emit changed(); });
    m_history.setStepCloser([this] {
        if (m_closeQueued)
            return;
        m_closeQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_closeQueued = false;
                m_history.closeStep();
            },
            Qt::QueuedConnection);
    });
}

QString UndoStepText(const UndoStepName& name)
{
    using Part = UndoStepName::Part;
    QString text;
    switch (name.part) {
    case Part::Nothing:
        return {};
    case Part::Described:
        return QString::fromStdString(name.text);
    case Part::Channel:
        text = LangText(Txt::UndoStepChannel).arg(QString::fromStdString(name.group)).arg(name.position);
        break;
    case Part::Channels:
        return LangText(Txt::UndoStepChannels).arg(name.count);
    case Part::Options:
        text = LangText(Txt::UndoStepOptions);
        break;
    case Part::PublicChannel:
        text = LangText(Txt::UndoStepPublic);
        break;
    case Part::Dtmf:
        text = LangText(Txt::UndoStepDtmf);
        break;
    case Part::Keys:
        text = LangText(Txt::UndoStepKeys);
        break;
    case Part::ToneTips:
        text = LangText(Txt::UndoStepToneTips);
        break;
    }
    if (!name.field.empty())
        text += QStringLiteral(": ") + QString::fromStdString(name.field);
    return text;
}
