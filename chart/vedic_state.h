// Values the calculation pass derives from a cast chart (panchanga,
// divisional charts, special lagnas, strengths). Overwritten by every pass.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "chart/strength_state.h"

namespace orvane {

// The twenty divisional charts, in the order of the chart choices.
enum Varga : int {
  kD1, kD2, kD3, kD4, kD5, kD6, kD7, kD8, kD9, kD10,
  kD11, kD12, kD16, kD20, kD24, kD27, kD30, kD40, kD45, kD60,
};
inline constexpr int kVargaCount = 20;

// Number of parts of each divisional chart, by Varga.
inline constexpr std::array<int, kVargaCount> kVargaDivision = {
    1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 20, 24, 27, 30, 40, 45, 60};

using PointInts = std::array<std::int32_t, 40>;

struct VedicState {
  // Sign index 0..11 of every body slot in every divisional chart.
  std::array<PointInts, kVargaCount> vargaSign{};

  // Per point, by body slot.
  PointInts rasi{};          // sign index 0..11 (the D-1 row of vargaSign)
  PointInts nakshatra{};     // 0..26
  PointInts pada{};          // 0..3
  PointInts navamsa{};       // sign index 0..11 (the D-9 row of vargaSign)
  PointInts bhava{};         // 0 = first house
  PointInts tara{};          // 0 = Janma .. 8 = Parama mitra, counted from the Moon
  PointInts subLord{};       // planet code 1..9
  PointInts trimsamsaLord{}; // planet code 3..7
  std::array<double, 40> residentialStrength{};  // 0..1

  // Planet code 1..9 -> the tara 0..8 it rules (index 0 unused).
  std::array<std::int32_t, 10> ownTara{};
  // Hadda (terms) lord of slots 0..9, planet code.
  std::array<std::int32_t, 10> haddaLord{};
  // Chara karaka 0 (AK) .. 7 (DK) of slots 1..8 (other entries unused).
  std::array<std::int32_t, 10> charaKaraka{};
  std::int32_t atmakarakaSlot = 1;
  std::int32_t karakamsa = 0;  // navamsa sign of the atmakaraka

  // Panchanga of the chart moment.
  std::int32_t moonNakshatra = 0;
  std::int32_t moonPada = 0;
  double moonNakshatraBalance = 1;  // unelapsed part of the Moon's nakshatra, (0, 1]
  std::int32_t tithi = 0;           // 0..29
  double tithiBalance = 1;          // unelapsed part of the tithi, (0, 1]
  std::int32_t yoga = 0;            // 0..26
  std::int32_t karana = 0;          // 0..10
  std::int32_t vara = 0;            // weekday, 0 = Sunday
  std::int64_t dayCount = 0;        // days counted for the weekday (1 January 1900 = 26543)
  std::int32_t dayBirth = 0;        // 1 when the Sun is above the horizon

  // Muntha (Tajaka charts only), advanced from the natal ascendant of the
  // Tajaka search's natal snapshot.
  double munthaLongitude = 0;
  std::int32_t munthaRasi = 0;
  std::int32_t munthaBhava = 0;
  double munthaStrength = 0;

  // Vimsopaka dignities of the planets Sun..Saturn (index planet code, 0 unused).
  std::array<std::int32_t, 8> saptaCount{};
  std::array<std::int32_t, 8> shodasaCount{};
  std::array<std::int32_t, 7> dignityOrder{};  // planet codes, strongest first

  // Copies of the nakshatra balance kept for the dasa systems: the chart's
  // own, and in a Tajaka chart the second copy the Tajaka dasas read.
  double dasaNakshatraBalance = 1;
  double tajakaNakshatraBalance = 1;

  StrengthState strength{};  // ashtakavarga, benefic flags, shadbala, bhava bala
};

}  // namespace orvane
