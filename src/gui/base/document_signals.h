#pragma once

#include "core/model/document.h"

#include <QObject>

// Turns the document's notifications into Qt signals, so that windows
// connect to what changed instead of being refreshed by explicit calls. It
// subscribes for its own lifetime.
class DocumentSignals : public QObject, public DocumentObserver {
    Q_OBJECT
public:
    explicit DocumentSignals(Document& doc, QObject* parent = nullptr);
    ~DocumentSignals() override;

    Document& document() const { return m_doc; }

signals:
    // The contents were replaced as a whole (new document, opened file,
    // completed read, model change); changed(Everything) follows.
    void replaced();
    void changed(const DocumentChange& change);

private:
    void documentReplaced() override;
    void documentChanged(const DocumentChange& change) override;

    Document& m_doc;
};
