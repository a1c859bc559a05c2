// The facts of a chart that the library keeps for search: for the lagna and
// each graha its sign, house from the lagna (whole signs), nakshatra and
// pada, dignity, retrograde motion and navamsa sign; the Vimsottari lord at
// birth; the yogas found. And the catalogue of their names as queries write
// them ("moon.sign", "jupiter.house", "lagna.nakshatra").
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::library {

// The points with facts: the lagna, then the grahas Sun..Ketu.
inline constexpr int kFactPoints = 10;
inline constexpr std::array<std::string_view, kFactPoints> kPointNames = {
    "lagna", "sun", "moon", "mars", "mercury", "jupiter", "venus", "saturn", "rahu", "ketu"};

struct PointFacts {
  int sign = 0;       // 0..11 from Aries
  int house = 1;      // 1..12 from the lagna
  int nakshatra = 0;  // 0..26 from Aswini
  int pada = 1;       // 1..4
  std::string dignity;  // exalted, moolatrikona, own, friend, neutral, enemy, debilitated ("" for the lagna and nodes)
  bool retrograde = false;
  int navamsa = 0;  // 0..11
};

struct ChartFacts {
  std::array<PointFacts, kFactPoints> points{};
  std::string dasaLord;             // the Vimsottari lord at birth: "Sun".."Ketu"
  std::vector<std::string> yogas;   // keys of the yogas found (cancelled ones included)
};

// What kind of value a fact holds, and so which values a query may compare
// it with.
enum class FactKind : std::uint8_t { kSign, kHouse, kNakshatra, kPada, kDignity, kBool, kPlanet, kText, kNumber };

struct FactInfo {
  std::string name;    // "moon.sign"
  std::string column;  // "f.moon_sign" (SQL)
  FactKind kind;
  std::string help;    // one line for docs and messages
};

// Every fact a query may name, in the order docs/library.md lists them.
const std::vector<FactInfo>& FactCatalogue();
const FactInfo* FindFact(std::string_view name);

// Sign 0..11 of "Scorpio" (any case), nakshatra 0..26 of "Rohini" (Orvane's
// spellings and the common ones), planet name "Jupiter"; nullopt otherwise.
std::optional<int> SignNumber(std::string_view name);
std::optional<int> NakshatraNumber(std::string_view name);
std::string_view SignText(int sign);
std::string_view NakshatraText(int nakshatra);
bool IsDignityWord(std::string_view word);
bool IsPlanetName(std::string_view word);

}  // namespace orvane::library
