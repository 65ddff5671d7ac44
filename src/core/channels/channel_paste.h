#pragma once

class Document;
struct ChannelClip;

// What a paste did, for one summary after it rather than a message per row.
struct PasteSummary {
    int pasted = 0;         // positions that took a copied channel (or were emptied as copied)
    int didNotFit = 0;      // copied positions beyond the end of the group
    int changedByRule = 0;  // channels stored otherwise than copied: a frequency moved into the
                            // band or onto a country channel, FM kept, power lowered
    int noChannel = 0;      // positions of a country group without a channel: the plan decides
                            // which positions hold one, so nothing was pasted there
    int kept = 0;           // empty copied positions whose channel the deletion rules keep

    // True when the user should hear about something that was not as copied.
    bool anythingToReport() const { return didNotFit + changedByRule + noChannel + kept > 0; }
    bool operator==(const PasteSummary&) const = default;
};

// Writes the copied channels onto the position and those after it, field by
// field through the channel update path, so that every rule holds. In a
// country group of the CB band the frequencies stay as the plan has them and
// only the settings are pasted, onto positions that hold a channel. Fields
// the band has no setting for and the VFO's scan keep their values. All of it
// is one undo step.
PasteSummary PasteChannels(Document& doc, int group, int firstPosition, const ChannelClip& clip);
