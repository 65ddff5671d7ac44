#include "core/model/document.h"

#include <algorithm>

void Document::addObserver(DocumentObserver* observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void Document::removeObserver(DocumentObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void Document::notifyReplaced()
{
    // Copy: an observer may unsubscribe while being told.
    const auto observers = m_observers;
    for (auto* o : observers)
        o->documentReplaced();
    notifyChanged({DocumentChange::Scope::Everything, 0});
}

void Document::notifyChanged(const DocumentChange& change)
{
    const auto observers = m_observers;
    for (auto* o : observers) {
        // An observer told earlier may have unsubscribed a later one.
        if (std::find(m_observers.begin(), m_observers.end(), o) != m_observers.end())
            o->documentChanged(change);
    }
}

void Document::notifyStepMark(StepMark mark)
{
    const auto observers = m_observers;
    for (auto* o : observers) {
        if (std::find(m_observers.begin(), m_observers.end(), o) != m_observers.end())
            o->stepMarked(mark);
    }
}

void Document::beginUndoGroup(const std::string& description)
{
    if (m_groupDepth++ > 0)
        return;
    m_groupDescription = description;
    notifyStepMark(StepMark::GroupBegun);
}

void Document::endUndoGroup()
{
    if (m_groupDepth == 0 || --m_groupDepth > 0)
        return;
    notifyStepMark(StepMark::GroupEnded);
    m_groupDescription.clear();
}

void Document::beginNotAStep()
{
    if (m_quietDepth++ == 0)
        notifyStepMark(StepMark::QuietBegun);
}

void Document::endNotAStep()
{
    if (m_quietDepth > 0 && --m_quietDepth == 0)
        notifyStepMark(StepMark::QuietEnded);
}
