#pragma once

#include "core/model/document.h"

#include <string>

// While an UndoGroup lives, every change of the document belongs to one undo
// step: a paste of many rows, a multi-row delete, an import. The description
// names the step ("Paste 3 channels"); an empty one lets the history name it
// after what changed.
class UndoGroup {
public:
    UndoGroup(Document& doc, const std::string& description = {}) : m_doc(doc) { m_doc.beginUndoGroup(description); }
    ~UndoGroup() { m_doc.endUndoGroup(); }
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

private:
    Document& m_doc;
};

// While a NotAStep lives, the changes of the document are no undo step: a
// window that stores a normalised value when it is shown (a value its lists
// cannot show) makes the records agree with what it shows, which the user
// did not ask for and cannot take back. Undo then starts from the
// normalised records.
class NotAStep {
public:
    explicit NotAStep(Document& doc) : m_doc(doc) { m_doc.beginNotAStep(); }
    ~NotAStep() { m_doc.endNotAStep(); }
    NotAStep(const NotAStep&) = delete;
    NotAStep& operator=(const NotAStep&) = delete;

private:
    Document& m_doc;
};
