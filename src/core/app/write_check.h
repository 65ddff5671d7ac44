#pragma once

#include <string>
#include <vector>

class Document;

// What a document may hold that would make the radio misbehave, although the
// editors never produce it: a file from another program, an edited copy or a
// damaged one can. The check runs before every write to the radio and on its
// own; it changes nothing.

enum class CheckKind {
    NoFrequency,       // a listed channel without a readable frequency
    OutsideBand,       // bank, VFO or memory channel of HF/HAM outside the band
    OffRaster,         // ... or between the 5 kHz steps of the band
    NoCountryChannel,  // CB memory channel on no country channel's frequency
    NoValidGroup,      // the radio would have no group to show
    WorkOnEmpty,       // working channel on a position without a channel
    EmergencyOnEmpty,  // emergency channel (1 or 2) on a position without a channel
    UndefinedToneTip,  // a tone tip that does not sound
    EmptyDtmfSlot,     // a DTMF code slot without digits
    AmHighPower,       // "High" power on an AM channel
    AmOnFixedFm,       // AM on a position that is FM only
    VfoScanned,        // the VFO channel with its scan flag on: the radio keeps none
    NoVfoInCb,         // the VFO channel in the CB band: the radio has no place for it
};

struct CheckFinding {
    CheckKind kind = CheckKind::NoValidGroup;
    std::string where;  // "A 5", "MEM 2", a group's name; empty for the public channel
    std::string value;  // the frequency, the tip, the slot or the position concerned
    int column = 0;     // which emergency channel (1 or 2)

    bool operator==(const CheckFinding&) const = default;
};

// Every finding, channels in number order first, then the groups.
std::vector<CheckFinding> CheckDocument(const Document& doc);

// The finding as one line in the current language.
std::string CheckFindingText(const CheckFinding& finding);
