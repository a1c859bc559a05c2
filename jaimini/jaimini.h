// Jaimini's reading of a chart by signs: the signs' aspects on one another
// (rasi drishti), argala and its obstruction, the karakamsa and swamsa, and
// the rasi dasas (Chara, Narayana, Sthira, Shoola, Niryana Shoola, Drig and
// Navamsa), each two levels deep with dates.
//
// Everything reads a JaiminiChart: the signs and degrees of the nine grahas
// in the rasi and the navamsa, the lagna, the atmakaraka and the birth
// moment. JaiminiChartOf takes one from a computed chart; tests build them by
// hand. The rules chosen where schools differ are options, each described in
// docs/jaimini.md with its source.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "compute/chart.h"
#include "engine/body.h"
#include "engine/zodiac.h"

namespace orvane::jaimini {

struct JaiminiChart {
  std::array<Rasi, kGrahaCount> sign{};      // Sun..Ketu in the rasi chart
  std::array<double, kGrahaCount> degrees{};  // degrees travelled in the sign, [0, 30)
  Rasi lagna = Rasi::kAries;
  std::array<Rasi, kGrahaCount> navamsa{};  // Sun..Ketu in the navamsa
  Rasi navamsaLagna = Rasi::kAries;
  Body atmakaraka = Body::kSun;
  // The birth moment as local days (the Gregorian day count of the date plus
  // the clock time as a fraction of a day) and the days of a dasa year.
  double birthDays = 0;
  double yearDays = 365.2425;
};

JaiminiChart JaiminiChartOf(const Chart& chart);

// ---- Signs -------------------------------------------------------------------

enum class Modality { kMovable, kFixed, kDual };
Modality ModalityOf(Rasi sign);
// Odd signs: Aries, Gemini, Leo, Libra, Sagittarius, Aquarius.
bool IsOddSign(Rasi sign);
// Odd-footed (savya) signs: Aries, Taurus, Gemini, Libra, Scorpio,
// Sagittarius; the others are even-footed (apasavya).
bool IsOddFooted(Rasi sign);
// The sign `count` signs on from `from` (1 = the sign itself), forward or
// backward through the zodiac.
Rasi SignFrom(Rasi from, int count, bool forward = true);
// 1..12: the place of `to` counted from `from`, forward or backward.
int CountFrom(Rasi from, Rasi to, bool forward = true);

// The lord of a sign for this chart: Scorpio's (Mars or Ketu) and Aquarius'
// (Saturn or Rahu) decided by the co-lord comparison the arudha padas use.
Body LordOf(const JaiminiChart& chart, Rasi sign);
// The two lords of Scorpio and Aquarius, one for any other sign.
std::vector<Body> LordsOf(Rasi sign);

// The grahas (Sun..Ketu) in a sign.
std::vector<Body> BodiesIn(const JaiminiChart& chart, Rasi sign);

// ---- Rasi drishti ----------------------------------------------------------------

// The three signs a sign aspects: a movable sign the fixed signs but the one
// beside it, a fixed sign the movable signs but the one beside it, a dual
// sign the other three dual signs; in zodiacal order from the sign.
std::array<Rasi, 3> AspectedSigns(Rasi sign);
bool Aspects(Rasi from, Rasi to);

// The stronger of two signs, for the dasas that start from one of a pair
// (the lagna and the seventh, the second and the eighth). The first rule that
// separates them decides: more grahas in the sign; more of Jupiter, Mercury
// and the sign's lord joining or aspecting it (rasi drishti); more grahas
// exalted there; dual over fixed over movable; the lord further into its
// sign. Equal in all: the first.
Rasi StrongerSign(const JaiminiChart& chart, Rasi a, Rasi b);

// ---- Argala ------------------------------------------------------------------

// One argala on a sign: the grahas in the `house`th sign from it intervene,
// those in the `obstructionHouse`th obstruct. The argala stands when the
// intervening grahas outnumber the obstructing ones. House 3 with two or
// more malefics (Sun, Mars, Saturn, Rahu, Ketu) is the malefics' argala,
// obstructed from the 11th.
struct Argala {
  int house = 0;
  int obstructionHouse = 0;
  std::vector<Body> by;
  std::vector<Body> obstructedBy;
  bool stands = false;
};
// The argalas on `sign`: houses 2, 4, 11 and 5, and 3 when malefics give it;
// only houses with grahas in them.
std::vector<Argala> ArgalasOn(const JaiminiChart& chart, Rasi sign);

// ---- Karakamsa and swamsa ------------------------------------------------------

// The karakamsa: the atmakaraka's navamsa sign. Houses are counted from it in
// the rasi chart (the karakamsa lagna) and in the navamsa (the swamsa).
struct Karakamsa {
  Body atmakaraka = Body::kSun;
  Rasi sign = Rasi::kAries;
  std::array<int, kGrahaCount> rasiHouse{};     // 1..12 from the karakamsa in the rasi chart
  std::array<int, kGrahaCount> navamsaHouse{};  // 1..12 from the karakamsa in the navamsa
  int lagnaRasiHouse = 1;                       // the lagna from the karakamsa
  int navamsaLagnaHouse = 1;                    // the navamsa lagna from the karakamsa
};
Karakamsa KarakamsaOf(const JaiminiChart& chart);

// ---- Rasi dasas ----------------------------------------------------------------

enum class RasiDasa { kChara, kNarayana, kSthira, kShoola, kNiryanaShoola, kDrig, kNavamsa };
inline constexpr int kRasiDasaCount = 7;
std::string_view RasiDasaName(RasiDasa dasa);  // "Chara", "Narayana", ...
std::string_view RasiDasaKey(RasiDasa dasa);   // "chara", "narayana", ..., "niryana-shoola"
std::optional<RasiDasa> RasiDasaNamed(std::string_view key);

// Which way the Chara dasa runs from the lagna.
enum class CharaDirection {
  kNinthFootedness,  // forward when the ninth from the lagna is odd-footed (K. N. Rao)
  kLagnaOddEven,     // forward when the lagna is an odd sign
};

struct RasiDasaOptions {
  CharaDirection charaDirection = CharaDirection::kNinthFootedness;
  // Periods two cycles long (the second cycle's years are 12 less the
  // first's); false: one cycle of twelve.
  bool secondCycle = true;
};

struct RasiPeriod {
  Rasi sign = Rasi::kAries;
  double years = 0;
  double startDays = 0;  // local days, as JaiminiChart::birthDays
  double endDays = 0;
  std::vector<RasiPeriod> subPeriods;  // the twelve antardasas (empty at the second level)
};

struct RasiDasaResult {
  RasiDasa dasa = RasiDasa::kChara;
  Rasi start = Rasi::kAries;  // the first dasa's sign
  bool forward = true;        // the main periods' direction
  std::vector<RasiPeriod> periods;
};

// The dasa's main periods from birth, each with its twelve antardasas.
RasiDasaResult ComputeRasiDasa(const JaiminiChart& chart, RasiDasa dasa, const RasiDasaOptions& options = {});

// The years a sign gives in the Chara, Narayana and Drig dasas: counted from
// the sign to its lord's sign (forward from an odd-footed sign, backward from
// an even-footed one), less one; 12 with the lord in the sign; one more with
// the lord exalted, one less debilitated.
int SignYears(const JaiminiChart& chart, Rasi sign);

// The Brahma graha the Sthira dasa starts from: of the lords of the sixth,
// eighth and twelfth from the stronger of the lagna and the seventh (Saturn,
// Rahu and Ketu set aside), the strongest in an odd sign in houses 7..12;
// failing that, in an odd sign; failing that, any of them.
Body BrahmaGraha(const JaiminiChart& chart);

}  // namespace orvane::jaimini
