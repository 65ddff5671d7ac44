#pragma once

#include "core/model/radio_image.h"
#include "core/model/records.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What a change of the document touched, so that a window refreshes only
// what it shows of it.
struct DocumentChange {
    enum class Scope {
        Channel,        // one channel, by its number (created, changed or deleted)
        Channels,       // any number of channels at once
        GroupSettings,  // working, emergency, valid and modulation settings of the groups
        Options,        // the other radio-wide options
        PublicChannel,
        Dtmf,
        Keys,
        ToneTips,
        ShownGroup,  // the group the channel window shows (GridGroup), kept with the file
        Everything,  // the contents were replaced as a whole
    };
    Scope scope = Scope::Everything;
    int channelNo = 0;  // with Scope::Channel

    // True when a window showing the given part must refresh.
    bool touchesChannels() const
    {
        return scope == Scope::Channel || scope == Scope::Channels || scope == Scope::Everything;
    }
    bool touches(Scope part) const { return scope == part || scope == Scope::Everything; }

    bool operator==(const DocumentChange&) const = default;
};

// Told about changes of the document. documentReplaced comes when the
// contents are replaced as a whole (a new document, an opened file, a
// completed read, a model change), so that state belonging to a window or to
// the link is reset by its owner; documentChanged comes after every change,
// a replacement included (as Scope::Everything).
//
// stepMarked tells where the changes a user takes back in one go begin and
// end (see UndoGroup and NotAStep); only the undo history listens to it.
enum class StepMark {
    GroupBegun,  // the changes until GroupEnded are one step
    GroupEnded,
    QuietBegun,  // the changes until QuietEnded are no step at all
    QuietEnded,
};

class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    virtual void documentReplaced() {}
    virtual void documentChanged(const DocumentChange&) {}
    virtual void stepMarked(StepMark) {}
};

// The records of one document, in the order the data files store them.
struct DocumentRecord {
    ModelRecord Model;
    std::int16_t ChannelCount = 0;
    OptFeatRecord OptFeat;
    ChannelRecord PublicChannel;
    KeySettings Keys;
    DtmfSettings Dtmf;
    ToneTips Tips{};

    bool operator==(const DocumentRecord&) const = default;
};

// The document as last loaded, saved or created.
struct Baseline {
    DocumentRecord Record;
    std::array<ChannelRecord, MaxChannels> Channels{};
};

// The one open document of the program run. The application owns it and
// passes it by reference; New, Open, a model change and a completed read
// replace its contents, never the object. Windows hold no copies.
class Document {
public:
    // Records.
    DocumentRecord Record;                                 // model, count, options, public, keys, DTMF, tips
    std::array<ChannelRecord, MaxChannels> ChannelList{};  // entries 0..ChannelCount-1 are used
    std::int16_t& ChannelCount = Record.ChannelCount;

    // Band state: the band of the loaded data and its limits in MHz.
    std::string ModelName = "BRISKO7";  // the current model name
    std::int16_t BandMode = 0;          // 0 CB, 1 HF, 2 HAM
    std::string BandRangeText = "26.965 - 27.405 MHz";
    double FreqMin = 26.965;
    double FreqMax = 27.405;

    // File state.
    std::string DocFileName = "new.dat";
    bool IsUntitled = true;
    bool InitRequest = false;
    Baseline Base;

    // Radio information read from the radio (not part of data files).
    RadioInfoRecord RadioInfo;

    // Transfer buffers and the identification of the last radio that answered.
    RadioImage Image;
    RadioInfoBlock InfoBlock;
    RadioIdentity Radio;

    Document() = default;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    void addObserver(DocumentObserver* observer);
    void removeObserver(DocumentObserver* observer);
    // Tells every observer that the contents were replaced (documentReplaced,
    // then documentChanged with Scope::Everything).
    void notifyReplaced();
    // Tells every observer what an operation changed. Only the operations
    // that change the document call it, and only after a real change.
    void notifyChanged(const DocumentChange& change);

    // Step marks for the undo history; use the guards UndoGroup and NotAStep
    // (undo_group.h) rather than these. Groups nest: only the outermost
    // begins and ends a step, and its description names it (an empty one lets
    // the history name the step after what changed).
    void beginUndoGroup(const std::string& description);
    void endUndoGroup();
    bool inUndoGroup() const { return m_groupDepth > 0; }
    const std::string& undoGroupDescription() const { return m_groupDescription; }
    void beginNotAStep();
    void endNotAStep();
    bool inNotAStep() const { return m_quietDepth > 0; }

private:
    void notifyStepMark(StepMark mark);

    std::vector<DocumentObserver*> m_observers;
    int m_groupDepth = 0;
    int m_quietDepth = 0;
    std::string m_groupDescription;
};
