#include "gui/app/edit_history.h"

#include "gui/base/lang_text.h"
#include "lang_text_ids.h"

#include <QMetaObject>

EditHistory::EditHistory(Document& doc, QObject* parent) : QObject(parent), m_history(doc)
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

namespace {

// The word of a part of the records that a step names.
int partText(UndoStepName::Part part)
{
    using Part = UndoStepName::Part;
    switch (part) {
    case Part::Options:
        return Txt::UndoStepOptions;
    case Part::PublicChannel:
        return Txt::UndoStepPublic;
    case Part::Dtmf:
        return Txt::UndoStepDtmf;
    case Part::Keys:
        return Txt::UndoStepKeys;
    case Part::ToneTips:
        return Txt::UndoStepToneTips;
    default:
        return 0;
    }
}

}  // namespace

QString UndoStepText(const UndoStepName& name)
{
    using Part = UndoStepName::Part;
    QString text;
    if (name.part == Part::Nothing)
        return {};
    if (name.part == Part::Described)
        return QString::fromStdString(name.text);
    if (name.part == Part::Channels)
        return LangText(Txt::UndoStepChannels).arg(name.count);
    if (name.part == Part::Channel)
        text = LangText(Txt::UndoStepChannel).arg(QString::fromStdString(name.group)).arg(name.position);
    else
        text = LangText(partText(name.part));
    if (!name.field.empty())
        text += QStringLiteral(": ") + QString::fromStdString(name.field);
    return text;
}
