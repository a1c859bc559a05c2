#include "cli/json.h"

#include "io/shown_name.h"

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

void JsonWriter::String(std::string_view value) {
  Separate();
  out_ += '"';
  while (!value.empty()) {
    const unsigned char c = static_cast<unsigned char>(value.front());
    char32_t code = 0;
    const std::size_t length = DecodeUtf8Sequence(value, code);
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
