#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A channel's receive and transmit squelch tones share one numbering, the
// tone code, which is also the position in the tone pick list:
//   0        off                        "Off"
//   1..38    CTCSS tone k = code        "C_001(67.0Hz)" .. "C_038(250.3Hz)"
//   39..142  DCS code j = code - 38     "D_001(023N)" .. "D_104(754N)"
//
// In the memory image a tone is a 2-bit type (0 off, 1 CTCSS, 2 DCS) with a
// zero-based CTCSS index byte and a zero-based DCS index byte.
//
// A radio may hold an index byte beyond its table. Such a tone keeps its own
// code so that it survives a save, a load and a write back unchanged:
//   143..294    DCS index 104..255      (code = DCS index + 39, as for listed codes)
//   1039..1256  CTCSS index 38..255     (code = 1001 + CTCSS index)
// The CTCSS codes get their own range because index + 1 would fall on the DCS
// codes. The list shows such a code as "?(<code>)", for example "?(1039)".

inline constexpr int ToneCount = 143;
inline constexpr int CtcssCount = 38;
inline constexpr int DcsCount = 104;
inline constexpr int FirstDcsCode = CtcssCount + 1;  // 39
inline constexpr int ForeignCtcssCodeBase = 1001;    // code of CTCSS index 0 in the foreign range

// The 143 list texts in tone-code order.
const std::vector<std::string>& ToneList();

// The list text of a tone code; "?(<code>)" for a code without a list entry.
std::string ToneListText(int code);

struct ToneImage {
    std::uint8_t Type = 0;  // 0 off, 1 CTCSS, 2 DCS (3 is treated as off)
    std::uint8_t CtcssIndex = 0;
    std::uint8_t DcsIndex = 0;

    bool operator==(const ToneImage&) const = default;
};

// The image form of a tone code; both index bytes are 0 except the one the
// type uses. A code that no image form can hold is written as off.
ToneImage ToneCodeToImage(int code);

// The tone code of an image form; type 0 or 3 is off whatever the index bytes hold.
int ImageToToneCode(const ToneImage& image);
int ImageToToneCode(std::uint8_t type, std::uint8_t ctcssIndex, std::uint8_t dcsIndex);
