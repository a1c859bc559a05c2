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
  // With an index folder (PlaceIndexFolder()), the table is taken from the
  // compact index this program keeps there for the file when the index
  // still describes it (same size, modification time and file), and is
  // otherwise parsed and its index written for the next start. An index is
  // only ever mapped, never read whole: a look-up touches the pages it reads.
  bool Load(const std::string& path, std::string* error);
  bool Load(const std::string& path, const std::string& indexFolder, std::string* error);
  // Reads the table from the file's text (taken over). `source` names it
  // in error messages ("line 12 of <source>: ...").
  bool Parse(std::string text, std::string_view source, std::string* error);

  // True when the last Load took the table from its index.
  bool fromIndex() const { return fromIndex_; }

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
  // What the character `code` folds to; a null view when it is not folded.
  std::string_view FoldedText(std::uint32_t code) const;

  // The records of the table's compact form (places/place_index.cpp): a
  // text of its own and fixed-size records that point into it. The same
  // bytes serve a table just parsed and one mapped from its index file.
  struct Text {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
  };
  struct Row {
    std::uint32_t nameOffset = 0;  // into the text
    std::uint16_t nameLength = 0;
    std::uint16_t zone = 0;        // index into the zones
    std::uint32_t division = 0;    // index into the divisions
    std::int32_t latitude = 0;     // 1/1000 degree
    std::int32_t longitude = 0;
    std::uint32_t population = 0;
  };
  struct Division {
    Text code, name, key;  // key: the folded name
    std::uint32_t country = 0;
    std::uint32_t zone = 0;
  };
  struct Country {
    Text code, name, key;  // key: the folded name
  };
  struct FoldRule {
    std::uint32_t code = 0;  // code point
    Text folded;
  };
  struct Alternate {
    Text key;  // folded
    std::uint32_t place = 0;
  };

  // A run of records inside the table's bytes.
  template <typename T>
  struct Span {
    const T* data = nullptr;
    std::size_t count = 0;
    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }
    const T& operator[](std::size_t i) const { return data[i]; }
    const T* begin() const { return data; }
    const T* end() const { return data + count; }
  };

 private:
  std::string_view TextOf(Text t) const {
    return t.offset <= text_.size() && t.length <= text_.size() - t.offset ? text_.substr(t.offset, t.length)
                                                                           : std::string_view();
  }
  std::string_view NameOf(const Row& row) const { return TextOf({row.nameOffset, row.nameLength}); }
  // Indices read from an index file are checked where they are used, so a
  // damaged file gives wrong names at worst, never a read outside it.
  std::uint32_t IndexAt(std::size_t rank) const {
    if (order_.empty()) return static_cast<std::uint32_t>(rank);
    const std::uint32_t i = order_[rank];
    return i < places_.size() ? i : 0;
  }
  const Row& RowAt(std::size_t rank) const { return places_[IndexAt(rank)]; }
  const Division& DivisionOf(const Row& row) const;
  const Country& CountryOf(const Division& division) const;
  const FoldRule* FoldOf(std::uint32_t code) const;
  bool ParseText(std::string_view all, std::string_view source, std::string* error);
  // Takes the table from the bytes of its compact form, checking that every
  // record run lies inside them; false (table left empty) when they are not
  // a compact table.
  bool Attach(std::shared_ptr<const void> holder, std::string_view bytes);
  void AppendFolded(std::string& out, std::string_view text) const;
  // Compares the folded `name` with `folded` (folded already) bytewise;
  // with `prefixOnly` a name that starts with `folded` compares equal.
  int CompareFolded(std::string_view name, std::string_view folded, bool prefixOnly) const;
  // Compares two names by their folded text.
  int CompareNames(std::string_view a, std::string_view b) const;
  bool Matches(const Row& row, const std::vector<std::string>& qualifiers) const;

  std::shared_ptr<const void> holder_;  // keeps the bytes alive: a string or a mapping
  std::string_view bytes_;              // the compact form (written as the index file)
  std::string_view text_;
  Span<Text> zones_;
  Span<Country> countries_;
  Span<Division> divisions_;
  Span<FoldRule> folds_;  // by code point
  Span<Row> places_;
  // places_ by folded name when the file did not list them so (empty when
  // it did, the usual case).
  Span<std::uint32_t> order_;
  Span<Alternate> alternates_;  // by key
  bool fromIndex_ = false;

};

// Where the compact indexes of place tables are kept: $ORVANE_PLACE_INDEX
// when set (empty: keep none), else orvane/ in $XDG_CACHE_HOME or in
// ~/.cache. Empty when there is no such folder to use.
std::string PlaceIndexFolder();

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
