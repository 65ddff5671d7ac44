#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Fixed-width texts of the records. The records and the data files hold one
// byte per character in Latin-1 (the radio's data files were written in a
// Western code page); the editors and the terminal speak UTF-8. A character
// that Latin-1 cannot hold is stored as "?".

// The text padded with spaces on the right to width, or cut to width.
std::string PadFixed(std::string_view text, std::size_t width);

// UTF-8 input (an editor, the command line) as Latin-1 bytes: every
// character above U+00FF and every malformed sequence becomes "?".
std::string Utf8ToLatin1(std::string_view utf8);

// UTF-8 input as a fixed field of the given width (converted, then padded or cut).
std::string Utf8ToLatin1Fixed(std::string_view utf8, std::size_t width);

// Latin-1 bytes as UTF-8 for display.
std::string Latin1ToUtf8(std::string_view latin1);

// The text cut before its first NUL character, then stripped of trailing
// spaces: how model names and other fixed texts are compared and shown.
std::string CutAndTrimFixed(std::string_view text);
