#pragma once

#include "core/model/radio_image.h"
#include "core/model/records.h"

#include <cstddef>
#include <string>
#include <string_view>

class Document;

// The only code that reads or writes the memory image field by field. Both
// directions are pure: no windows, no messages.

// A frequency text as the digits the image stores: "FFFFFFFF" for an empty or
// unprogrammed text; otherwise trailing blanks removed, one "0" appended to an
// odd length, "0" put in front up to width, then cut to width.
std::string NormalizeFreqDigits(std::string_view text, std::size_t width);

// Stores a frequency code in the channel slot at an image address as the
// radio keeps it (NormalizeFreqDigits first; no frequency erases it to 0xFF).
void WriteFreqCode(RadioImage& image, std::size_t slot, std::string_view code);

// Bytes 3..15 of the 16-byte slot at an image address (OffSetFre .. TSQ).
void DecodeChannelSlot(const RadioImage& image, std::size_t address, ChannelRecord& record);
void EncodeChannelSlot(RadioImage& image, std::size_t address, const ChannelRecord& record);

// Fills the document's records from doc.Image as read from a radio whose band
// is doc.Radio.RadioBand, then refreshes the band state. A band other than
// 0, 1, 2 changes nothing and returns false (the caller refuses the radio).
bool DecodeImage(Document& doc);

// Builds doc.Image from the records; expects the image all zero on entry.
// Normalises RxFreq and sets IsEmpty of every used channel entry.
void EncodeImage(Document& doc);
