#include "vedic/ashtakavarga.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "engine/zodiac.h"
#include "vedic/names.h"
#include "vedic/strength.h"
#include "vedic/vargas.h"

namespace orvane {

namespace {

using vedic::FloorMod;

// Sign index 0..11 of any integer (signs always come back into the table).
int SignIndex(long long sign) { return WrapToSign(sign); }

// Houses 1..12 counted from a contributor's sign, as a bit mask (bit h - 1).
constexpr std::uint16_t Houses(std::initializer_list<int> houses) {
  std::uint16_t mask = 0;
  for (const int h : houses) mask = static_cast<std::uint16_t>(mask | (1u << (h - 1)));
  return mask;
}

constexpr int CountHouses(std::uint16_t mask) {
  int n = 0;
  for (; mask != 0; mask = static_cast<std::uint16_t>(mask & (mask - 1))) ++n;
  return n;
}

// Body slot of each contributor, in the order their bindus are counted and
// listed: the lagna (slot 0), then Sun..Saturn (their codes).
inline constexpr int kContributorCount = 1 + kPlanetCount;
constexpr std::array<int, kContributorCount> kContributorSlot = {kAscendant, kSun,     kMoon,  kMars,
                                                                 kMercury,   kJupiter, kVenus, kSaturn};

// Parashari contribution table: for the planet whose ashtakavarga is built
// (row, Sun..Saturn) and each contributor (column), the houses counted from
// the contributor's sign (its own sign = 1) that receive a bindu.
constexpr std::array<std::array<std::uint16_t, kContributorCount>, kAshtakavargaPlanets> kContribution = {{
    // Sun
    {Houses({3, 4, 6, 10, 11, 12}), Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({3, 6, 10, 11}),
     Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({3, 5, 6, 9, 10, 11, 12}), Houses({5, 6, 9, 11}),
     Houses({6, 7, 12}), Houses({1, 2, 4, 7, 8, 9, 10, 11})},
    // Moon
    {Houses({3, 6, 10, 11}), Houses({3, 6, 7, 8, 10, 11}), Houses({1, 3, 6, 7, 10, 11}),
     Houses({2, 3, 5, 6, 9, 10, 11}), Houses({1, 3, 4, 5, 7, 8, 10, 11}), Houses({1, 4, 7, 8, 10, 11, 12}),
     Houses({3, 4, 5, 7, 9, 10, 11}), Houses({3, 5, 6, 11})},
    // Mars
    {Houses({1, 3, 6, 10, 11}), Houses({3, 5, 6, 10, 11}), Houses({3, 6, 11}), Houses({1, 2, 4, 7, 8, 10, 11}),
     Houses({3, 5, 6, 11}), Houses({6, 10, 11, 12}), Houses({6, 8, 11, 12}), Houses({1, 4, 7, 8, 9, 10, 11})},
    // Mercury
    {Houses({1, 2, 4, 6, 8, 10, 11}), Houses({5, 6, 9, 11, 12}), Houses({2, 4, 6, 8, 10, 11}),
     Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({1, 3, 5, 6, 9, 10, 11, 12}), Houses({6, 8, 11, 12}),
     Houses({1, 2, 3, 4, 5, 8, 9, 11}), Houses({1, 2, 4, 7, 8, 9, 10, 11})},
    // Jupiter
    {Houses({1, 2, 4, 5, 6, 7, 9, 10, 11}), Houses({1, 2, 3, 4, 7, 8, 9, 10, 11}), Houses({2, 5, 7, 9, 11}),
     Houses({1, 2, 4, 7, 8, 10, 11}), Houses({1, 2, 4, 5, 6, 9, 10, 11}), Houses({1, 2, 3, 4, 7, 8, 10, 11}),
     Houses({2, 5, 6, 9, 10, 11}), Houses({3, 5, 6, 12})},
    // Venus
    {Houses({1, 2, 3, 4, 5, 8, 9, 11}), Houses({8, 11, 12}), Houses({1, 2, 3, 4, 5, 8, 9, 11, 12}),
     Houses({3, 4, 6, 9, 11, 12}), Houses({3, 5, 6, 9, 11}), Houses({5, 8, 9, 10, 11}),
     Houses({1, 2, 3, 4, 5, 8, 9, 10, 11}), Houses({3, 4, 5, 8, 9, 10, 11})},
    // Saturn
    {Houses({1, 3, 4, 6, 10, 11}), Houses({1, 2, 4, 7, 8, 10, 11}), Houses({3, 6, 11}),
     Houses({3, 5, 6, 10, 11, 12}), Houses({6, 8, 9, 10, 11, 12}), Houses({5, 6, 11, 12}), Houses({6, 11, 12}),
     Houses({3, 5, 6, 11})},
}};

constexpr int RowTotal(int planet) {
  int n = 0;
  for (const std::uint16_t mask : kContribution[planet]) n += CountHouses(mask);
  return n;
}
static_assert(RowTotal(0) == 48 && RowTotal(1) == 49 && RowTotal(2) == 39 && RowTotal(3) == 54 &&
              RowTotal(4) == 56 && RowTotal(5) == 52 && RowTotal(6) == 39);

// Rasi multiplier by sign, Aries..Pisces.
constexpr std::array<std::int32_t, 12> kRasiMultiplier = {7, 10, 8, 4, 10, 5, 7, 8, 9, 5, 11, 12};
// Graha multiplier by planet, Sun..Saturn.
constexpr std::array<std::int32_t, kAshtakavargaPlanets> kGrahaMultiplier = {5, 5, 8, 5, 10, 7, 5};

// Sign pairs of one lord, in the order the ekadhipatya step takes them
// (Aries-Scorpio, Taurus-Libra, Gemini-Virgo, Sagittarius-Pisces,
// Capricorn-Aquarius).
struct SignPair {
  int first;
  int second;
};
constexpr std::array<SignPair, 5> kOneLordPairs = {{{0, 7}, {1, 6}, {2, 5}, {8, 11}, {9, 10}}};

// First four characters of a point name ("Ascd", "Sun ", "Moon", ...).
char LabelChar(int slot, std::size_t i) {
  const std::string_view name = vedic::NameAt(vedic::kPointName, slot);
  return i < name.size() ? name[i] : ' ';
}

void AppendSignHeader(ReportBuffer& out) {
  for (const std::string_view abbreviation : vedic::kSignAbbreviation) out.Appendf("%s ", abbreviation.data());
}

// The pinda block: section 17, and the end of section 3.
void WritePindas(ReportBuffer& out, const AshtakavargaState& a) {
  out.Appendf("Sodya Pindas:\n\n");
  out.Appendf("     RasiP GrahaP SodyaP  Rasi  Nakshatra\n\n");
  for (int p = 0; p < kAshtakavargaPlanets; ++p) {
    const int slot = p + 1;
    out.Appendf("%c%c%c%c  ", LabelChar(slot, 0), LabelChar(slot, 1), LabelChar(slot, 2), LabelChar(slot, 3));
    out.Appendf("%4d   %4d   %4d    %s  %s\n", a.rasiPinda[p], a.grahaPinda[p], a.sodyaPinda[p],
                vedic::NameAt(vedic::kSignAbbreviation, a.sensitiveSign[p]).data(),
                vedic::NameAt(vedic::kNakshatraName, a.sensitiveNakshatra[p]).data());
  }
  out.Appendf("\n");
}

// Section 3: the tables before reduction (a "*" where the planet itself
// stands), after reduction, then the pindas.
void WriteTables(ReportBuffer& out, const AshtakavargaState& a) {
  out.Appendf("\r\nAshtakavarga Tables (before reduction):\n\n      ");
  AppendSignHeader(out);
  for (int p = 0; p < kAshtakavargaPlanets; ++p) {
    const int slot = p + 1;
    out.Appendf("\n%c%c%c%c  ", LabelChar(slot, 0), LabelChar(slot, 1), LabelChar(slot, 2), LabelChar(slot, 3));
    for (int s = 0; s < 12; ++s) {
      if (a.chartSign[slot] == s) {
        out.Appendf("%2d*", a.bindu[p][s]);
      } else {
        out.Appendf("%2d ", a.bindu[p][s]);
      }
    }
  }
  out.Appendf("\nTotal ");
  for (int s = 0; s < 12; ++s) out.Appendf("%2d ", a.bindu[kSarvaRow][s]);
  out.Appendf("\n");

  out.Appendf("\nAshtakavarga Tables (after reduction):\n\n      ");
  AppendSignHeader(out);
  for (int p = 0; p < kAshtakavargaPlanets; ++p) {
    const int slot = p + 1;
    out.Appendf("\n%c%c%c%c  ", LabelChar(slot, 0), LabelChar(slot, 1), LabelChar(slot, 2), LabelChar(slot, 3));
    for (int s = 0; s < 12; ++s) out.Appendf("%2d ", a.reduced[p][s]);
  }
  out.Appendf("\nTotal ");
  for (int s = 0; s < 12; ++s) out.Appendf("%2d ", a.reduced[kSarvaRow][s]);
  out.Appendf("\n\n");
  WritePindas(out, a);
}

// Sections 18 (Sun..Mars) and 19 (Mercury..Saturn): the contributors of
// every bindu, sign by sign.
void WritePrastara(ReportBuffer& out, const AshtakavargaState& a, int firstPlanet, int lastPlanet) {
  for (int p = firstPlanet; p <= lastPlanet; ++p) {
    const int slot = p + 1;
    out.Appendf("%c%c%c%c", LabelChar(slot, 0), LabelChar(slot, 1), LabelChar(slot, 2), LabelChar(slot, 3));
    for (int s = 0; s < 12; ++s) {
      const char* sign = vedic::kSignAbbreviation[s].data();
      if (s == 0) {
        out.Appendf("  %s:", sign);
      } else {
        out.Appendf("      %s:", sign);
      }
      bool first = true;
      for (int c = 0; c < kContributorCount; ++c) {
        const int contributorSlot = kContributorSlot[c];
        const int house = SignIndex(s - a.chartSign[contributorSlot]);  // 0 = own sign
        if ((kContribution[p][c] & (1u << house)) == 0) continue;
        out.Appendf(first ? "  " : ", ");
        out.Appendf("%c%c%c%c", LabelChar(contributorSlot, 0), LabelChar(contributorSlot, 1),
                    LabelChar(contributorSlot, 2), LabelChar(contributorSlot, 3));
        first = false;
      }
      out.Appendf("\n");
    }
    out.Appendf("\n");
  }
}

}  // namespace

AshtakavargaSigns AshtakavargaChartSigns(const ChartState& state, const Settings& settings) {
  AshtakavargaSigns signs{};
  const int choice = state.options.ashtakavargaChart;
  const bool rasi = choice <= kD1 || choice >= kVargaCount;
  for (int slot = 0; slot < static_cast<int>(signs.size()); ++slot) {
    signs[slot] =
        rasi ? SignIndex(state.vedic.rasi[slot])
             : SignIndex(VargaSignOf(static_cast<Varga>(choice), state.slotLongitude[slot],
                                     settings.horaMethod));
  }
  return signs;
}

std::array<SignRow, kAshtakavargaRows> BinduTables(const AshtakavargaSigns& signs) {
  std::array<SignRow, kAshtakavargaRows> bindu{};
  for (int p = 0; p < kAshtakavargaPlanets; ++p) {
    for (int c = 0; c < kContributorCount; ++c) {
      const int from = SignIndex(signs[kContributorSlot[c]]);
      const std::uint16_t mask = kContribution[p][c];
      for (int h = 1; h <= 12; ++h) {
        if ((mask & (1u << (h - 1))) != 0) ++bindu[p][SignIndex(from + h - 1)];
      }
    }
  }
  for (int s = 0; s < 12; ++s) {
    std::int32_t sum = 0;
    for (int p = 0; p < kAshtakavargaPlanets; ++p) sum += bindu[p][s];
    bindu[kSarvaRow][s] = sum;
  }
  return bindu;
}

std::array<bool, 12> OccupiedSigns(const AshtakavargaSigns& signs) {
  std::array<bool, 12> occupied{};
  for (const std::int32_t sign : signs) occupied[SignIndex(sign)] = true;
  return occupied;
}

void ReduceTrikona(SignRow& row) {
  for (int s = 0; s < 4; ++s) {
    std::int32_t& x = row[s];
    std::int32_t& y = row[s + 4];
    std::int32_t& z = row[s + 8];
    const int zeros = (x == 0) + (y == 0) + (z == 0);
    if ((x == y && y == z) || zeros >= 2) {
      x = y = z = 0;
    } else {
      // A single 0 is the smallest value and leaves the triplet unchanged.
      const std::int32_t least = std::min({x, y, z});
      x -= least;
      y -= least;
      z -= least;
    }
  }
}

void ReduceEkadhipatya(SignRow& row, const std::array<bool, 12>& occupied) {
  for (const SignPair& pair : kOneLordPairs) {
    std::int32_t& a = row[pair.first];
    std::int32_t& b = row[pair.second];
    if (a == 0 || b == 0) continue;
    const bool firstOccupied = occupied[pair.first];
    const bool secondOccupied = occupied[pair.second];
    if (!firstOccupied && !secondOccupied) {
      if (a == b) {
        a = b = 0;
      } else {
        a = b = std::min(a, b);
      }
    } else if (firstOccupied && !secondOccupied) {
      b = a < b ? a : 0;
    } else if (!firstOccupied && secondOccupied) {
      a = b < a ? b : 0;
    }
  }
}

void ComputeAshtakavargaFromSigns(AshtakavargaState& result, const AshtakavargaSigns& signs) {
  AshtakavargaState a{};
  for (std::size_t slot = 0; slot < signs.size(); ++slot) a.chartSign[slot] = SignIndex(signs[slot]);
  a.bindu = BinduTables(a.chartSign);

  const std::array<bool, 12> occupied = OccupiedSigns(a.chartSign);
  a.reduced = a.bindu;
  for (SignRow& row : a.reduced) {
    ReduceTrikona(row);
    ReduceEkadhipatya(row, occupied);
  }

  for (int p = 0; p < kAshtakavargaPlanets; ++p) {
    const SignRow& reduced = a.reduced[p];
    std::int32_t rasiPinda = 0;
    for (int s = 0; s < 12; ++s) rasiPinda += reduced[s] * kRasiMultiplier[s];
    std::int32_t grahaPinda = 0;
    for (int c = 0; c < kAshtakavargaPlanets; ++c) {
      const std::int32_t sign = a.chartSign[c + 1];
      grahaPinda += reduced[sign] * kGrahaMultiplier[c];
    }
    const std::int32_t sodya = rasiPinda + grahaPinda;
    a.rasiPinda[p] = rasiPinda;
    a.grahaPinda[p] = grahaPinda;
    a.sodyaPinda[p] = sodya;

    // Sensitive point: the sodya pinda times the planet's own bindus in the
    // eleventh sign from it; a remainder of 0 stands for the last
    // nakshatra (Revathi) and the last sign (Pisces).
    const int eleventh = SignIndex(a.chartSign[p + 1] + 10);
    const long long v = static_cast<long long>(sodya) * a.bindu[p][eleventh];
    a.sensitiveNakshatra[p] = static_cast<std::int32_t>(FloorMod(FloorMod(v, 27) - 1, 27));
    a.sensitiveSign[p] = static_cast<std::int32_t>(FloorMod(FloorMod(v, 12) - 1, 12));
  }
  result = a;
}

void ComputeAshtakavarga(ChartState& state, const Settings& settings) {
  AshtakavargaState& a = state.vedic.strength.ashtakavarga;
  ComputeAshtakavargaFromSigns(a, AshtakavargaChartSigns(state, settings));
}

void WriteAshtakavarga(ChartState& state, const Settings& settings, AshtakavargaText text, ReportBuffer& out) {
  ComputeAshtakavarga(state, settings);
  const AshtakavargaState& a = state.vedic.strength.ashtakavarga;
  out.Clear();
  switch (text) {
    case AshtakavargaText::kTables:
      WriteTables(out, a);
      break;
    case AshtakavargaText::kPindas:
      WritePindas(out, a);
      break;
    case AshtakavargaText::kPrastaraSunToMars:
      out.Appendf("Prastara Ashtakavarga Tables:\n\n");
      WritePrastara(out, a, 0, 2);
      break;
    case AshtakavargaText::kPrastaraMercuryToSaturn:
      WritePrastara(out, a, 3, 6);
      break;
  }
}

}  // namespace orvane
