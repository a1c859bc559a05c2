#include "cli/birth_rows.h"

#include <algorithm>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "io/birth_options.h"
#include "io/number_text.h"
#include "io/shown_name.h"

namespace orvane {

namespace {

// Column names of the header and keys of a JSON Lines object, by column.
constexpr std::array<std::string_view, 6> kColumnNames = {"id", "date", "time", "utc_offset", "lon", "lat"};

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Splits a CSV line into fields: commas separate, a field in double quotes
// may hold commas and doubled quotes. False for an unterminated quote or
// text after a closing quote.
bool SplitCsv(std::string_view line, std::vector<std::string>& fields) {
  fields.clear();
  std::size_t i = 0;
  for (;;) {
    std::string field;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i < line.size() && line[i] == '"') {
      ++i;
      for (;;) {
        if (i >= line.size()) return false;
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        field += line[i++];
      }
      while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
      if (i < line.size() && line[i] != ',') return false;
    } else {
      const std::size_t end = std::min(line.find(',', i), line.size());
      field = std::string(Trimmed(line.substr(i, end - i)));
      i = end;
    }
    fields.push_back(std::move(field));
    if (i >= line.size()) return true;
    ++i;  // the comma
  }
}

void AppendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// A flat JSON object of strings, numbers and nulls, read one token at a time.
class FlatJson {
 public:
  explicit FlatJson(std::string_view text) : s_(text) {}

  struct Value {
    enum Kind { kString, kNumber, kBool, kNull } kind = kNull;
    std::string text;  // the string's contents, or the number's token
  };

  // Calls add(key, value) for each member; false with a message when the
  // text is not such an object.
  template <typename Add>
  bool Members(Add add, std::string& error) {
    Space();
    if (!Eat('{')) return Fail(error, "not a JSON object");
    Space();
    if (Eat('}')) return End(error);
    for (;;) {
      std::string key;
      Space();
      if (!String(key)) return Fail(error, "a key is not a JSON string");
      Space();
      if (!Eat(':')) return Fail(error, "a key has no value");
      Space();
      Value value;
      if (!ReadValue(value)) return Fail(error, "the value of \"" + Printable(key) + "\" is not a string, number or true/false");
      if (!add(key, value, error)) return false;
      Space();
      if (Eat('}')) return End(error);
      if (i_ >= s_.size()) return Fail(error, "the object is not closed");
      if (!Eat(',')) return Fail(error, "members are not separated by commas");
    }
  }

 private:
  static std::string Printable(std::string_view s) {
    std::string shown = ShownInput(s);
    return shown.substr(1, shown.size() - 2);
  }
  bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
  }
  bool End(std::string& error) {
    Space();
    if (i_ != s_.size()) return Fail(error, "text after the JSON object");
    return true;
  }
  void Space() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\r')) ++i_;
  }
  bool Eat(char c) {
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  bool Hex4(std::uint32_t& out) {
    if (i_ + 4 > s_.size()) return false;
    out = 0;
    for (int k = 0; k < 4; ++k) {
      const char c = s_[i_++];
      out <<= 4;
      if (c >= '0' && c <= '9') out |= static_cast<std::uint32_t>(c - '0');
      else if (c >= 'a' && c <= 'f') out |= static_cast<std::uint32_t>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F') out |= static_cast<std::uint32_t>(c - 'A' + 10);
      else return false;
    }
    return true;
  }
  bool String(std::string& out) {
    if (!Eat('"')) return false;
    while (i_ < s_.size()) {
      const char c = s_[i_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (i_ >= s_.size()) return false;
      const char e = s_[i_++];
      switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          std::uint32_t c1 = 0;
          if (!Hex4(c1)) return false;
          if (c1 >= 0xD800 && c1 < 0xDC00) {  // a surrogate pair
            std::uint32_t c2 = 0;
            if (!Eat('\\') || !Eat('u') || !Hex4(c2) || c2 < 0xDC00 || c2 >= 0xE000) return false;
            c1 = 0x10000 + ((c1 - 0xD800) << 10) + (c2 - 0xDC00);
          } else if (c1 >= 0xDC00 && c1 < 0xE000) {
            return false;
          }
          AppendUtf8(out, c1);
          break;
        }
        default:
          return false;
      }
    }
    return false;
  }
  // A number by the JSON grammar: -? int frac? exp?
  bool Number(std::string& out) {
    const std::size_t start = i_;
    Eat('-');
    if (Eat('0')) {
    } else if (i_ < s_.size() && s_[i_] >= '1' && s_[i_] <= '9') {
      while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') ++i_;
    } else {
      return false;
    }
    if (Eat('.')) {
      if (!(i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')) return false;
      while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') ++i_;
    }
    if (Eat('e') || Eat('E')) {
      if (!Eat('+')) Eat('-');
      if (!(i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')) return false;
      while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') ++i_;
    }
    out.assign(s_.substr(start, i_ - start));
    return true;
  }
  bool ReadValue(Value& v) {
    if (i_ < s_.size() && s_[i_] == '"') {
      v.kind = Value::kString;
      return String(v.text);
    }
    if (s_.substr(i_, 4) == "null") {
      i_ += 4;
      v.kind = Value::kNull;
      return true;
    }
    for (const std::string_view word : {std::string_view("true"), std::string_view("false")}) {
      if (s_.substr(i_, word.size()) == word) {
        i_ += word.size();
        v.kind = Value::kBool;
        v.text = std::string(word);
        return true;
      }
    }
    v.kind = Value::kNumber;
    return Number(v.text);
  }

  std::string_view s_;
  std::size_t i_ = 0;
};

// Fills the row's birth data from the texts of its columns (nullopt: the
// column is absent or empty). Date and time are needed; zone and place
// fall back to the settings' defaults.
void FillBirth(const std::array<std::optional<std::string>, 6>& value, BirthRow& row) {
  auto fail = [&row](std::string_view column, const std::string& message) {
    row.ok = false;
    row.error = std::string(column) + ": " + message;
  };
  const std::optional<std::string>& date = value[1];
  const std::optional<std::string>& time = value[2];
  if (!date) return fail("date", "missing");
  if (!time) return fail("time", "missing");
  BirthData b;
  const auto d = ParseDateOption(*date);
  if (!d.ok) return fail("date", d.error);
  b.year = d.value.year;
  b.month = d.value.month;
  b.day = d.value.day;
  const auto t = ParseTimeOption(*time);
  if (!t.ok) return fail("time", t.error);
  b.time = t.value;
  if (value[3]) {
    const auto z = ParseUtcOffsetOption(*value[3]);
    if (!z.ok) return fail("utc_offset", z.error);
    b.zone = z.value;
    row.zoneGiven = true;
  }
  if (value[4]) {
    const auto l = ParseLongitudeOption(*value[4]);
    if (!l.ok) return fail("lon", l.error);
    b.longitude = l.value;
    row.longitudeGiven = true;
  }
  if (value[5]) {
    const auto l = ParseLatitudeOption(*value[5]);
    if (!l.ok) return fail("lat", l.error);
    b.latitude = l.value;
    row.latitudeGiven = true;
  }
  row.birth = b;
  row.ok = true;
}

}  // namespace

std::string JsonQuoted(std::string_view text) {
  std::string out = "\"";
  while (!text.empty()) {
    char32_t code = 0;
    const std::size_t length = DecodeUtf8Sequence(text, code);
    if (length == 0) {
      out += "\xEF\xBF\xBD";  // a byte that is not UTF-8: the replacement character
      text.remove_prefix(1);
      continue;
    }
    const char c = text[0];
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", u);
      out += buf;
    } else {
      out.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return out + "\"";
}

bool BirthRowReader::ReadLine(Line& line) {
  if (!putBack_.empty()) {
    line = std::move(putBack_.back());
    putBack_.pop_back();
    return true;
  }
  line.text.clear();
  line.tooLong = false;
  int c;
  bool any = false;
  while ((c = std::getc(in_)) != EOF) {
    any = true;
    if (c == '\n') break;
    if (line.text.size() < kLineLimit) line.text += static_cast<char>(c);
    else line.tooLong = true;
  }
  if (!any) return false;
  line.number = ++lineNumber_;
  if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
  if (line.number == 1 && line.text.compare(0, 3, "\xEF\xBB\xBF") == 0) line.text.erase(0, 3);  // a byte-order mark
  return true;
}

namespace {

// True when a CSV record's text ends inside a quoted field: its quotes are
// odd in number (a quote inside a quoted field is written twice).
bool QuoteOpen(std::string_view text) {
  std::size_t quotes = 0;
  for (char c : text) quotes += c == '"';
  return quotes % 2 == 1;
}

}  // namespace

bool BirthRowReader::ReadRecord(Line& record) {
  if (!ReadLine(record)) return false;
  if (format_ != Format::kCsv || record.tooLong || !QuoteOpen(record.text)) return true;
  std::vector<Line> ahead;
  std::string text = record.text;
  Line next;
  while (QuoteOpen(text) && ReadLine(next)) {
    ahead.push_back(next);
    if (next.tooLong || text.size() + 1 + next.text.size() > kLineLimit) break;
    text += '\n';
    text += next.text;
  }
  if (!QuoteOpen(text)) {  // closed by a later line
    record.text = std::move(text);
    return true;
  }
  for (auto it = ahead.rbegin(); it != ahead.rend(); ++it) putBack_.push_back(std::move(*it));
  return true;
}

bool BirthRowReader::ReadHeader(const std::string& line) {
  std::vector<std::string> names;
  if (!SplitCsv(line, names)) {
    headerError_ = "line " + std::to_string(lineNumber_) + ": the header is not a CSV line";
    return false;
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    int column = -1;
    for (int k = 0; k < kColumnCount; ++k)
      if (names[i] == kColumnNames[k]) column = k;
    if (column < 0 && std::find(accepted_.begin(), accepted_.end(), names[i]) != accepted_.end()) {
      extraColumns_.emplace_back(static_cast<int>(i), names[i]);
      continue;
    }
    if (column < 0) {
      headerError_ = "line " + std::to_string(lineNumber_) + ": unknown column " + ShownInput(names[i]) +
                     " (the columns are id, date, time, utc_offset, lon, lat)";
      return false;
    }
    if (columnOf_[column] >= 0) {
      headerError_ = "line " + std::to_string(lineNumber_) + ": column " + ShownInput(names[i]) + " appears twice";
      return false;
    }
    columnOf_[column] = static_cast<int>(i);
  }
  if (columnOf_[kDate] < 0 || columnOf_[kTime] < 0) {
    headerError_ = "line " + std::to_string(lineNumber_) +
                   ": the header needs the columns date and time (id, utc_offset, lon, lat optional)";
    return false;
  }
  fieldCount_ = static_cast<int>(names.size());
  return true;
}

void BirthRowReader::ParseCsvRow(const std::string& line, BirthRow& row) const {
  std::vector<std::string> fields;
  const bool split = SplitCsv(line, fields);
  if (split && columnOf_[kId] >= 0 && columnOf_[kId] < static_cast<int>(fields.size()) &&
      !fields[columnOf_[kId]].empty()) {
    row.idText = ShownName(fields[columnOf_[kId]]);
    row.idJson = JsonQuoted(fields[columnOf_[kId]]);
  }
  if (!split) {
    row.error = "not a CSV line (an unclosed quote?)";
    return;
  }
  if (static_cast<int>(fields.size()) != fieldCount_) {
    row.error = std::to_string(fields.size()) + " columns where the header has " + std::to_string(fieldCount_);
    return;
  }
  std::array<std::optional<std::string>, 6> value;
  for (int k = kDate; k < kColumnCount; ++k)
    if (columnOf_[k] >= 0 && !fields[columnOf_[k]].empty()) value[k] = fields[columnOf_[k]];
  for (const auto& [index, name] : extraColumns_) row.extra.emplace_back(name, fields[static_cast<std::size_t>(index)]);
  FillBirth(value, row);
}

void BirthRowReader::ParseJsonRow(const std::string& line, BirthRow& row) const {
  std::array<std::optional<std::string>, 6> value;
  std::array<bool, 6> seen{};
  auto add = [&](const std::string& key, const FlatJson::Value& v, std::string& error) {
    int column = -1;
    for (int k = 0; k < kColumnCount; ++k)
      if (key == kColumnNames[k]) column = k;
    if (column < 0 && std::find(accepted_.begin(), accepted_.end(), key) != accepted_.end()) {
      if (v.kind == FlatJson::Value::kString) row.extra.emplace_back(key, v.text);
      return true;
    }
    if (column < 0) {
      error = "unknown key " + ShownInput(key) + " (the keys are id, date, time, utc_offset, lon, lat)";
      return false;
    }
    if (seen[column]) {
      error = "key " + ShownInput(key) + " appears twice";
      return false;
    }
    seen[column] = true;
    if (column == kId) {
      // An empty id, like none, leaves the line number.
      if (v.kind == FlatJson::Value::kString && !v.text.empty()) {
        row.idText = ShownName(v.text);
        row.idJson = JsonQuoted(v.text);
      } else if (v.kind == FlatJson::Value::kNumber) {
        row.idText = v.text;
        row.idJson = v.text;
      }
      return true;
    }
    if (v.kind == FlatJson::Value::kNumber) {
      error = std::string(kColumnNames[column]) + ": write it as a string, e.g. " +
              (column == kDate ? "\"1970-04-04\"" : column == kTime ? "\"17:50\"" : column == kUtcOffset ? "\"+05:30\"" : column == kLon ? "\"81:12E\"" : "\"16:15N\"");
      return false;
    }
    if (v.kind == FlatJson::Value::kString && !v.text.empty()) value[column] = v.text;
    return true;
  };
  FlatJson object(line);
  if (!object.Members(add, row.error)) {
    row.ok = false;
    return;
  }
  FillBirth(value, row);
}

bool BirthRowReader::Next(BirthRow& row) {
  Line line;
  for (;;) {
    if (!headerError_.empty()) return false;
    if (!ReadRecord(line)) return false;
    const std::string_view trimmed = Trimmed(line.text);
    if (!line.tooLong && trimmed.empty()) continue;  // blank lines separate nothing
    if (format_ == Format::kUnknown) {
      // A JSON Lines row is a row, however long; only CSV has a header.
      if (!trimmed.empty() && trimmed.front() == '{') {
        format_ = Format::kJsonLines;
      } else {
        format_ = Format::kCsv;
        if (line.tooLong) {
          headerError_ = "line " + std::to_string(line.number) + ": the header is longer than " +
                         std::to_string(kLineLimit) + " bytes";
          return false;
        }
        if (!ReadHeader(line.text)) return false;
        continue;
      }
    }
    row = BirthRow{};
    row.line = line.number;
    row.idText = std::to_string(line.number);
    row.idJson = row.idText;
    if (line.tooLong) {
      row.error = "longer than " + std::to_string(kLineLimit) + " bytes";
    } else if (format_ == Format::kCsv) {
      ParseCsvRow(line.text, row);
    } else {
      ParseJsonRow(line.text, row);
    }
    return true;
  }
}

}  // namespace orvane
