// The ten poruthams of South Indian matching, each rule on pairs of Moons
// chosen to fall on either side of it.
#include "match/porutham.h"

#include <gtest/gtest.h>

namespace orvane::match {
namespace {

// A Moon in nakshatra n (0 Ashwini .. 26 Revati), in the sign of its first
// pada unless given.
MoonPoint Moon(int nakshatra, int sign = -1) {
  MoonPoint p;
  p.nakshatra = nakshatra;
  p.sign = sign >= 0 ? sign : nakshatra * 4 / 9;
  return p;
}

TEST(Porutham, EachRuleOnEitherSide) {
  struct Case {
    const char* what;
    MoonPoint groom, bride;
    Porutham porutham;
    Agreement agreement;
  };
  using A = Agreement;
  const Case cases[] = {
      // Dina: the groom's star counted from the bride's, mod 9.
      {"Dina: the 2nd star", Moon(1), Moon(0), kDinaPorutham, A::kYes},
      {"Dina: the 3rd star", Moon(2), Moon(0), kDinaPorutham, A::kNo},
      {"Dina: the 9th star (remainder 0)", Moon(8), Moon(0), kDinaPorutham, A::kYes},
      {"Dina: the 27th star", Moon(26), Moon(0), kDinaPorutham, A::kYes},
      {"Dina: one star, Rohini", Moon(3), Moon(3), kDinaPorutham, A::kYes},
      {"Dina: one star, Ashwini", Moon(0), Moon(0), kDinaPorutham, A::kNo},
      // Gana: Ashwini Deva, Bharani Manushya, Krittika Rakshasa.
      {"Gana: Deva and Deva", Moon(0), Moon(4), kGanaPorutham, A::kYes},
      {"Gana: Deva and Manushya", Moon(0), Moon(1), kGanaPorutham, A::kPartly},
      {"Gana: Manushya and Rakshasa", Moon(1), Moon(2), kGanaPorutham, A::kNo},
      // Mahendra: 4, 7, 10, ... 25.
      {"Mahendra: the 4th", Moon(3), Moon(0), kMahendraPorutham, A::kYes},
      {"Mahendra: the 25th", Moon(24), Moon(0), kMahendraPorutham, A::kYes},
      {"Mahendra: the 1st", Moon(0), Moon(0), kMahendraPorutham, A::kNo},
      {"Mahendra: the 5th", Moon(4), Moon(0), kMahendraPorutham, A::kNo},
      // Stree Deergha: beyond 13 agrees, beyond 7 in part.
      {"Stree Deergha: the 14th", Moon(13), Moon(0), kStreeDeerghaPorutham, A::kYes},
      {"Stree Deergha: the 9th", Moon(8), Moon(0), kStreeDeerghaPorutham, A::kPartly},
      {"Stree Deergha: the 7th", Moon(6), Moon(0), kStreeDeerghaPorutham, A::kNo},
      // Yoni: Ashwini horse and Shatabhisha horse; Ashwini horse and Hasta buffalo (enemies).
      {"Yoni: the same animal", Moon(0), Moon(23), kYoniPorutham, A::kYes},
      {"Yoni: horse and buffalo", Moon(0), Moon(12), kYoniPorutham, A::kNo},
      // Rasi: the groom's sign from the bride's.
      {"Rasi: the same sign", Moon(0, 0), Moon(1, 0), kRasiPorutham, A::kYes},
      {"Rasi: the 7th", Moon(0, 6), Moon(1, 0), kRasiPorutham, A::kYes},
      {"Rasi: the 6th", Moon(0, 5), Moon(1, 0), kRasiPorutham, A::kNo},
      {"Rasi: the 2nd", Moon(0, 1), Moon(1, 0), kRasiPorutham, A::kNo},
      // Rasi Adhipati: Aries (Mars) and Leo (Sun) friends; Taurus (Venus) and Leo (Sun) enemies.
      {"Rasi Adhipati: Mars and Sun", Moon(0, 0), Moon(10, 4), kRasiAdhipatiPorutham, A::kYes},
      {"Rasi Adhipati: Venus and Sun", Moon(3, 1), Moon(10, 4), kRasiAdhipatiPorutham, A::kNo},
      // Vasya: Aries holds Leo; Leo does not hold Aries, nor Gemini Aries.
      {"Vasya: Aries over Leo", Moon(0, 0), Moon(10, 4), kVasyaPorutham, A::kYes},
      {"Vasya: Gemini and Aries", Moon(5, 2), Moon(0, 0), kVasyaPorutham, A::kNo},
      // Rajju: Ashwini and Magha both Pada; Ashwini and Bharani differ.
      {"Rajju: both Pada", Moon(0), Moon(9), kRajjuPorutham, A::kNo},
      {"Rajju: Pada and Kati", Moon(0), Moon(1), kRajjuPorutham, A::kYes},
      // Vedha: Ashwini and Jyeshtha pierce each other, either way round; Chitra and Dhanishta too.
      {"Vedha: Ashwini and Jyeshtha", Moon(0), Moon(17), kVedhaPorutham, A::kNo},
      {"Vedha: Jyeshtha and Ashwini", Moon(17), Moon(0), kVedhaPorutham, A::kNo},
      {"Vedha: Chitra and Dhanishta", Moon(13), Moon(22), kVedhaPorutham, A::kNo},
      {"Vedha: Ashwini and Bharani", Moon(0), Moon(1), kVedhaPorutham, A::kYes},
  };
  for (const Case& c : cases) {
    const PoruthamMatch m = MatchPoruthams(c.groom, c.bride);
    const PoruthamResult& r = m.poruthams[static_cast<std::size_t>(c.porutham)];
    EXPECT_EQ(r.porutham, c.porutham) << c.what;
    EXPECT_EQ(r.agreement, c.agreement) << c.what << ": " << r.reason;
  }
}

TEST(Porutham, RajjuGroupsAndTheCount) {
  // The five rajjus as almanacs list them.
  const std::array<std::vector<int>, 5> groups = {{
      {0, 8, 9, 17, 18, 26},    // Pada
      {1, 7, 10, 16, 19, 25},   // Kati
      {2, 6, 11, 15, 20, 24},   // Nabhi
      {3, 5, 12, 14, 21, 23},   // Kanta
      {4, 13, 22},              // Siro
  }};
  for (std::size_t r = 0; r < groups.size(); ++r) {
    for (const int n : groups[r]) EXPECT_EQ(RajjuOf(n), static_cast<int>(r)) << n;
  }
  // Count and score agree with the rows; a failed Rajju is flagged.
  const PoruthamMatch m = MatchPoruthams(Moon(0), Moon(9));
  int yes = 0;
  double score = 0;
  for (const PoruthamResult& p : m.poruthams) {
    yes += p.agreement == Agreement::kYes;
    score += p.agreement == Agreement::kYes ? 1 : p.agreement == Agreement::kPartly ? 0.5 : 0;
  }
  EXPECT_EQ(m.agreeing, yes);
  EXPECT_DOUBLE_EQ(m.score, score);
  EXPECT_TRUE(m.rajjuOrVedha);
}

}  // namespace
}  // namespace orvane::match
