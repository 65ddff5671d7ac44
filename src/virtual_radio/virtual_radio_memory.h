#pragma once

#include "core/model/radio_image.h"

#include <cstdint>
#include <string>

// The texts a radio keeps in its information area (serial number, dates,
// dealer data). Each is stored as ASCII, cut to its field width; the rest of
// the field is erased (0xFF).
struct RadioInfoFields {
    std::string batchNo = "01-1-E-1";
    std::string customerCode = "001A";
    std::string salesArea;
    std::string serialNo = "SIM00000001";
    std::string factoryDate = "2026-01-01";
    std::string repairDate;
    std::string repairReason;
    std::string dealerCode;
    std::string stockInTime;
    std::string salesTime;
    std::string handler;
    std::string password;  // up to 4 characters; empty = none
};

// A radio's information area holding the band code and the given texts.
RadioInfoBlock BuildRadioInfo(std::uint8_t band, const RadioInfoFields& fields);

// The memory of a radio fresh from the factory: 40 channels of the band
// (the 40 CB channels, or 10 kHz steps from 28.000 MHz on the HF and HAM
// bands), all in the scan list, the VFO channel on the first of them, no DTMF
// codes; every other setting 0.
RadioImage DefaultRadioImage(std::uint8_t band);
