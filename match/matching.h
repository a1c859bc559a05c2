// Ashtakoota (Guna Milan) matching of two charts from their Moons, and the
// Manglik (Kuja) dosha of a chart.
//
// Matching reads, of each chart, the Moon's sidereal longitude (sign, the
// half of the sign, nakshatra and pada follow from it); the first chart is
// the groom's and the second the bride's, as the tradition orders them. The
// Manglik check reads the signs of the ascendant, Moon, Mars, Jupiter and
// Venus. Nothing here depends on anything but its arguments.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "compute/chart.h"
#include "match/koota_tables.h"
#include "report/report_buffer.h"

namespace orvane::match {

// The Moon of one chart as matching reads it.
struct MoonPoint {
  int sign = 0;       // 0..11
  int half = 0;       // 0 below 15 degrees of the sign, 1 from 15 on
  int nakshatra = 0;  // 0..26
  int pada = 0;       // 0..3
};
// The Moon point of a sidereal longitude (degrees; any finite value).
MoonPoint MoonPointOf(double longitude);

enum Koota : int { kVarnaKoota, kVashyaKoota, kTaraKoota, kYoniKoota, kMaitriKoota, kGanaKoota, kBhakootKoota, kNadiKoota, kKootaCount };
inline constexpr std::array<std::string_view, kKootaCount> kKootaName = {
    "Varna", "Vashya", "Tara", "Yoni", "Graha Maitri", "Gana", "Bhakoot", "Nadi"};
// The most points each koota gives; 36 in all.
inline constexpr std::array<double, kKootaCount> kKootaMaximum = {1, 2, 3, 4, 5, 6, 7, 8};

// One koota of a pair: the attribute of each chart (an index into the name
// table of the koota: Varna, Vashya, Tara, Yoni, Lord, Gana, the sign counted
// 0..11, Nadi) and the points.
struct KootaScore {
  Koota koota = kVarnaKoota;
  int groom = 0;
  int bride = 0;
  double points = 0;
};
// The name of a koota attribute as the report shows it.
std::string_view AttributeName(Koota koota, int attribute);

KootaScore ScoreKoota(Koota koota, const MoonPoint& groom, const MoonPoint& bride,
                      const KootaTables& tables = kGunaMilanTables);

// The classical exceptions that cancel a Nadi or Bhakoot dosha; each one, when
// it applies, gives the koota its full points in the total with exceptions.
enum class MatchException : int {
  kNadiSameNakshatraOtherPada,   // one nakshatra, different padas
  kNadiSameNakshatraOtherSign,   // one nakshatra spanning two signs, the Moons in different signs
  kNadiSameSignOtherNakshatra,   // one Moon sign, different nakshatras
  kNadiLordsFriendly,            // the Moon-sign lords the same or mutual friends
  kBhakootLordsFriendly,         // the Moon-sign lords the same or mutual friends
};
struct AppliedException {
  MatchException exception;
  Koota koota;
  std::string_view text;
};

struct MatchResult {
  MoonPoint groom, bride;
  std::array<KootaScore, kKootaCount> kootas{};
  std::vector<AppliedException> exceptions;  // those that cancel a dosha present
  double total = 0;                // out of 36, no exception applied
  double totalWithExceptions = 0;  // the cancelled doshas given their full points
};

MatchResult MatchMoons(const MoonPoint& groom, const MoonPoint& bride, const KootaTables& tables = kGunaMilanTables);

// The lords of two Moon signs are the same planet or friends both ways.
bool LordsSameOrFriendly(int groomSign, int brideSign, const KootaTables& tables = kGunaMilanTables);

// ---- Manglik (Kuja) dosha --------------------------------------------------

// The references Mars is counted from.
enum ManglikReference : int { kFromAscendant, kFromMoon, kFromVenus, kReferenceCount };
inline constexpr std::array<std::string_view, kReferenceCount> kReferenceName = {"the ascendant", "the Moon", "Venus"};

// Houses (1..12) from a reference that give the dosha.
inline constexpr std::array<int, 6> kManglikHouses = {1, 2, 4, 7, 8, 12};

enum class ManglikCancellation : int {
  kOwnSign,       // Mars in Aries or Scorpio
  kExalted,       // Mars in Capricorn
  kSignInHouse,   // Mars in a sign that frees that house (counted from the reference)
  kWithJupiter,   // Mars and Jupiter in one sign
  kBothManglik,   // both charts of a match have the dosha (a match-level cancellation)
};

struct ManglikSigns {
  int ascendant = 0, moon = 0, venus = 0, mars = 0, jupiter = 0;  // signs 0..11
};
ManglikSigns ManglikSignsOf(const Chart& chart);

struct ManglikReferenceResult {
  int house = 0;         // 1..12, Mars counted from the reference
  bool dosha = false;    // house among kManglikHouses
  bool cancelled = false;  // a cancellation frees this reference
};
struct ManglikResult {
  std::array<ManglikReferenceResult, kReferenceCount> reference{};
  std::vector<ManglikCancellation> cancellations;  // those that apply to a dosha present
  bool manglik = false;    // the dosha from at least one reference
  bool cancelled = false;  // every reference with the dosha is freed
};
ManglikResult CheckManglik(const ManglikSigns& signs);
std::string_view CancellationText(ManglikCancellation cancellation);

// Adds the both-Manglik cancellation to both results when both charts have
// the dosha (and mark them cancelled).
void ApplyBothManglik(ManglikResult& groom, ManglikResult& brideResult);

// ---- The whole report ------------------------------------------------------

struct ChartMatch {
  MatchResult moons;
  ManglikResult groomManglik, brideManglik;
};
ChartMatch MatchCharts(const Chart& groom, const Chart& bride);

// The report text; the names head it ("Groom: ...").
void WriteMatchReport(ReportBuffer& out, const ChartMatch& match, std::string_view groomName,
                      std::string_view brideName);

}  // namespace orvane::match
