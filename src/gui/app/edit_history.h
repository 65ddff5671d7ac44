#pragma once

#include "core/app/undo_history.h"

#include <QObject>
#include <QString>

class Document;

// The program's undo history: the core's history of the document, with each
// step ending when the event that caused its changes has been handled, so
// that one user action (a typed value with everything the rules did because
// of it, a choice that also clears references) is one step, whichever window
// made it.
class EditHistory : public QObject {
    Q_OBJECT
public:
    explicit EditHistory(Document& doc, QObject* parent = nullptr);

    UndoHistory& history() { return m_history; }
    const UndoHistory& history() const { return m_history; }

signals:
    // What can be undone or redone, or their names, may have changed.
    void changed();

private:
    UndoHistory m_history;
    bool m_closeQueued = false;
};

// The name of a step in the program's language ("Channel EU 9: Scan").
QString UndoStepText(const UndoStepName& name);
