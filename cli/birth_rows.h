// Births read from a file or standard input for a batch of charts: CSV with
// a header line naming the columns id, date, time, utc_offset, lon, lat (id,
// utc_offset, lon and lat optional), or JSON Lines, one object a line with
// the same keys. The values are written as the birth-data options take them
// ("1970-04-04", "17:50", "+05:30", "81:12E", "16:15N").
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "chart/chart_state.h"

namespace orvane {

// One row of the input: its birth data, or what is wrong with it.
struct BirthRow {
  std::size_t line = 0;  // line number in the input, 1 = first line
  // The row's id as it is written in output: a JSON token (a string in
  // quotes or a number). Without an id column or key, the line number.
  std::string idJson;
  std::string idText;  // the id as plain text, for text output and messages
  bool ok = false;
  std::string error;  // one line, when not ok
  BirthData birth{};  // file units; zone and place only where given
  bool zoneGiven = false, longitudeGiven = false, latitudeGiven = false;
  // The values of the further columns (or keys) the reader was told to
  // accept, by name.
  std::vector<std::pair<std::string, std::string>> extra;
};

class BirthRowReader {
 public:
  // Lines longer than this are bad rows (read to their end, never held).
  static constexpr std::size_t kLineLimit = 4096;

  explicit BirthRowReader(std::FILE* in) : in_(in) {}

  // The next row, good or bad; false at the end of the input or when the
  // CSV header is unusable (then HeaderError says why).
  bool Next(BirthRow& row);
  const std::string& HeaderError() const { return headerError_; }
  // Columns (CSV) and keys (JSON Lines) taken besides the birth data, their
  // text values handed over in BirthRow::extra: the chart library's name,
  // place and tags. Any other column is still refused.
  void AcceptColumns(std::vector<std::string> names) { accepted_ = std::move(names); }

 private:
  enum class Format { kUnknown, kCsv, kJsonLines };
  enum Column : int { kId, kDate, kTime, kUtcOffset, kLon, kLat, kColumnCount };

  struct Line {
    std::string text;  // without its end
    std::size_t number = 0;
    bool tooLong = false;  // it ran past kLineLimit (the rest is skipped)
  };
  // Reads one line (one put back first); false at the end of input.
  bool ReadLine(Line& line);
  // Reads one record: a line, or for CSV the lines that a quoted field
  // holding line breaks spans. A quote that no later line closes (within
  // kLineLimit bytes) leaves the record one line, and the lines read after
  // it are put back to be read as rows of their own.
  bool ReadRecord(Line& record);
  bool ReadHeader(const std::string& line);
  void ParseCsvRow(const std::string& line, BirthRow& row) const;
  void ParseJsonRow(const std::string& line, BirthRow& row) const;

  std::FILE* in_;
  std::size_t lineNumber_ = 0;
  std::vector<Line> putBack_;  // lines read ahead, last first
  Format format_ = Format::kUnknown;
  std::string headerError_;
  int columnOf_[kColumnCount] = {-1, -1, -1, -1, -1, -1};  // CSV field index of each column
  int fieldCount_ = 0;
  std::vector<std::string> accepted_;
  std::vector<std::pair<int, std::string>> extraColumns_;  // CSV field index, name
};

// Quotes and escapes a text as a JSON string.
std::string JsonQuoted(std::string_view text);

}  // namespace orvane
