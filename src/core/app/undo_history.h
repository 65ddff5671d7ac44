#pragma once

#include "core/app/undo_step_name.h"
#include "core/model/document.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct DocumentSnapshot;

// Undo and redo for every change a user makes to the records. It listens to
// the document: every operation that changes the records tells the
// document's observers, so each editor (the channel window, the edit
// dialog, the options, DTMF, keys and tone tips windows) joins the history
// without code of its own. A step holds the records before and after, so
// it takes back everything the rules did because of the change too (a
// cleared reference, a lowered power, a moved working channel); undo and
// redo put back only the parts of the records the step changed.
//
// Step boundaries: without a step closer every change notification outside
// an UndoGroup ends a step. With one (the desktop program closes the step
// when the event that caused the change has been handled) the changes of
// one user action are one step, however many notifications they make.
// Changes under NotAStep become part of the records undo starts from.
// Replacing the document (New, Open, a completed read, a model change)
// clears the history. Undo changes the records only, never the radio.
class UndoHistory : public DocumentObserver {
public:
    static constexpr std::size_t DefaultLimit = 100;

    explicit UndoHistory(Document& doc, std::size_t limit = DefaultLimit);
    ~UndoHistory() override;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    bool canUndo() const;
    bool canRedo() const;
    // What the next undo or redo takes back or makes again.
    UndoStepName undoName() const;
    UndoStepName redoName() const;
    // Both return false when there was nothing to do.
    bool undo();
    bool redo();
    void clear();

    // The scheduler is called once for the first change of a step; the step
    // ends when closeStep runs.
    void setStepCloser(std::function<void()> schedule) { m_closer = std::move(schedule); }
    void closeStep();
    // Called whenever what canUndo, canRedo or the names say may have changed.
    void setListener(std::function<void()> listener) { m_listener = std::move(listener); }

private:
    struct Step {
        std::shared_ptr<const DocumentSnapshot> before;
        std::shared_ptr<const DocumentSnapshot> after;
        UndoStepName name;
    };

    void documentReplaced() override;
    void documentChanged(const DocumentChange& change) override;
    void stepMarked(StepMark mark) override;
    void closeStepNamed(const std::string& description);
    // Puts back the parts of the records in which target and other differ.
    void restore(const DocumentSnapshot& target, const DocumentSnapshot& other);
    void absorb();
    void tell();

    Document& m_doc;
    std::size_t m_limit;
    std::shared_ptr<const DocumentSnapshot> m_current;  // the records as the history last saw them
    std::vector<Step> m_steps;
    std::size_t m_done = 0;  // steps 0..m_done-1 can be undone, the rest redone
    std::function<void()> m_closer;
    std::function<void()> m_listener;
    bool m_pending = false;
    bool m_restoring = false;
};
