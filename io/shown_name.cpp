#include "io/shown_name.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace orvane {
namespace {

void AppendByteEscape(std::string& out, unsigned char byte) {
  std::array<char, 8> buffer;
  std::snprintf(buffer.data(), buffer.size(), "\\x%02x", static_cast<unsigned>(byte));
  out += buffer.data();
}

}  // namespace

bool IsControlCharacter(char32_t code) { return code < 0x20 || (code >= 0x7f && code <= 0x9f); }

bool IsLayoutChanging(char32_t code) {
  return code == 0x2028 || code == 0x2029 || (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069);
}

std::size_t DecodeUtf8Sequence(std::string_view text, char32_t& code) {
  if (text.empty()) return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  std::size_t length;
  char32_t min;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2, code = lead & 0x1f, min = 0x80;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3, code = lead & 0x0f, min = 0x800;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4, code = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xc0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3f);
  }
  if (code < min || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return 0;
  return length;
}

std::string ShownName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  while (!name.empty()) {
    char32_t code = 0;
    const std::size_t length = DecodeUtf8Sequence(name, code);
    if (length == 0) {
      AppendByteEscape(out, static_cast<unsigned char>(name[0]));
      name.remove_prefix(1);
      continue;
    }
    if (code == '\\') {
      out += "\\\\";
    } else if (IsControlCharacter(code)) {
      for (std::size_t i = 0; i < length; ++i) AppendByteEscape(out, static_cast<unsigned char>(name[i]));
    } else if (IsLayoutChanging(code)) {
      std::array<char, 8> buffer;
      std::snprintf(buffer.data(), buffer.size(), "\\u%04x", static_cast<unsigned>(code));
      out += buffer.data();
    } else {
      out.append(name.substr(0, length));
    }
    name.remove_prefix(length);
  }
  return out;
}

}  // namespace orvane
