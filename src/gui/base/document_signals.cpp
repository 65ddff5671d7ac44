#include "gui/base/document_signals.h"

DocumentSignals::DocumentSignals(Document& doc, QObject* parent) : QObject(parent), m_doc(doc)
{
    m_doc.addObserver(this);
}

DocumentSignals::~DocumentSignals()
{
    m_doc.removeObserver(this);
}

void DocumentSignals::documentReplaced()
{
    emit replaced();
}

void DocumentSignals::documentChanged(const DocumentChange& change)
{
    emit changed(change);
}
