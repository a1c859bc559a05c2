#include "cli/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace orvane {

void JsonWriter::Separate() {
  if (needComma_) out_ += ',';
  needComma_ = true;
}

void JsonWriter::BeginObject() {
  Separate();
  out_ += '{';
  needComma_ = false;
}

void JsonWriter::EndObject() {
  out_ += '}';
  needComma_ = true;
}

void JsonWriter::BeginArray() {
  Separate();
  out_ += '[';
  needComma_ = false;
}

void JsonWriter::EndArray() {
  out_ += ']';
  needComma_ = true;
}

void JsonWriter::Key(std::string_view key) {
  String(key);
  out_ += ':';
  needComma_ = false;
}

void JsonWriter::Number(double value) {
  if (!std::isfinite(value)) {
    Null();
    return;
  }
  Separate();
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value);
  out_.append(buf, result.ptr);
}

void JsonWriter::Int(long long value) {
  Separate();
  out_ += std::to_string(value);
}

void JsonWriter::Raw(std::string_view token) {
  Separate();
  out_ += token;
}

void JsonWriter::Bool(bool value) {
  Separate();
  out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  Separate();
  out_ += "null";
}

namespace {

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0
// when its first byte does not begin one (a stray continuation byte, an
// overlong form, a surrogate, a value past U+10FFFF or a cut sequence).
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char c = byte(0);
  if (c < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xbf;  // range of the second byte
  if (c >= 0xc2 && c <= 0xdf) {
    length = 2;
  } else if (c >= 0xe0 && c <= 0xef) {
    length = 3;
    if (c == 0xe0) low = 0xa0;   // no overlong forms
    if (c == 0xed) high = 0x9f;  // no surrogates
  } else if (c >= 0xf0 && c <= 0xf4) {
    length = 4;
    if (c == 0xf0) low = 0x90;   // no overlong forms
    if (c == 0xf4) high = 0x8f;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xbf) return 0;
  return length;
}

}  // namespace

void JsonWriter::String(std::string_view value) {
  Separate();
  out_ += '"';
  while (!value.empty()) {
    const unsigned char c = static_cast<unsigned char>(value.front());
    const std::size_t length = Utf8SequenceLength(value);
    if (length == 0) {
      // A byte that is not UTF-8: the replacement character in its place.
      out_ += "\xEF\xBF\xBD";
      value.remove_prefix(1);
      continue;
    }
    if (length > 1) {
      out_.append(value.substr(0, length));
      value.remove_prefix(length);
      continue;
    }
    switch (c) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7f) {
          char esc[8];
          std::snprintf(esc, sizeof esc, "\\u%04x", c);
          out_ += esc;
        } else {
          out_ += static_cast<char>(c);
        }
    }
    value.remove_prefix(1);
  }
  out_ += '"';
}

}  // namespace orvane
