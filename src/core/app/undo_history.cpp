#include "core/app/undo_history.h"

#include "core/model/document_snapshot.h"

UndoHistory::UndoHistory(Document& doc, std::size_t limit)
    : m_doc(doc), m_limit(limit > 0 ? limit : 1), m_current(std::make_shared<const DocumentSnapshot>(TakeSnapshot(doc)))
{
    m_doc.addObserver(this);
}

UndoHistory::~UndoHistory()
{
    m_doc.removeObserver(this);
}

bool UndoHistory::canUndo() const
{
    return m_done > 0 || m_pending;
}

bool UndoHistory::canRedo() const
{
    return m_done < m_steps.size() && !m_pending;
}

UndoStepName UndoHistory::undoName() const
{
    if (m_pending)
        return NameUndoStep(*m_current, TakeSnapshot(m_doc), m_doc.BandMode);
    return m_done > 0 ? m_steps[m_done - 1].name : UndoStepName{};
}

UndoStepName UndoHistory::redoName() const
{
    return canRedo() ? m_steps[m_done].name : UndoStepName{};
}

bool UndoHistory::undo()
{
    closeStep();
    if (m_done == 0)
        return false;
    --m_done;
    restore(*m_steps[m_done].before, *m_steps[m_done].after);
    return true;
}

bool UndoHistory::redo()
{
    closeStep();
    if (m_done >= m_steps.size())
        return false;
    restore(*m_steps[m_done].after, *m_steps[m_done].before);
    ++m_done;
    return true;
}

void UndoHistory::clear()
{
    m_steps.clear();
    m_done = 0;
    m_pending = false;
    m_current = std::make_shared<const DocumentSnapshot>(TakeSnapshot(m_doc));
    tell();
}

void UndoHistory::closeStep()
{
    closeStepNamed({});
}

void UndoHistory::closeStepNamed(const std::string& description)
{
    const bool wasPending = m_pending;
    m_pending = false;
    auto now = std::make_shared<const DocumentSnapshot>(TakeSnapshot(m_doc));
    if (*now == *m_current) {
        if (wasPending)
            tell();
        return;
    }
    UndoStepName name;
    if (description.empty()) {
        name = NameUndoStep(*m_current, *now, m_doc.BandMode);
    } else {
        name.part = UndoStepName::Part::Described;
        name.text = description;
    }
    // A new step ends what could be redone.
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_done), m_steps.end());
    m_steps.push_back({m_current, now, std::move(name)});
    if (m_steps.size() > m_limit)
        m_steps.erase(m_steps.begin());
    m_done = m_steps.size();
    m_current = std::move(now);
    tell();
}

void UndoHistory::documentReplaced()
{
    clear();
}

void UndoHistory::documentChanged(const DocumentChange& change)
{
    if (m_restoring || change.scope == DocumentChange::Scope::Everything)
        return;
    if (m_doc.inNotAStep()) {
        absorb();
        return;
    }
    if (m_doc.inUndoGroup())
        return;
    if (!m_closer) {
        closeStep();
        return;
    }
    if (!m_pending) {
        m_pending = true;
        tell();
        m_closer();
    }
}

void UndoHistory::stepMarked(StepMark mark)
{
    switch (mark) {
    case StepMark::GroupBegun:  // what came before the group is a step of its own
    case StepMark::QuietBegun:
        closeStep();
        break;
    case StepMark::GroupEnded:  // the group's description still names it here
        closeStepNamed(m_doc.undoGroupDescription());
        break;
    case StepMark::QuietEnded:
        break;
    }
}

void UndoHistory::absorb()
{
    m_current = std::make_shared<const DocumentSnapshot>(TakeSnapshot(m_doc));
}

void UndoHistory::restore(const DocumentSnapshot& target, const DocumentSnapshot& other)
{
    m_restoring = true;
    RestoreChangedParts(m_doc, target, other);
    m_restoring = false;
    absorb();
    tell();
}

void UndoHistory::tell()
{
    if (m_listener)
        m_listener();
}
