// Name tables of the chart points, signs and nakshatras, and the lord tables
// shared by the derivations and the report sections. Every table is indexed
// from 0; `NameAt` reads one entry and gives "?" for an index outside it.
// They live in orvane::vedic so that the other subsystems' tables of the
// same names never meet them.
#pragma once

#include <array>
#include <cstdint>
#include <numeric>
#include <string_view>

#include "engine/engine_state.h"

namespace orvane::vedic {

template <std::size_t N>
constexpr std::string_view NameAt(const std::array<std::string_view, N>& table, long long index) {
  if (index < 0 || index >= static_cast<long long>(N)) return "?";
  return table[static_cast<std::size_t>(index)];
}

// Point names by body slot; the 41st entry is a spare. "Sun " keeps its
// trailing blank: the planet tables and the dasa listings print it as is.
inline constexpr std::array<std::string_view, 41> kPointName = {
    "Ascdt",   "Sun ",    "Moon",    "Mars",    "Mercury", "Jupiter", "Venus",  "Saturn",  "Rahu",
    "Ketu",    "SreeLg",  "BhavaLg", "HoraLg",  "GhatiLg", "VarndLg", "V2",     "V3",      "V4",
    "V5",      "V6",      "V7",      "V8",      "V9",      "V10",     "V11",    "V12",     "Uran",
    "Nept",    "Plu",     "Dhooma",  "Vyati",   "Pari",    "I.Chapa", "Upaketu", "Kaala",  "Mrityu",
    "ArthaPr", "YamaGha", "Mandi",   "Gulika",  "Dummy"};

// Two-letter point abbreviations by body slot (planet codes 1..9 are slots).
inline constexpr std::array<std::string_view, 40> kPointAbbreviation = {
    "As", "Su", "Mo", "Ma", "Me", "Ju", "Ve", "Sa", "Rh", "Ke", "SL", "BL", "HL", "GL",
    "VL", "V2", "V3", "V4", "V5", "V6", "V7", "V8", "V9", "V10", "V11", "V12", "Ur", "Ne",
    "Pl", "Dh", "Vy", "Pa", "In", "Up", "Ka", "Mr", "AP", "YG", "Md", "Gk"};

inline constexpr std::array<std::string_view, 12> kSignAbbreviation = {
    "Ar", "Ta", "Ge", "Cn", "Le", "Vi", "Li", "Sc", "Sg", "Cp", "Aq", "Pi"};

// Month names of dates, January = index 0.
inline constexpr std::array<std::string_view, 12> kMonthName = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

inline constexpr std::array<std::string_view, 27> kNakshatraName = {
    "Aswini",   "Bharani",    "Krittika",    "Rohini",    "Mrigasira", "Aardra",   "Punarvasu",
    "Pushyami", "Aasresha",   "Makha",       "Poo.Pha.",  "U.Pha.",    "Hastha",   "Chitra",
    "Swathi",   "Visakha",    "Anuradha",    "Jyeshtha",  "Moola",     "Poo.Shaa.", "U.Shaa.",
    "Sravanam", "Dhanishtha", "Satabhisham", "Poo.Bhaa.", "U.Bhaa.",   "Revathi"};

// The tables below hold planet codes: the body slots of the grahas, 1 Sun,
// 2 Moon, 3 Mars, 4 Mercury, 5 Jupiter, 6 Venus, 7 Saturn, 8 Rahu, 9 Ketu
// (engine/body.h, engine/engine_state.h).

// Lord of each sign, Aries..Pisces (the nodes own no sign).
inline constexpr std::array<std::int32_t, 12> kSignLord = {
    kMars,  kVenus,   kMercury, kMoon,   kSun,    kMercury,
    kVenus, kMars,    kJupiter, kSaturn, kSaturn, kJupiter};

// Vimsottari years by planet code (index 0 unused).
inline constexpr std::array<std::int32_t, 10> kVimsottariYears = {0, 6, 10, 7, 17, 16, 20, 19, 18, 7};
static_assert(std::accumulate(kVimsottariYears.begin(), kVimsottariYears.end(), 0) == 120);

// Next lord in the Vimsottari sequence, by planet code: Sun, Moon, Mars,
// Rahu, Jupiter, Saturn, Mercury, Ketu, Venus, and round to the Sun.
inline constexpr std::array<std::int32_t, 10> kVimsottariNext = {
    0, kMoon, kMars, kRahu, kKetu, kSaturn,
    kSun, kMercury, kJupiter, kVenus};

// Lords of the nakshatras, repeating every nine from Aswini.
inline constexpr std::array<std::int32_t, 9> kNakshatraLordCycle = {
    kKetu, kVenus, kSun, kMoon, kMars,
    kRahu, kJupiter, kSaturn, kMercury};

// Lord of a nakshatra 0..26 (any integer is read modulo 27).
constexpr std::int32_t NakshatraLord(long long nakshatra) {
  long long r = nakshatra % 9;
  if (r < 0) r += 9;
  return kNakshatraLordCycle[static_cast<std::size_t>(r)];
}

// Floored remainder: the result always has the sign of m (m > 0).
constexpr long long FloorMod(long long a, long long m) {
  const long long r = a % m;
  return r < 0 ? r + m : r;
}

// Floored quotient (m > 0).
constexpr long long FloorDiv(long long a, long long m) {
  return (a - FloorMod(a, m)) / m;
}

}  // namespace orvane::vedic
