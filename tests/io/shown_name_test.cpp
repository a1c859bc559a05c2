// File names as messages show them: one line, nothing a terminal acts on,
// valid UTF-8 only, and every escape reads back one way.
#include "io/shown_name.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

TEST(ShownName, EscapesWhatATerminalWouldActOn) {
  struct Case {
    const char* name;
    std::string raw;
    std::string shown;
  };
  const Case cases[] = {
      {"plain path", "/home/me/chart.orv", "/home/me/chart.orv"},
      {"UTF-8 kept", "/tmp/\xe0\xa4\xb0\xe0\xa4\xbe\xe0\xa4\xb6\xe0\xa4\xbf.orv",
       "/tmp/\xe0\xa4\xb0\xe0\xa4\xbe\xe0\xa4\xb6\xe0\xa4\xbf.orv"},
      {"four-byte UTF-8 kept", "\xf0\x9f\x8c\x99.orv", "\xf0\x9f\x8c\x99.orv"},
      {"newline and tab", "a\nb\tc", "a\\x0ab\\x09c"},
      {"escape sequence", "\x1b[31mred", "\\x1b[31mred"},
      {"DEL", "a\x7f", "a\\x7f"},
      {"C1 control", "a\xc2\x9b" "b", "a\\xc2\\x9bb"},
      {"NUL inside", std::string("a\0b", 3), "a\\x00b"},
      {"backslash", "a\\x41", "a\\\\x41"},
      {"stray continuation byte", "a\x80z", "a\\x80z"},
      {"cut-short sequence at the end", "a\xe0\xa4", "a\\xe0\\xa4"},
      {"overlong slash", "\xc0\xaf", "\\xc0\\xaf"},
      {"UTF-16 surrogate", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
      {"beyond U+10FFFF", "\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
      {"right-to-left override", "txt\xe2\x80\xaegro.orv", "txt\\u202egro.orv"},
      {"line separator", "a\xe2\x80\xa8" "b", "a\\u2028b"},
      {"empty", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ShownName(c.raw), c.shown);
  }
}

}  // namespace
}  // namespace orvane
