#include "cli/json.h"

#include "io/shown_name.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace orvane {

namespace {

// Bytes a JSON string holds as they are: printable ASCII other than the
// quote and the backslash.
constexpr bool IsPlain(unsigned char c) { return c >= 0x20 && c < 0x7f && c != '"' && c != '\\'; }

}  // namespace

void JsonWriter::Separate() {
  if (needComma_) out_ += ',';
  needComma_ = true;
}

void JsonWriter::Token(std::string_view token) {
  // The separator and the token in one append.
  char buf[32];
  if (needComma_ && token.size() < sizeof buf) {
    buf[0] = ',';
    token.copy(buf + 1, token.size());
    out_.append(buf, token.size() + 1);
  } else {
    if (needComma_) out_ += ',';
    out_.append(token);
  }
  needComma_ = true;
}

void JsonWriter::BeginObject() {
  Token("{");
  needComma_ = false;
  ++depth_;
}

void JsonWriter::BeginObjectWithId(const std::string* idJson) {
  BeginObject();
  if (idJson) {
    Key("id");
    Raw(*idJson);
  }
}

void JsonWriter::EndObject() {
  if (depth_-- == 1) EndCut();
  out_ += '}';
  needComma_ = true;
}

void JsonWriter::BeginArray() {
  Token("[");
  needComma_ = false;
  ++depth_;
}

void JsonWriter::EndArray() {
  if (depth_-- == 1) EndCut();
  out_ += ']';
  needComma_ = true;
}

void JsonWriter::Key(std::string_view key) {
  if (keep_ != nullptr && depth_ == 1) {
    EndCut();
    if (std::find(keep_->begin(), keep_->end(), key) == keep_->end()) {
      cutFrom_ = out_.size();
      cutComma_ = needComma_;
    }
  }
  // A plain key (all of them) with its quotes and colon in one append.
  char buf[64];
  const bool comma = needComma_;
  if (key.size() + 4 <= sizeof buf &&
      std::all_of(key.begin(), key.end(), [](char c) { return IsPlain(static_cast<unsigned char>(c)); })) {
    std::size_t n = 0;
    if (comma) buf[n++] = ',';
    buf[n++] = '"';
    key.copy(buf + n, key.size());
    n += key.size();
    buf[n++] = '"';
    buf[n++] = ':';
    out_.append(buf, n);
  } else {
    String(key);
    out_ += ':';
  }
  needComma_ = false;
}

void JsonWriter::Number(double value) {
  if (!std::isfinite(value)) {
    Null();
    return;
  }
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value);
  Token(std::string_view(buf, static_cast<std::size_t>(result.ptr - buf)));
}

void JsonWriter::Int(long long value) {
  char buf[24];
  const auto result = std::to_chars(buf, buf + sizeof buf, value);
  Token(std::string_view(buf, static_cast<std::size_t>(result.ptr - buf)));
}

void JsonWriter::Raw(std::string_view token) { Token(token); }

void JsonWriter::Bool(bool value) { Token(value ? "true" : "false"); }

void JsonWriter::Null() { Token("null"); }

void JsonWriter::String(std::string_view value) {
  Separate();
  out_ += '"';
  while (!value.empty()) {
    // A run of plain bytes in one append.
    std::size_t plain = 0;
    while (plain < value.size() && IsPlain(static_cast<unsigned char>(value[plain]))) ++plain;
    if (plain > 0) {
      out_.append(value.substr(0, plain));
      value.remove_prefix(plain);
      continue;
    }
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

namespace {

constexpr std::string_view kChartJsonFields[] = {
    "birth",     "slots",        "ayanamsa", "nakshatra_balance", "lunar_month_sign", "sunrise",
    "panchanga", "vargas",       "dasa_balance", "vimsottari",    "ashtakavarga",     "shadbala",
    "tajaka",    "ephemeris",    "place",        "houses"};

}  // namespace

std::span<const std::string_view> ChartJsonFields() { return kChartJsonFields; }

std::vector<std::string> KeptChartKeys(const std::vector<std::string>& names) {
  std::vector<std::string> keys = {"id"};
  for (const std::string& name : names) {
    keys.push_back(name);
    if (name == "ephemeris") {
      keys.emplace_back("ephemeris_source");
      keys.emplace_back("classic_range_note");
    }
  }
  return keys;
}

}  // namespace orvane
