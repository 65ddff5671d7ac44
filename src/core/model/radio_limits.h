#pragma once

// The radio's numbering and counts, written down once. Channel numbers run
// 1..MaxChannels: the banks (or, in the CB band, the country channels) first,
// then the VFO channel, then the memory channels. Everything that needs one
// of these numbers names it from here.

// Channels 1..LastBankChannel: ten banks of BankSize channels in the HF and
// HAM bands, the country modes of the CB band.
inline constexpr int BankCount = 10;
inline constexpr int BankSize = 40;
inline constexpr int LastBankChannel = BankCount * BankSize;  // 400

// The VFO channel, the one channel of the group "VFO" in the HF and HAM
// bands. The radio keeps no present or scan flag for it; the CB band has no
// place for it at all.
inline constexpr int VfoChannelNo = LastBankChannel + 1;

// The memory channels of every band, group "MEM".
inline constexpr int MemChannelCount = 8;
inline constexpr int FirstMemChannelNo = VfoChannelNo + 1;
inline constexpr int LastMemChannelNo = FirstMemChannelNo + MemChannelCount - 1;

// The highest channel number, and the number of entries a channel list and a
// data file hold.
inline constexpr int MaxChannels = LastMemChannelNo;

// The CB band: its country channels are 1..LastCountryChannel; the numbers
// from there up to the VFO channel (the CB gap) do not exist in it.
inline constexpr int LastCountryChannel = 360;
inline constexpr int FirstCbGapChannel = LastCountryChannel + 1;
inline constexpr int LastCbGapChannel = VfoChannelNo;

// Groups with a valid flag, a working and two emergency channels and a mode:
// the banks (or country modes) of a band.
inline constexpr int GroupCount = BankCount;

// DTMF code slots 1..DtmfSlotCount, each holding up to DtmfCodeMaxDigits digits.
inline constexpr int DtmfSlotCount = 16;
inline constexpr int DtmfCodeMaxDigits = 16;

// Tone tips 1..ToneTipCount of ToneTipTones tones each.
inline constexpr int ToneTipCount = 8;
inline constexpr int ToneTipTones = 14;

// Key function codes: three key modes of six keys.
inline constexpr int KeyCount = 18;
