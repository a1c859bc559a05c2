// Tajaka (solar-return) results of a pass: the natal snapshot, the found
// moment, strengths, sahams and dasas.
#pragma once

#include <array>
#include <cstdint>

#include "engine/calendar.h"

namespace orvane {

struct TajakaMoment {
  double year = 0;   // whole numbers
  double month = 0;
  double day = 0;
  double time = 0;   // clock time in the birth zone, hours + minutes/100 (fractional minutes)
};

inline constexpr int kSahamCount = 36;
inline constexpr int kPatyayiniPoints = 8;  // the ascendant and Sun..Saturn

struct TajakaState {
  // Natal positions of slots 0..9 (ascendant, Sun..Ketu) and their retrograde
  // flags, taken when the search starts.
  std::array<double, 10> natalLongitude{};
  std::array<std::int32_t, 10> natalRetrograde{};
  TajakaMoment moment{};
  double target = 0;        // the Sun's longitude sought, degrees [0, 360)
  std::int32_t found = 0;   // 1 when the search ended on the crossing

  // Sahams in table order (Punya first), degrees [0, 360); computed on every
  // pass, natal or Tajaka.
  std::array<double, kSahamCount> sahams{};

  // Pancha Vargeeya Bala of Sun..Saturn by planet code (index 0 unused),
  // 0..20, with its class 0 (Weak) .. 4 (Extraordinary); Tajaka charts only.
  std::array<double, 8> panchaBala{};
  std::array<std::int32_t, 8> panchaClass{};
  std::int32_t yearLord = 0;  // planet code 1..7 of the Varsheswara; 0 until a Tajaka pass chose one

  // Patyayini order of the last Patyayini listing: body slots 0..7 sorted by
  // their degrees inside the sign, each with its share in degrees and its
  // fraction of the whole span; and the main periods of that listing.
  std::array<std::int32_t, kPatyayiniPoints> patyayiniOrder{};
  std::array<double, kPatyayiniPoints> patyayiniShare{};
  std::array<double, kPatyayiniPoints> patyayiniFraction{};
  double patyayiniTotal = 0;
  std::array<DasaDate, kPatyayiniPoints> patyayiniStart{};
  std::array<DasaDate, kPatyayiniPoints> patyayiniEnd{};

  // First lords of the Mudda and Varsha Yogini dasas (planet codes); 0 until
  // a Tajaka pass computed them.
  std::int32_t muddaFirstLord = 0;
  std::int32_t varshaYoginiFirstLord = 0;
};

}  // namespace orvane
