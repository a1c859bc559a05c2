// The place table: about 170,000 named places with their country, first-
// level division, position, IANA time zone and population, read from the
// generated text file data/places.tsv (see scripts/places/generate.js for
// its format), and the search over it by name prefix.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One place as the table holds it. The views point into the table and stay
// valid as long as it lives.
struct Place {
  std::string_view name;         // "Chennai", "São Paulo" (UTF-8)
  std::string_view admin1;       // division name, "Tamil Nadu" (may be empty)
  std::string_view admin1Code;   // division code, "25", "CA" (may be empty)
  std::string_view country;      // ISO 3166 code, "IN"
  std::string_view countryName;  // "India"
  std::string_view zone;         // IANA zone, "Asia/Kolkata"
  double latitude = 0;           // degrees, north positive
  double longitude = 0;          // degrees, east positive
  std::uint32_t population = 0;  // 0 when unknown
};

class PlaceTable {
 public:
  PlaceTable() = default;
  PlaceTable(const PlaceTable&) = delete;
  PlaceTable& operator=(const PlaceTable&) = delete;
  PlaceTable(PlaceTable&&) = default;
  PlaceTable& operator=(PlaceTable&&) = default;

  // Reads the table file at `path`. On failure returns false, leaves the
  // table empty and puts a one-line reason naming the file in `error`.
  bool Load(const std::string& path, std::string* error);
  // Reads the table from the file's text (taken over). `source` names it
  // in error messages ("line 12 of <source>: ...").
  bool Parse(std::string text, std::string_view source, std::string* error);

  bool empty() const { return places_.empty(); }
  std::size_t size() const { return places_.size(); }
  Place at(std::size_t index) const;

  // The places whose name (or another spelling of it) starts with the
  // query's name part, best first: largest population first, an exact name
  // before a longer one of equal population, at most `limit`. The query is
  // "NAME[, QUALIFIER]...": each qualifier must match the country code
  // ("IN"), the start of the country name ("india"), the division code
  // ("CA") or the start of the division name ("tamil"). Case, accents and
  // '-' against ' ' are not told apart ("sao paulo" finds São Paulo). An
  // empty name part finds nothing.
  // With `wholeName`, only the places whose name (or another spelling of
  // it) is the query's name part, or starts with it when it is more than
  // one word ("new york" finds New York City; "a" finds no Alexandria).
  std::vector<std::size_t> Search(std::string_view query, std::size_t limit, bool wholeName = false) const;

  // `text` as the search compares it: ASCII lower-cased, '-' read as a
  // blank, other characters folded as the table's file says (accents
  // dropped), blanks at both ends removed.
  std::string Fold(std::string_view text) const;

 private:
  struct Row {
    std::uint32_t nameOffset = 0;  // into text_
    std::uint16_t nameLength = 0;
    std::uint16_t zone = 0;        // index into zones_
    std::uint32_t division = 0;    // index into divisions_
    std::int32_t latitude = 0;     // 1/1000 degree
    std::int32_t longitude = 0;
    std::uint32_t population = 0;
  };
  struct Division {
    std::string_view code, name;
    std::string key;  // folded name
    std::uint32_t country = 0;
    std::uint16_t zone = 0;
  };
  struct Country {
    std::string_view code, name;
    std::string key;  // folded name
  };
  struct Alternate {
    std::string key;
    std::uint32_t place = 0;
  };

  std::string_view NameOf(const Row& row) const { return text_.substr(row.nameOffset, row.nameLength); }
  const Row& RowAt(std::size_t rank) const { return places_[order_.empty() ? rank : order_[rank]]; }
  std::uint32_t IndexAt(std::size_t rank) const {
    return order_.empty() ? static_cast<std::uint32_t>(rank) : order_[rank];
  }
  bool ParseText(std::string_view source, std::string* error);
  void AppendFolded(std::string& out, std::string_view text) const;
  // Compares the folded `name` with `folded` (folded already) bytewise;
  // with `prefixOnly` a name that starts with `folded` compares equal.
  int CompareFolded(std::string_view name, std::string_view folded, bool prefixOnly) const;
  // Compares two names by their folded text.
  int CompareNames(std::string_view a, std::string_view b) const;
  bool Matches(const Row& row, const std::vector<std::string>& qualifiers) const;

  std::shared_ptr<const char> textHolder_;  // keeps the file's bytes, read into memory
  std::string_view text_;                   // the file, which the views point into
  std::vector<std::string_view> zones_;
  std::vector<Country> countries_;
  std::vector<Division> divisions_;
  std::vector<std::pair<std::uint32_t, std::string>> folds_;  // code point, folded text (sorted)
  std::vector<Row> places_;
  // places_ by folded name when the file did not list them so (empty when
  // it did, the usual case).
  std::vector<std::uint32_t> order_;
  std::vector<Alternate> alternates_;  // by key
};

// "Chennai, Tamil Nadu, IN" (the division left out when the place has none).
std::string PlaceLabel(const Place& place);

// Where the programs look for the table, in order: the file named by the
// environment variable ORVANE_PLACES; share/orvane/places.tsv beside the
// running program's bin folder; the installed path; the source tree's copy
// (for runs from a build folder).
std::vector<std::string> PlaceTablePaths();

// Loads the table from the first of PlaceTablePaths() that exists. When none
// does, or the one found cannot be read, returns false with a one-line
// reason in `error` (naming the paths tried).
bool LoadPlaceTable(PlaceTable& table, std::string* error);

}  // namespace orvane
