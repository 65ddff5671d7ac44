#pragma once

#include "core/model/channel_fields.h"

#include <string>
#include <vector>

class Document;
struct OptionField;

// The items the options window's lists offer, by the field they edit, and the
// text each list shows for the stored value; the window and the printout both
// show a setting by these. Lists of numbers are built from the values the
// field can take; the others name their items as the radio's display does.

// The items of a field's list in the document: the power list follows the
// public modulation (no "High" with AM), the roger-beep list the defined tone
// tips, the DTMF lists the slots that hold a code. Empty for a field without
// a list (offset, maximum SWR, its check box).
std::vector<std::string> OptionItemTexts(const OptionField& field, const Document& doc);

// The items of the list that edits a channel field: the field's own items,
// the power levels without "High" for an AM modulation, "none" and the
// defined tone tips, "none" and the DTMF slots that hold a code. Empty for a
// field that is typed.
std::vector<std::string> ChannelFieldItems(const Document& doc, ChannelField field, int modulation);

// The text the roger-beep list shows for a tone-tip number: the "off" text
// for 0 and for anything outside 1..8, else the number.
std::string ToneTipChoiceText(int tip);

// What the options window shows for the stored value of a field: the item
// its list selects for it, the offset in kHz, the maximum SWR with one
// decimal, "On" or "Off" for the check box.
std::string OptionShownText(const Document& doc, const OptionField& field);
