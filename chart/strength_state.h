// Values the strength steps of the calculation pass derive: the ashtakavarga
// tables and pindas, the benefic flags, the shadbala records of the seven
// planets and the bhava bala of the twelve houses. Overwritten by every pass.
#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// Rows of the ashtakavarga tables: Sun..Saturn, then the sarvashtakavarga.
inline constexpr int kAshtakavargaPlanets = 7;
inline constexpr int kSarvaRow = 7;
inline constexpr int kAshtakavargaRows = 8;

using SignRow = std::array<std::int32_t, 12>;

struct AshtakavargaState {
  // Sign 0..11 of slots 0..8 (ascendant, Sun..Saturn, Rahu) in the chart the
  // tables were built from.
  std::array<std::int32_t, 9> chartSign{};
  // Bindus by row (Sun..Saturn, sarvashtakavarga) and sign, before and after
  // the trikona and ekadhipatya reductions.
  std::array<SignRow, kAshtakavargaRows> bindu{};
  std::array<SignRow, kAshtakavargaRows> reduced{};
  // Pindas of Sun..Saturn (index 0 = Sun).
  std::array<std::int32_t, kAshtakavargaPlanets> rasiPinda{};
  std::array<std::int32_t, kAshtakavargaPlanets> grahaPinda{};
  std::array<std::int32_t, kAshtakavargaPlanets> sodyaPinda{};
  std::array<std::int32_t, kAshtakavargaPlanets> sensitiveSign{};       // 0..11
  std::array<std::int32_t, kAshtakavargaPlanets> sensitiveNakshatra{};  // 0..26
};

// Components of a planet's shadbala record, in virupas unless noted.
enum ShadbalaItem : int {
  kUchchaBala, kSaptavargaBala, kOjayugmaBala, kKendraBala, kDrekkanaBala, kSthanaBala,
  kDigBala,
  kNatonnataBala, kPakshaBala, kTribhagaBala, kAbdaBala, kMasaBala, kVaraBala, kHoraBala, kAyanaBala,
  kYuddhaBala, kKalaBala,
  kChestaBala, kNaisargikaBala, kDrigBala,
  kShadbalaPinda,
  kShadbalaRupas,    // pinda / 60
  kStrengthPercent,  // rupas against the planet's required rupas, in percent
  kIshtaPhala, kKashtaPhala,
  kShadbalaItemCount,
};

// Components of a house's bhava bala record.
enum BhavaItem : int { kBhavaLord, kBhavaDik, kBhavaDrik, kBhavaTotal, kBhavaRupas, kBhavaItemCount };

using ShadbalaRecord = std::array<double, kShadbalaItemCount>;
using BhavaRecord = std::array<double, kBhavaItemCount>;

struct StrengthState {
  AshtakavargaState ashtakavarga{};
  // Benefic (+1) or malefic (-1) flag by planet code 1..8, Sun..Rahu
  // (index 0 unused); a flag of 1 or more counts as benefic.
  std::array<std::int32_t, 9> beneficFlag{};
  // Shadbala of Sun..Saturn (index 0 = Sun).
  std::array<ShadbalaRecord, 7> shadbala{};
  // Bhava bala of houses 1..12 (index 0 = first house).
  std::array<BhavaRecord, 12> bhava{};
};

}  // namespace orvane
