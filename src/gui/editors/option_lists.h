#pragma once

#include <QStringList>

class Document;
struct OptionField;

// The items the options window's lists offer, by the field they edit, as Qt
// strings (OptionItemTexts and ToneTipChoiceText give them).

// The items of a field's list in the document: the power list follows the
// public modulation (no "High" with AM), the roger-beep list the defined tone
// tips, the DTMF lists the slots that hold a code. Empty for a field without
// a list (offset, maximum SWR, its check box).
QStringList OptionListItems(const OptionField& field, const Document& doc);

// The text the roger-beep list shows for a tone-tip number: the "off" text
// for 0 and for anything outside 1..8, else the number.
QString ToneTipItemText(int tip);
