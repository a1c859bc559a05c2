// Pancha Vargeeya Bala (the five-source strength) of Sun..Saturn in a Tajaka
// chart, its classes, and the choice of the year lord (Varsheswara) among
// the five office-bearers of the year.
#include <algorithm>
#include <array>
#include <cmath>

#include "dasa/periods.h"
#include "engine/zodiac.h"
#include "tajaka/tajaka.h"
#include "tajaka/tajaka_rules.h"
#include "vedic/names.h"
#include "vedic/shadbala.h"
#include "vedic/vargas.h"

namespace orvane {

namespace tajaka {

namespace {

using vedic::kSignLord;

// The two camps of the Tajaka relationship, by planet code: friendly inside
// a camp, hostile across. 0 Sun, Moon, Mars, Jupiter; 1 Mercury, Venus,
// Saturn (the nodes take no part; index 0 unused).
constexpr std::array<int, 10> kCamp = {-1, 0, 0, 0, 1, 0, 1, 1, -1, -1};

// Points of the four sign-based sources for their own lord (a friend scores
// half, an enemy a quarter).
constexpr double kKshetraOwn = 30;
constexpr double kHaddaOwn = 15;
constexpr double kDrekkanaOwn = 10;
constexpr double kNavamsaOwn = 5;

// Tri-rashi lords by the ascendant's sign, Aries..Pisces.
constexpr std::array<int, 12> kTriRashiDay = {
    kSun,     kVenus, kSaturn,  kVenus,
    kJupiter, kMoon,  kMercury, kMars,
    kSaturn,  kMars,  kJupiter, kMoon};
constexpr std::array<int, 12> kTriRashiNight = {
    kJupiter, kMoon,  kMercury, kMars,
    kSun,     kVenus, kSaturn,  kVenus,
    kSaturn,  kMars,  kJupiter, kMoon};

// Aspect orbs of Sun..Saturn in degrees (index planet code).
constexpr std::array<double, 8> kOrb = {0, 15, 12, 8, 7, 9, 7, 9};

constexpr std::array<const char*, 5> kClassName = {"Weak", "Ordinary", "Powerful", "Very Strong", "Extraordinary"};


int LordOfSign(int sign) { return kSignLord[static_cast<std::size_t>(vedic::FloorMod(sign, 12))]; }

// 2 when a planet in the 3rd, 5th, 9th or 11th sign from the ascendant lies
// within its orb of the ascendant's degrees, 1 when it lies there beyond the
// orb, 0 in every other sign.
int AspectGrade(int planet, double longitude, double ascendant) {
  const long long h = vedic::FloorMod(SignOf(longitude) - SignOf(ascendant), 12);
  if (h != 2 && h != 4 && h != 8 && h != 10) return 0;
  const double d = std::fabs(DegreesInSign(longitude) - DegreesInSign(ascendant));
  return d <= kOrb[static_cast<std::size_t>(planet)] ? 2 : 1;
}

}  // namespace

double SourcePoints(int planet, int lord, double own) {
  if (planet == lord) return own;
  const bool sameCamp = planet >= 0 && planet <= 9 && lord >= 0 && lord <= 9 &&
                        kCamp[static_cast<std::size_t>(planet)] >= 0 &&
                        kCamp[static_cast<std::size_t>(planet)] == kCamp[static_cast<std::size_t>(lord)];
  return sameCamp ? own / 2 : own / 4;
}

double PanchaVargeeyaOf(int planet, int rasiLord, int haddaLord, int drekkanaLord, int navamsaLord,
                        double uchchaBala) {
  const double kshetra = SourcePoints(planet, rasiLord, kKshetraOwn);
  const double hadda = SourcePoints(planet, haddaLord, kHaddaOwn);
  const double drekkana = SourcePoints(planet, drekkanaLord, kDrekkanaOwn);
  const double navamsa = SourcePoints(planet, navamsaLord, kNavamsaOwn);
  const double uchcha = uchchaBala / 3;
  return (kshetra + uchcha + hadda + drekkana + navamsa) / 4;
}

int PanchaClassOf(double bala) {
  if (bala < 5) return kWeak;
  if (bala < 10) return kOrdinary;
  if (bala < 15) return kPowerful;
  if (bala < 20) return kVeryStrong;
  return kExtraordinary;
}

const char* PanchaClassName(int panchaClass) {
  if (panchaClass < kWeak || panchaClass > kExtraordinary) return "?";
  return kClassName[static_cast<std::size_t>(panchaClass)];
}

int FindVarsheswara(ChartState& state) {
  TajakaState& tj = state.tajaka;
  const SlotArray<double>& L = state.slotLongitude;
  const bool day = state.vedic.dayBirth != 0;
  const int ascendantSign = SignOf(L[kAscendant]);

  // One vote per office held.
  std::array<int, 10> votes{};
  ++votes[LordOfSign(SignOf(L[day ? kSun : kMoon]))];            // din-ratri pati
  ++votes[LordOfSign(SignOf(tj.natalLongitude[kAscendant]))];    // janma lagna pati
  ++votes[LordOfSign(ascendantSign)];                            // varsha lagna pati
  ++votes[LordOfSign(state.vedic.munthaRasi)];                   // muntha pati
  ++votes[(day ? kTriRashiDay : kTriRashiNight)[static_cast<std::size_t>(ascendantSign)]];  // tri-rashi pati
  int most = 0;
  for (int p = kSun; p <= kSaturn; ++p) most = std::max(most, votes[p]);

  std::array<int, 8> grade{};
  for (int p = kSun; p <= kSaturn; ++p) grade[p] = AspectGrade(p, L[p], L[kAscendant]);

  // Passes 1 and 2: the first planet with the most votes, the aspect asked
  // for and at least "Powerful" is chosen; a later planet of a strictly
  // higher class then takes its place.
  auto pass = [&](bool fullAspect) {
    int chosen = 0;
    for (int p = kSun; p <= kSaturn; ++p) {
      if (chosen == 0) {
        const bool aspects = fullAspect ? grade[p] == 2 : grade[p] != 0;
        if (votes[p] == most && aspects && tj.panchaClass[p] > kOrdinary) chosen = p;
      } else if (tj.panchaClass[p] > tj.panchaClass[chosen]) {
        chosen = p;
      }
    }
    return chosen;
  };
  int lord = pass(true);
  if (lord == 0) lord = pass(false);

  // Pass 3: among the aspecting office-bearers, a bala more than 1 above the
  // best so far wins; one within 1 of it leaves no clear winner.
  if (lord == 0) {
    double best = 0;
    int candidate = 0;
    bool winner = false;
    for (int p = kSun; p <= kSaturn; ++p) {
      if (grade[p] == 0 || votes[p] < 1) continue;
      const double bala = tj.panchaBala[p];
      if (bala > best + 1) {
        candidate = p;
        winner = true;
        best = bala;
      } else if (bala >= best - 1) {
        winner = false;
        if (bala > best) {
          candidate = p;
          best = bala;
        }
      }
    }
    lord = (winner && candidate != 0) ? candidate : LordOfSign(SignOf(L[day ? kSun : kMoon]));
  }
  tj.yearLord = lord;
  return lord;
}

}  // namespace tajaka

void PanchaVargeeyaBala(ChartState& state, const Settings&, ReportBuffer* report) {
  const VedicState& v = state.vedic;
  TajakaState& tj = state.tajaka;
  for (int p = kSun; p <= kSaturn; ++p) {
    const double bala = tajaka::PanchaVargeeyaOf(
        p, tajaka::LordOfSign(v.rasi[p]), v.haddaLord[p], tajaka::LordOfSign(v.vargaSign[kD3][p]),
        tajaka::LordOfSign(v.vargaSign[kD9][p]), UchchaBala(p, state.slotLongitude[p]));
    tj.panchaBala[p] = bala;
    tj.panchaClass[p] = tajaka::PanchaClassOf(bala);
    if (report) {
      const char* label = dasa::kDasaLabel[static_cast<std::size_t>(p)];
      report->Appendf("    %c%c%c%c     %05.2f    %s\n", label[0], label[1], label[2], label[3], bala,
                           tajaka::PanchaClassName(tj.panchaClass[p]));
    }
  }
  // The year lord's line ("Varsheswara is ...!") belongs to no report
  // section; the lord is kept in the state instead.
  tajaka::FindVarsheswara(state);
}

}  // namespace orvane
