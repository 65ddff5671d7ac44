#pragma once

#include "core/channels/channel_update.h"

class Document;

// The settings each group keeps in the options record: its working channel,
// two emergency channels with their modulations, and whether the radio
// offers the group at all. The memory group has only its working channel.

enum class GroupSetting {
    WorkChannel,        // one-based position; in the memory group it sets Value1B
    EmergencyChannel1,  // one-based position
    EmergencyChannel2,
    GroupValid,  // 0 or 1
    GroupMode1,  // modulation of emergency channel 1: 0 FM, 1 AM
    GroupMode2,
};

// Whether the channel window offers the setting for the group in the
// document's band: none in the VFO group, only the working channel in the
// memory group, GroupValid only in the bank bands.
bool IsGroupSettingOffered(const Document& doc, int group, GroupSetting setting);

// True when the modulation of the group's emergency channel (column 0 or 1)
// is held at FM: the "CE" and "UK" groups, and an emergency channel at "DE"
// positions 41..80, in the CB band.
bool IsGroupModeLocked(const Document& doc, int group, int column);

// The stored value of a setting, in the terms SetGroupSetting takes
// (positions one-based).
int GroupSettingValue(const Document& doc, int group, GroupSetting setting);

// Changes a setting of a group and tells the observers (GroupSettings) when
// something changed. Positions must hold a channel of the group. A group
// without channels stays invalid; the last valid group stays valid; AM is
// refused while the FM lock holds. Choosing an emergency channel on an
// FM-only position stores its modulation as FM.
UpdateResult SetGroupSetting(Document& doc, int group, GroupSetting setting, int value);

// Stores FM for every emergency channel of the group whose modulation the FM
// lock holds, so that what the window shows and what the record says agree.
UpdateResult ApplyGroupModeLock(Document& doc, int group);

// Stores the group the channel window shows (GridGroup), so that a saved
// file opens on it again; a group the band lacks is not stored. It counts as
// a change of the document (ShownGroup) but is no undo step of its own: the
// undo history leaves the shown group out.
UpdateResult SetShownGroup(Document& doc, int group);
