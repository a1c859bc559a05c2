// File names as the programs show them in messages: a name is whatever
// bytes the file system holds, so before it goes to a terminal or into a
// one-line message every byte that could break the line, drive the
// terminal or is not valid UTF-8 is written as an escape.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

// Returns `name` with valid, printable UTF-8 kept as it is and everything
// else escaped:
//   - a backslash as "\\" (so that every escape reads back one way);
//   - each byte of a control character (U+0000..U+001F, U+007F, and the C1
//     controls U+0080..U+009F) and each byte that is not part of a valid
//     UTF-8 sequence as "\xHH" (two lower-case hex digits);
//   - the characters that reorder or break a line on screen (U+2028,
//     U+2029, the bidirectional embeddings, overrides and isolates
//     U+202A..U+202E and U+2066..U+2069) as "\uHHHH".
// A plain name such as "/home/me/chart.orv" comes back unchanged.
std::string ShownName(std::string_view name);

// Length of the valid UTF-8 sequence at the start of `text` (1..4) with the
// code point it holds in `code`; 0 when the first byte does not start one
// (a stray continuation byte, an overlong form, a surrogate, beyond
// U+10FFFF, a sequence cut short) or `text` is empty.
std::size_t DecodeUtf8Sequence(std::string_view text, char32_t& code);

// U+0000..U+001F, U+007F and the C1 controls U+0080..U+009F.
bool IsControlCharacter(char32_t code);
// The characters that reorder or break a line on screen without being
// controls: U+2028, U+2029, U+202A..U+202E, U+2066..U+2069.
bool IsLayoutChanging(char32_t code);

}  // namespace orvane
