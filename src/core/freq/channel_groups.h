#pragma once

#include "core/model/radio_limits.h"

#include <string>
#include <string_view>
#include <vector>

// Channel numbers 1..MaxChannels are shown by group. In the CB band mode (0) each
// group is a country mode with its own channel plan ("EU", "CE", "U", "UK",
// "PL", "I2", "DE" with 80 channels, "IN") plus the memory group "MEM"
// (the memory channels). In the HF (1) and HAM (2) band modes the groups are
// ten banks "A".."J" of 40 channels, the single "VFO" channel and "MEM".
// A channel's position in its group is 1..size: channel = start + position.

// The group holding a channel. CB: the numbers of the CB gap also give the
// memory group 8. HF/HAM: (channel - 1) / 40, so the VFO and the memory
// channels all give 10. Another band
// mode gives -1.
int GetGroupOfChannel(int channelNo, int bandMode);

// First channel number of the group minus 1; 0 for a group or band mode
// outside the tables.
int GetGroupStart(int group, int bandMode);

// Number of channels in the group; 0 outside the tables.
int GetGroupSize(int group, int bandMode);

// The group's name; empty outside the tables.
std::string GetGroupName(int group, int bandMode);

// Group indices that rules name.
namespace Groups {
constexpr int CE = 1;        // CB: FM only
constexpr int UK = 3;        // CB: FM only
constexpr int DE = 6;        // CB: FM only from position 41
constexpr int CbMem = 8;     // CB: the memory group
constexpr int Vfo = 10;      // HF and HAM: the VFO channel
constexpr int BankMem = 11;  // HF and HAM: the memory group
}  // namespace Groups

// The last bank ("J") or country mode ("IN") of the band: groups 0..this one
// have working and emergency channels and a valid flag.
int LastRegularGroup(int bandMode);
// True for a bank or country mode of the band.
bool IsRegularGroup(int group, int bandMode);

// True for the memory group: group 8 in CB, group 11 in HF and HAM.
bool IsMemGroup(int group, int bandMode);

// The group names a group selector lists, in group order, leaving out the
// excluded name (the options window leaves out "MEM"). As long as nothing
// before it was left out, a list position equals the group index.
std::vector<std::string> GroupComboItems(int bandMode, std::string_view excludedName = {});

// Which selector shows the groups: the CB band picks a country mode, the other
// bands a bank. A band mode outside 0..2 leaves the selectors as they are.
enum class GroupSelector { CountryBox, GroupBox, Unchanged };
GroupSelector GroupSelectorOfBand(int bandMode);
