#pragma once

#include <string>

struct DocumentSnapshot;

// What an undo step changed, for the Undo and Redo entries to name it
// ("Channel EU 9: Scan", "3 channels", "Options: Beep"). The window puts the
// words of its language around it.
struct UndoStepName {
    enum class Part {
        Described,  // named by whoever grouped the changes: text
        Channel,    // one channel: group, position, field (empty for several fields)
        Channels,   // count channels
        Options,    // field (empty for several)
        PublicChannel,
        Dtmf,
        Keys,
        ToneTips,
        Nothing,
    };
    Part part = Part::Nothing;
    std::string text;
    std::string group;
    int position = 0;
    std::string field;
    int count = 0;

    bool operator==(const UndoStepName&) const = default;
};

// Names the change from one snapshot to the next in the band of the document.
UndoStepName NameUndoStep(const DocumentSnapshot& before, const DocumentSnapshot& after, int bandMode);
