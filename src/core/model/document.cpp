#include "model/document.h"

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
}
