#include "vedic/vargas.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/common/chart_with_report.h"
#include "compute/pipeline.h"

namespace orvane {
namespace {

enum : int { Ar, Ta, Ge, Cn, Le, Vi, Li, Sc, Sg, Cp, Aq, Pi };

struct VargaCase {
  const char* name;
  Varga varga;
  double longitude;
  int horaMethod;
  int sign;
};

TEST(VargaSign, BoundsAndCountingRules) {
  const VargaCase cases[] = {
      // Hora under each method, at the first and the second half of Aries.
      {"hora CL first half of an odd sign", kD2, 0.0, 0, Le},
      {"hora CL exactly 15 deg is the second half", kD2, 15.0, 0, Cn},
      {"hora CL first half of an even sign", kD2, 30.0, 0, Cn},
      {"hora CL second half of an even sign", kD2, 45.0, 0, Le},
      {"hora zodiac twice", kD2, 15.0, 1, Ta},
      {"hora zodiac twice at the end", kD2, 359.5, 1, Pi},
      {"hora method 2 seventh", kD2, 15.0, 2, Li},
      {"hora method 2 first half", kD2, 14.9, 2, Ar},
      {"hora method 3 third", kD2, 15.0, 3, Ge},
      {"hora method 4 Sun half of Aries", kD2, 0.0, 4, Sc},
      {"hora method 4 Moon half of Aries", kD2, 15.0, 4, Ar},
      {"hora method 4 Moon half of Leo", kD2, 135.0, 4, Cn},
      {"hora method 4 Sun half of Sagittarius", kD2, 240.0, 4, Pi},
      {"hora method 7 behaves as 1", kD2, 15.0, 7, Ta},
      // Drekkana: 10 and 20 degrees begin the second and third parts.
      {"drekkana at 10 deg", kD3, 10.0, 0, Le},
      {"drekkana at 20 deg", kD3, 20.0, 0, Sg},
      {"drekkana just below 10 deg", kD3, 9.999, 0, Ar},
      // Even signs count the trimsamsa and panchamsa from their end.
      {"trimsamsa 27 Taurus", kD30, 57.0, 0, Sc},
      {"panchamsa 27 Taurus", kD5, 57.0, 0, Sc},
      {"trimsamsa start of Taurus (Venus)", kD30, 30.0, 0, Ta},
      // Panchamsa: exactly 6 is Saturn's; 12, 18, 24 stay in the earlier part.
      {"panchamsa 5.999", kD5, 5.999, 0, Ar},
      {"panchamsa 6", kD5, 6.0, 0, Aq},
      {"panchamsa 12", kD5, 12.0, 0, Aq},
      {"panchamsa 18", kD5, 18.0, 0, Sg},
      {"panchamsa 24", kD5, 24.0, 0, Ge},
      {"panchamsa 24.5", kD5, 24.5, 0, Li},
      // Trimsamsa: every bound stays in the earlier part.
      {"trimsamsa 5", kD30, 5.0, 0, Ar},
      {"trimsamsa 10", kD30, 10.0, 0, Aq},
      {"trimsamsa 18", kD30, 18.0, 0, Sg},
      {"trimsamsa 25", kD30, 25.0, 0, Ge},
      {"trimsamsa 25.5", kD30, 25.5, 0, Li},
      // 29 deg 59 min of Pisces.
      {"rudramsa end of Pisces", kD11, 330.0 + 29.0 + 59.0 / 60.0, 0, Pi},
      {"shashtyamsa end of Pisces", kD60, 330.0 + 29.0 + 59.0 / 60.0, 0, Aq},
      {"dwadasamsa end of Aries", kD12, 29.99, 0, Pi},
      // The starting signs of each count.
      {"shashthamsa through the zodiac", kD6, 65.0, 0, Ta},
      {"saptamsa of an even sign starts at the seventh", kD7, 30.0, 0, Sc},
      {"ashtamsa of a fixed sign", kD8, 30.0, 0, Sg},
      {"ashtamsa of a dual sign", kD8, 60.0, 0, Le},
      {"dasamsa of an even sign", kD10, 30.0, 0, Cp},
      {"shodasamsa of a fixed sign", kD16, 30.0, 0, Le},
      {"shodasamsa of a dual sign", kD16, 60.0, 0, Sg},
      {"vimsamsa of a fixed sign", kD20, 30.0, 0, Sg},
      {"vimsamsa of a dual sign", kD20, 60.0, 0, Le},
      {"chaturvimsamsa of an even sign", kD24, 30.0, 0, Cn},
      {"nakshatramsa of an earthy sign", kD27, 30.0, 0, Cn},
      {"nakshatramsa of an airy sign", kD27, 60.0, 0, Li},
      {"nakshatramsa of a watery sign", kD27, 90.0, 0, Cp},
      {"khavedamsa of an even sign", kD40, 30.0, 0, Li},
      {"akshavedamsa of a fixed sign", kD45, 30.0, 0, Le},
      {"akshavedamsa of a dual sign", kD45, 60.0, 0, Sg},
      // The last part of a sign never counts one part too far.
      {"akshavedamsa at the very end of a sign", kD45, 29.999999999999996, 0, Sg},
      // Navamsa at an exact nakshatra boundary agrees with the pada there.
      {"navamsa at the start of Bharani", kD9, 13.333333333333332, 0, Le},
  };
  for (const VargaCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(VargaSignOf(c.varga, c.longitude, c.horaMethod), c.sign);
  }
}

TEST(VargaSign, ZeroAriesIsAriesExceptHoraAndChaturvimsamsa) {
  for (int varga = 0; varga < kVargaCount; ++varga) {
    SCOPED_TRACE("chart " + std::to_string(kVargaDivision[static_cast<std::size_t>(varga)]));
    int expected = Ar;
    if (varga == kD2 || varga == kD24) expected = Le;
    EXPECT_EQ(VargaSignOf(static_cast<Varga>(varga), 0.0, 0), expected);
  }
  EXPECT_EQ(VargaSignOf(kD2, 0.0, 4), Sc);
}

TEST(VargaSign, NavamsaAgreesWithNakshatraAndPadaAtEveryBoundary) {
  for (int part = 0; part < 108; ++part) {
    SCOPED_TRACE("pada boundary " + std::to_string(part));
    const double L = part * 3.3333333333333335;
    const NakshatraPosition p = NakshatraOf(L);
    EXPECT_EQ(VargaSignOf(kD9, L, 0), (4 * p.nakshatra + p.pada) % 12);
  }
}

// A body's degrees in its divisional sign: its place in its part of the
// rasi stretched to a whole sign; the unequal parts of D-5 and D-30 by
// their own lengths, counted from the end of an even sign.
TEST(VargaDegrees, PlaceInThePartStretchedToASign) {
  struct Case {
    const char* name;
    Varga varga;
    double longitude;
    double degrees;
  };
  const Case cases[] = {
      {"rasi", kD1, 45.5, 15.5},
      {"hora, second half", kD2, 20, 10},
      {"navamsa, first part", kD9, 4, 6},
      {"navamsa, last part", kD9, 29.9, 29.1},
      {"navamsa, on a bound", kD9, 30 + 10.0 / 3, 0},
      {"dvadasamsa", kD12, 121, 12},
      {"shashtyamsa", kD60, 0.75, 15},
      {"trimsamsa, odd sign, 5..10", kD30, 7, 12},
      {"trimsamsa, odd sign, 10..18", kD30, 14, 15},
      {"trimsamsa, even sign, from its end: 30 - 7 = 23 in 18..25", kD30, 37, 5.0 / 7.0 * 30},
      {"panchamsa, odd sign, 0..6", kD5, 3, 15},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(DegreesInVarga(c.varga, c.longitude), c.degrees, 1e-9);
  }
  // Always within a sign.
  for (int varga = 0; varga < kVargaCount; ++varga)
    for (double L = 0; L < 360; L += 0.37) {
      const double d = DegreesInVarga(static_cast<Varga>(varga), L);
      EXPECT_GE(d, 0.0);
      EXPECT_LT(d, 30.0);
    }
}

TEST(LordParts, TrimsamsaAndHaddaLords) {
  struct Case {
    const char* name;
    double longitude;
    int trimsamsa;
    int hadda;
  };
  const Case cases[] = {
      {"Aries 0", 0.0, 3, 5},            // Mars; Jupiter
      {"Aries 5.99", 5.99, 7, 5},        // Saturn; Jupiter
      {"Aries exactly 6", 6.0, 7, 6},    // a hadda bound belongs to the next part: Venus
      {"Taurus 0", 30.0, 6, 6},          // Venus (even sign from its end); Venus
      {"Taurus 27", 57.0, 3, 3},         // Mars; Mars
      {"Pisces 27.9", 357.9, 3, 3},      // Mars; Mars
      {"Pisces exactly 28", 358.0, 3, 7},  // Mars; Saturn
      {"Sagittarius 12", 252.0, 5, 6},   // Jupiter; Venus
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TrimsamsaLordOf(c.longitude), c.trimsamsa);
    EXPECT_EQ(HaddaLordOf(c.longitude), c.hadda);
  }
}

// A chart whose Sun and Moon stand at the start of their own signs.
std::unique_ptr<testing_support::ChartWithReport> OwnSignChart() {
  auto state = std::make_unique<testing_support::ChartWithReport>();
  const double longitudes[10] = {200.0, 120.0, 90.0, 45.0, 100.0, 200.0, 250.0, 130.0, 10.0, 190.0};
  for (int slot = 0; slot < 10; ++slot) state->slotLongitude[slot] = longitudes[slot];
  for (int slot = 0; slot < kSlotCount; ++slot) {
    state->vedic.rasi[slot] = SignOf(state->slotLongitude[slot]);
    state->vedic.navamsa[slot] = VargaSignOf(kD9, state->slotLongitude[slot], 0);
  }
  return state;
}

TEST(Vimsopaka, CountsOwnSignsAndOrdersByShodasaThenSapta) {
  auto state = OwnSignChart();
  ComputeVargas(*state, Settings{}, state->vedic);
  const VedicState& v = state->vedic;
  // Sun at 0 Leo: own sign in D-1, D-3, D-2, D-7, D-12 (not D-9, trimsamsa
  // Mars), and in D-10, D-4, D-16, D-24, D-45, D-60.
  EXPECT_EQ(v.saptaCount[1], 5);
  EXPECT_EQ(v.shodasaCount[1], 11);
  // Moon at 0 Cancer: D-1, D-9, D-3, D-2, D-12, then D-4, D-24, D-60.
  EXPECT_EQ(v.saptaCount[2], 5);
  EXPECT_EQ(v.shodasaCount[2], 8);
  EXPECT_EQ(v.dignityOrder[0], 1);
  EXPECT_EQ(v.dignityOrder[1], 2);
  for (int i = 1; i < 7; ++i) {
    SCOPED_TRACE(i);
    const int a = v.dignityOrder[i - 1], b = v.dignityOrder[i];
    const bool ordered = v.shodasaCount[a] > v.shodasaCount[b] ||
                         (v.shodasaCount[a] == v.shodasaCount[b] &&
                          (v.saptaCount[a] > v.saptaCount[b] || (v.saptaCount[a] == v.saptaCount[b] && a < b)));
    EXPECT_TRUE(ordered);
  }
}

TEST(DignityList, NamesEveryCountAndStopsBelowTwo) {
  auto state = std::make_unique<testing_support::ChartWithReport>();
  VedicState& v = state->vedic;
  // Counts above twelve have names of the same width; the list stops at the
  // first planet with a count below two.
  v.dignityOrder = {5, 1, 2, 3, 4, 6, 7};
  v.shodasaCount = {0, 13, 2, 1, 0, 16, 0, 0};
  v.saptaCount = {0, 6, 1, 1, 0, 7, 0, 0};
  WriteDignityList(*state, state->report);
  EXPECT_EQ(std::string(state->report.Text()),
            "\n\n"
            "                     Amsa         Shodasa      Sapta\n\n"
            "    Jupi         Sreevallabha        16           7\n"
            "    Sun          Vidrumamsa          13           6\n"
            "    Moon         Parijatamsa          2           1\n"
            "\n");

  state->report.Clear();
  v.shodasaCount = {0, 1, 1, 1, 1, 1, 1, 1};
  WriteDignityList(*state, state->report);
  EXPECT_EQ(state->report.Text(), "");
}

}  // namespace
}  // namespace orvane
