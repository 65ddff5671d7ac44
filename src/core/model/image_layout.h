#pragma once

#include "core/model/radio_limits.h"

#include <cstddef>

// Where everything lives in the radio's 7424-byte memory image and in its
// information area. The field tables (record_fields.cpp), the codec and the
// virtual radio use these names only, never a bare number, so the whole
// address map can be reviewed here at a glance.
namespace ImageLayout {

constexpr std::size_t SlotSize = 16;

// Channel slots and their bitmaps.
constexpr std::size_t ChannelSlots = 0x0000;    // bank channels at (n-1)*16
constexpr std::size_t PresentBitmap = 0x1900;   // bank channels, 50 bytes used
constexpr std::size_t ScanBitmap = 0x1940;      // bank channels, 50 bytes used
constexpr std::size_t ChannelAreaEnd = 0x1980;  // end of the bank slots and both bitmaps
constexpr std::size_t MemSlots = 0x1980;        // the memory channels
constexpr std::size_t VfoSlot = 0x1A00;         // the VFO channel: always present, no bits

// Settings area 0x1A10..0x1A5F; unlisted addresses are unused and written as 0.
constexpr std::size_t UseVfo = 0x1A11;
constexpr std::size_t UseMemChannel = 0x1A12;   // read: bit 0 (UseMemBit); written: the whole value
constexpr std::size_t DtmfUsedBitmap = 0x1A19;  // two bytes, slot s in bit (s-1)
constexpr std::size_t Value1B = 0x1A1B;         // working channel of the memory group
constexpr std::size_t MemPresentBits = 0x1A1C;  // the memory channels
constexpr std::size_t MemScanBits = 0x1A1D;
constexpr std::size_t GroupValidBits = 0x1A1E;  // two bytes, group g in bit g
constexpr std::size_t WorkChannel = 0x1A20;     // 10 bytes, one per group
constexpr std::size_t PublicSlot = 0x1A30;      // a channel slot; only bytes 3..15 used
constexpr std::size_t Beep = 0x1A40;
constexpr std::size_t TimeOutTimer = 0x1A41;
constexpr std::size_t Backlight = 0x1A42;
constexpr std::size_t SpeakerVolume = 0x1A43;
constexpr std::size_t SquelchLevel = 0x1A44;
constexpr std::size_t Asq = 0x1A45;  // bit 7 AsqFun, bits 0-6 AsqValue
constexpr std::size_t GainControl = 0x1A46;
constexpr std::size_t ChannelDisplay = 0x1A47;
constexpr std::size_t KeyMode = 0x1A48;
constexpr std::size_t ScanType = 0x1A49;
constexpr std::size_t ScanTime = 0x1A4A;
constexpr std::size_t SqlStepBack = 0x1A4B;
constexpr std::size_t AsqStepBack = 0x1A4C;
constexpr std::size_t AutoPowerOn = 0x1A4D;
// The radio keeps the first-digit time and delay crosswise to the record order.
constexpr std::size_t DtmfRate = 0x1A4E;
constexpr std::size_t DtmfFirstDigitDelay = 0x1A4F;
constexpr std::size_t DtmfFirstDigitTime = 0x1A50;
constexpr std::size_t DtmfStarHashTone = 0x1A51;
constexpr std::size_t DtmfDKeySetting = 0x1A52;
constexpr std::size_t DtmfDisplay = 0x1A53;
constexpr std::size_t MaxSwr = 0x1A54;    // tenths
constexpr std::size_t SwrFlags = 0x1A55;  // bit 0 AllowMemEdit, bit 1 UseMaxSwr

// Bit positions inside the settings bytes.
namespace SettingBits {
constexpr unsigned UseMemBit = 0;
constexpr unsigned AsqFun = 7, AsqValue = 0, AsqValueWidth = 7;
constexpr unsigned AllowMemEdit = 0, UseMaxSwr = 1;
}  // namespace SettingBits

// Group tables and keys.
constexpr std::size_t Keys = 0x1A80;  // 18 key function codes
constexpr std::size_t KeyCount = ::KeyCount;
constexpr std::size_t EmergencyChannel1 = 0x1AA0;  // per group, channel number minus 1
constexpr std::size_t EmergencyChannel2 = 0x1AB0;
constexpr std::size_t GroupMode1 = 0x1AC0;
constexpr std::size_t GroupMode2 = 0x1AD0;
constexpr std::size_t GroupCount = ::GroupCount;

// Tone tips and DTMF codes.
constexpr std::size_t ToneTips = 0x1B00;  // the tips of 30 bytes, two per 64-byte row
constexpr std::size_t ToneTipSize = 30;
constexpr std::size_t ToneTipRow = 64;
constexpr std::size_t ToneTipTones = ::ToneTipTones;
// Bytes of a tone tip: the two header values, then the 14 tone frequencies
// and the 14 tone lengths.
namespace Tip {
constexpr std::size_t LoopCount = 0;
constexpr std::size_t Interval = 1;
constexpr std::size_t ToneFreqs = 2;
constexpr std::size_t ToneLengths = ToneFreqs + ToneTipTones;
}  // namespace Tip
constexpr std::size_t DtmfCodes = 0x1C00;  // the slots, 16 bytes each
constexpr std::size_t DtmfDigitsMax = DtmfCodeMaxDigits;

// Bytes of a channel slot.
namespace Slot {
constexpr std::size_t FreqLow = 0;  // BCD digit pairs, least significant first
constexpr std::size_t FreqMid = 1;
constexpr std::size_t FreqHigh = 2;
constexpr std::size_t Offset = 3;   // 16-bit little-endian
constexpr std::size_t RxCtcss = 5;  // a tone's DCS byte follows its CTCSS byte
constexpr std::size_t RxDcs = 6;
constexpr std::size_t TxCtcss = 7;
constexpr std::size_t TxDcs = 8;
constexpr std::size_t Spare = 9;     // unused, written as 0
constexpr std::size_t Flags = 10;    // bits 0-1 DUP, 2 TSQ, 4-5 RDCT kind, 6-7 TDCT kind
constexpr std::size_t Options = 11;  // BUSY, HI_CUT, NB, Add_Sub_5K, AM_FM, Tx_Power (2), Public
constexpr std::size_t RBTone = 12;
constexpr std::size_t DtmfBot = 13;
constexpr std::size_t DtmfEot = 14;
constexpr std::size_t DtmfCall = 15;
}  // namespace Slot

// Bit positions inside the two flag bytes of a slot.
namespace SlotBits {
constexpr unsigned Dup = 0, DupWidth = 2;
constexpr unsigned Tsq = 2;
constexpr unsigned RxKind = 4, TxKind = 6, KindWidth = 2;
constexpr unsigned Busy = 0, HiCut = 1, Nb = 2, AddSub5K = 3, AmFm = 4;
constexpr unsigned TxPower = 5, TxPowerWidth = 2;
constexpr unsigned Public = 7;
}  // namespace SlotBits

// The slot of a channel number and where its present and scan bits are.
struct ChannelPlace {
    std::size_t slot = 0;
    bool hasBits = false;  // the VFO channel has none: it always counts as present
    std::size_t presentByte = 0;
    std::size_t scanByte = 0;
    unsigned bit = 0;
};

constexpr ChannelPlace channelPlace(int channelNo)
{
    if (channelNo <= LastBankChannel) {
        const auto k = static_cast<std::size_t>(channelNo - 1);
        return {ChannelSlots + k * SlotSize, true, PresentBitmap + k / 8, ScanBitmap + k / 8,
                static_cast<unsigned>(k % 8)};
    }
    if (channelNo == VfoChannelNo)
        return {VfoSlot, false, 0, 0, 0};
    const auto k = static_cast<std::size_t>(channelNo - FirstMemChannelNo);
    return {MemSlots + k * SlotSize, true, MemPresentBits, MemScanBits, static_cast<unsigned>(k)};
}

// Tip 1..ToneTipCount.
constexpr std::size_t toneTipAddress(int tip)
{
    const auto k = static_cast<std::size_t>(tip - 1);
    return ToneTips + (k / 2) * ToneTipRow + (k % 2) * ToneTipSize;
}

// Slot 1..DtmfSlotCount.
constexpr std::size_t dtmfSlotAddress(int slot)
{
    return DtmfCodes + static_cast<std::size_t>(slot - 1) * SlotSize;
}

// The radio information area, by offset from its first address.
namespace Info {
constexpr std::size_t Band = 0x00;
constexpr unsigned BandFirstBit = 0, BandWidth = 4;
constexpr std::size_t Password = 0x1C;  // 4 ASCII characters, 0xFF when unused
constexpr std::size_t PasswordLength = 4;
constexpr std::size_t BatchNo = 0x20;
constexpr std::size_t CustomerCode = 0x28;
constexpr std::size_t SalesArea = 0x2C;
constexpr std::size_t SerialNo = 0x30;
constexpr std::size_t FactoryDate = 0x40;
constexpr std::size_t RepairDate = 0x50;
constexpr std::size_t RepairReason = 0x60;  // 96 bytes
constexpr std::size_t DealerCode = 0xC0;
constexpr std::size_t StockInTime = 0xD0;
constexpr std::size_t SalesTime = 0xE0;
constexpr std::size_t Handler = 0xF0;
}  // namespace Info

static_assert(channelPlace(LastMemChannelNo).slot + SlotSize <= VfoSlot);
static_assert(toneTipAddress(ToneTipCount) + ToneTipSize <= DtmfCodes);
static_assert(dtmfSlotAddress(DtmfSlotCount) + SlotSize == 7424);

}  // namespace ImageLayout
