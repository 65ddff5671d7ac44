#pragma once

#include "core/model/radio_limits.h"

#include <array>
#include <cstdint>
#include <string>

// The typed records that every editor works on. Integers are signed 16-bit as
// the data files store them; fixed-width texts are held as their raw
// characters (Latin-1, one byte each) and padded or cut to their width when a
// file is written.

struct ChannelRecord {
    std::int16_t ChannelNo = 0;  // 1..MaxChannels
    std::int16_t IsEmpty = 0;
    std::int16_t Scan = 0;       // 0 Del, 1 Add
    std::string RxFreq;          // fixed 8: frequency code, units of 10 Hz ("02696500")
    std::int16_t OffSetFre = 0;  // 0..32767
    std::int16_t RDCT = 0;       // tone code 0..142
    std::int16_t TDCT = 0;
    std::int16_t DUP = 0;  // 0 off, 1 "+", 2 "-"
    std::int16_t HI_CUT = 0;
    std::int16_t BUSY = 0;
    std::int16_t NB = 0;
    std::int16_t Add_Sub_5K = 0;
    std::int16_t AM_FM = 0;     // 0 FM, 1 AM
    std::int16_t Tx_Power = 0;  // 0..3
    std::int16_t Public = 0;
    std::int16_t RBTone = 0;    // 0 off, else a tone tip
    std::int16_t DTMF_BOT = 0;  // 0 off, else a DTMF code slot
    std::int16_t DTMF_EOT = 0;
    std::int16_t DTMF_Call = 0;
    std::int16_t TSQ = 0;
    std::array<std::int16_t, 7> Reserved{};  // carried by data files only

    bool operator==(const ChannelRecord&) const = default;
};

struct OptFeatRecord {
    std::int16_t GridGroup = 0;  // group shown in the channel window; never in the image
    std::int16_t UseMemChannel = 0;
    std::int16_t UseVfo = 0;
    std::int16_t Value1B = 0;
    std::array<std::int16_t, GroupCount> GroupValid{};
    std::array<std::int16_t, GroupCount> WorkChannel{};
    std::array<std::array<std::int16_t, 2>, GroupCount> EmergencyChannel{};  // [group][column]
    std::int16_t Beep = 0;
    std::int16_t TimeOutTimer = 0;
    std::int16_t Backlight = 0;
    std::int16_t SpeakerVolume = 0;
    std::int16_t SquelchLevel = 0;
    std::int16_t AsqFun = 0;
    std::int16_t AsqValue = 0;
    std::int16_t GainControl = 0;
    std::int16_t ChannelDisplay = 0;
    std::int16_t ScanType = 0;
    std::int16_t ScanTime = 0;
    std::int16_t SqlStepBack = 0;
    std::int16_t AsqStepBack = 0;
    std::int16_t AutoPowerOn = 0;
    std::int16_t AllowMemEdit = 0;
    std::int16_t UseMaxSwr = 0;
    std::int16_t MaxSwr = 0;                                          // tenths (160 = 16.0)
    std::array<std::array<std::uint8_t, 2>, GroupCount> GroupMode{};  // [group][column], 0 FM, 1 AM
    std::array<std::int16_t, 8> Reserved{};

    bool operator==(const OptFeatRecord&) const = default;
};

struct KeySettings {
    std::int16_t KeyMode = 0;
    std::array<std::int16_t, KeyCount> Keys{};  // entry 6*(mode-1) + key-1

    bool operator==(const KeySettings&) const = default;
};

struct DtmfCode {
    std::int16_t Length = 0;  // 0..DtmfCodeMaxDigits
    std::string Digits;       // fixed DtmfCodeMaxDigits: "0".."9", "A".."D", "*", "#"

    bool operator==(const DtmfCode&) const = default;
};

struct DtmfSettings {
    std::int16_t DtmfRate = 0;
    std::int16_t FirstDigitTime = 0;
    std::int16_t FirstDigitDelay = 0;
    std::int16_t StarHashTone = 0;
    std::int16_t DKeySetting = 0;
    std::int16_t DtmfDisplay = 0;
    std::array<DtmfCode, DtmfSlotCount> Codes{};
    std::array<std::int16_t, 10> Reserved{};

    bool operator==(const DtmfSettings&) const = default;
};

struct ToneTipTone {
    std::int16_t Freq = 0;
    std::int16_t Length = 0;

    bool operator==(const ToneTipTone&) const = default;
};

struct ToneTip {
    std::array<ToneTipTone, ToneTipTones> Tones{};
    std::int16_t LoopCount = 0;  // first header value
    std::int16_t Interval = 0;   // second header value

    bool operator==(const ToneTip&) const = default;
};

using ToneTips = std::array<ToneTip, ToneTipCount>;

struct ModelRecord {
    std::string Model;      // fixed 7
    std::int16_t Band = 0;  // 0 CB, 1 HF, 2 HAM
    std::string Version;    // fixed 4, "V100"

    bool operator==(const ModelRecord&) const = default;
};

// What the radio's information area holds (serial number, dates, dealer data).
// Not part of data files.
struct RadioInfoRecord {
    std::int16_t InfoBand = 0;
    std::string InfoReserved;  // fixed 16
    std::string SerialNo;      // fixed 16
    std::string FactoryDate;   // fixed 16
    std::string RepairDate;    // fixed 16
    std::string RepairReason;  // fixed 96
    std::string VersionText;
    std::string InfoModel;
    std::string SalesArea;
    std::string BatchNo;       // fixed 8
    std::string CustomerCode;  // fixed 4
    std::string DealerCode;    // fixed 16
    std::string StockInTime;   // fixed 16
    std::string SalesTime;     // fixed 16
    std::string Handler;       // fixed 16

    bool operator==(const RadioInfoRecord&) const = default;
};

// The identification of the last radio that answered.
struct RadioIdentity {
    std::string RadioModel;  // up to 7 characters
    std::uint8_t RadioBand = 0;
    std::string RadioVersion;  // 4 characters
    bool ToneSupported = false;

    bool operator==(const RadioIdentity&) const = default;
};
