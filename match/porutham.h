// The ten poruthams of South Indian matching, read from the two Moons (the
// groom's first). Each porutham agrees, agrees in part or does not, with
// the reason; Rajju and Vedha are the ones whose failure the tradition does
// not pass over.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "match/matching.h"

namespace orvane::match {

enum Porutham : int {
  kDinaPorutham,
  kGanaPorutham,
  kMahendraPorutham,
  kStreeDeerghaPorutham,
  kYoniPorutham,
  kRasiPorutham,
  kRasiAdhipatiPorutham,
  kVasyaPorutham,
  kRajjuPorutham,
  kVedhaPorutham,
  kPoruthamCount,
};
inline constexpr std::array<std::string_view, kPoruthamCount> kPoruthamName = {
    "Dina", "Gana", "Mahendra", "Stree Deergha", "Yoni", "Rasi", "Rasi Adhipati", "Vasya", "Rajju", "Vedha"};

enum class Agreement : int { kNo, kPartly, kYes };
std::string_view AgreementText(Agreement agreement);  // "no", "partly", "yes"

struct PoruthamResult {
  Porutham porutham = kDinaPorutham;
  Agreement agreement = Agreement::kNo;
  std::string reason;  // "the 14th star from the bride's: 14 mod 9 is 5"
};

struct PoruthamMatch {
  std::array<PoruthamResult, kPoruthamCount> poruthams{};
  int agreeing = 0;       // poruthams that agree (a part counted as half in `score`)
  double score = 0;       // out of 10
  bool rajjuOrVedha = false;  // Rajju or Vedha fails
};

PoruthamMatch MatchPoruthams(const MoonPoint& groom, const MoonPoint& bride);

// The poruthams as report text, one line each, then the count.
void WritePoruthamReport(ReportBuffer& out, const PoruthamMatch& match);

// The rajju (0 Pada, 1 Kati, 2 Nabhi, 3 Kanta, 4 Siro) of a nakshatra 0..26.
int RajjuOf(int nakshatra);
inline constexpr std::array<std::string_view, 5> kRajjuName = {"Pada", "Kati", "Nabhi", "Kanta", "Siro"};

}  // namespace orvane::match
