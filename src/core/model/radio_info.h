#pragma once

#include "core/model/radio_image.h"
#include "core/model/records.h"

#include <array>
#include <cstddef>
#include <string>

// The radio information record: production, service and dealer data read
// from the radio's information area (radio addresses 0x3E00..0x3EFF).

// The defaults of a document that was never read from a radio: the band and
// model given, "V1.00", batch "<month>-1-E-1", customer "001A", today's date.
void SetRadioInfoDefaults(RadioInfoRecord& info, int band, const std::string& modelName);

// Decodes the information block into the record; the model, version text and
// reserved field keep what the record held. The band is taken as it stands
// (an erased area gives 15, shown as an unknown band).
void DecodeRadioInfoBlock(const RadioInfoBlock& block, RadioInfoRecord& info);

// Where the radio keeps a text of its information area (offset from the
// area's start, length in bytes) and how wide the record's field is (0: a
// plain text, not padded).
struct InfoTextField {
    std::string RadioInfoRecord::*member;
    std::size_t offset;
    std::size_t length;
    std::size_t width;
};
const std::array<InfoTextField, 11>& RadioInfoTextFields();

// Stores a text in its area as the radio keeps it: ASCII cut to the area's
// length, the rest of the area erased (0xFF).
void StoreRadioInfoText(RadioInfoBlock& block, const InfoTextField& field, const std::string& text);

// The programming password of the information area: ASCII up to the first 0x00
// or 0xFF, trailing blanks removed; empty means the radio has none.
std::string RadioPasswordOf(const RadioInfoBlock& block);
