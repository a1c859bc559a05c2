// The report sections of the start-up default chart (4 April 1970, 17:50,
// 5 h 30 m east, 81 deg 12 min E, 16 deg 15 min N; default settings), each
// compared whole. The expected texts were worked out from the report formats
// and the chart's positions (ascendant 164.874, Sun 350.874, Moon 328.569,
// Mars 26.665, Mercury 3.118, Jupiter 189.763 retrograde, Venus 7.909,
// Saturn 15.099, Rahu 316.890; sunrise 5:59; ayanamsa 23.4432 deg). For
// example the Sun's row of the planet table: 20 deg 52 min of Pisces; in
// Revathi (26) pada 2; third chara karaka by its 20.87 degrees (after the
// Moon's 28.57 and Mars's 26.66); house 7 centred on 344.874, 6.0 deg away,
// so 60%; own tara Sadhana (the sixth lord from Jupiter, the Moon's
// nakshatra lord); tara Vipat (two nakshatras on from the Moon's); lords:
// Jupiter of Pisces, Saturn of its navamsa Capricorn (pada 105 from Aries),
// Mercury of Revathi; sub lord Venus (4.207 deg into Revathi, times nine,
// passes Mercury's 17 and Ketu's 7 years and stops within Venus's 20).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/common/chart_with_report.h"
#include "compute/pipeline.h"

namespace orvane {
namespace {

std::string SectionOfDefaultChart(int section, int textCharts = 0) {
  auto state = std::make_unique<testing_support::ChartWithReport>();
  state->options.textChartRasiNavamsa = textCharts & 1;
  state->options.textChartOthers = (textCharts >> 1) & 1;
  EXPECT_TRUE(ComputeChartFromBirth(*state, Settings{}, {4, 4, 1970, 17.5, -5.30, -81.12, 16.15}, section, &state->report));
  EXPECT_FALSE(state->report.Truncated());
  return std::string(state->report.Text());
}

TEST(DefaultChartReport, BasicInformation) {
  EXPECT_EQ(SectionOfDefaultChart(4),
      "Date of Birth:         April 4, 1970\n"
      "Time of Birth:         5:50:00 pm\n"
      "Time Zone of Birth:    5:30 East of GMT\n"
      "Longitude of Birth:    81 E 12\n"
      "Latitude of Birth:     16 N 15\n"
      "Lunar month (maasa):   Phalguna \n"
      "Lunar day (tithi):     Krishna Chaturdasi\n"
      "Tithi balance:         0.8587\n"
      "Nakshatra balance:     0.3573\n"
      "Sun-Moon Yoga:         Sukla\n"
      "Sun-Moon Karana:       Vishti\n"
      "Vara (weekday):        Saturday\n"
      "\n"
      "Sunrise = 5:59 am (Apparent rise - upper limb)\n"
      "Ayanamsa = 23-26-36\n"
      "Dasa year length chosen = 365.2425 days\n"
      "\n");
}

// The ayanamsa line carries the value's sign, also under one degree.
TEST(AyanamsaLine, KeepsItsSign) {
  struct Case {
    double year;
    const char* line;
  };
  const Case cases[] = {
      {1970, "Ayanamsa = 23-26-33\n"},  // positive
      {300, "Ayanamsa = 00-12-40\n"},    // positive under one degree
      {250, "Ayanamsa = -00-29-24\n"},   // negative under one degree
      {200, "Ayanamsa = -1-10-49\n"},    // negative, a degree and more
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    auto state = std::make_unique<testing_support::ChartWithReport>();
    ASSERT_TRUE(ComputeChartFromBirth(*state, Settings{}, {3, 21, c.year, 12.0, 0, 0, 0}, 4, &state->report));
    EXPECT_NE(state->report.Text().find(c.line), std::string::npos) << state->report.Text();
  }
}

TEST(DefaultChartReport, FullPlanetTable) {
  EXPECT_EQ(SectionOfDefaultChart(5),
      "Planet      Position  Pada        CharaK Resi OwnTara  InTara   Rasi Nava Naks Sub\n"
      "\n"
      "Ascdt       14 Vi 52  Hastha 2        -    -      -     Naidhana  Me   Ve   Mo   Ju\n"
      "Sun         20 Pi 52  Revathi 2       BK  60%  Sadhana  Vipat     Ju   Sa   Me   Ve\n"
      "Moon        28 Aq 34  Poo.Bhaa. 3     AK   9%  Naidhana Janma     Sa   Me   Ju   Ve\n"
      "Mars        26 Ar 39  Bharani 4      AmK  21%  Mitra    Pratyak   Ma   Ma   Ve   Ke\n"
      "Mercury      3 Ar 07  Aswini 1        DK  22%  Vipat    Kshema    Ma   Ma   Ke   Su\n"
      "Jupiter (R)  9 Li 45  Swathi 1        PK  66%  Janma    P.Mitra   Ve   Ju   Rh   Ju\n"
      "Venus        7 Ar 54  Aswini 3        GK  54%  Pratyak  Kshema    Ma   Me   Ke   Ju\n"
      "Saturn      15 Ar 05  Bharani 1       MK  98%  Sampat   Pratyak   Ma   Su   Ve   Ve\n"
      "Rahu        16 Aq 53  Satabhisham 4  PiK  87%  P.Mitra  P.Mitra   Sa   Ju   Rh   Ve\n"
      "Ketu        16 Le 53  Poo.Pha. 2      -   87%  Kshema   Pratyak   Su   Me   Ve   Mo\n"
      "BhavaLg     18 Vi 02  Hastha 3        -   79%    --     Naidhana  Me   Me   Mo   Me\n"
      "HoraLg      15 Pi 42  U.Bhaa. 4       -   94%    --     Sampat    Ju   Ma   Sa   Ju\n"
      "GhatiLg      8 Vi 40  U.Pha. 4        -   59%    --     Sadhana   Me   Ju   Su   Ve\n"
      "Dhooma       4 Le 12  Makha 2         -   29%    --     Kshema    Su   Ve   Ke   Mo\n"
      "Vyati       25 Sc 47  Jyeshtha 3      -   27%    --     Vipat     Ma   Sa   Me   Rh\n"
      "Pari        25 Ta 47  Mrigasira 1     -   27%    --     Mitra     Ve   Su   Ma   Rh\n"
      "I.Chapa      4 Aq 12  Dhanishtha 4    -   29%    --     Mitra     Sa   Ma   Ma   Ve\n"
      "Upaketu     20 Aq 52  Poo.Bhaa. 1     -   60%    --     Janma     Sa   Ma   Ju   Ju\n"
      "Kaala       11 Ta 44  Rohini 1        -   79%    --     Naidhana  Ve   Ma   Mo   Ma\n"
      "Mrityu      24 Ge 55  Punarvasu 2     -   33%    --     Janma     Me   Ve   Ju   Me\n"
      "ArthaPr     15 Cn 46  Pushyami 4      -   94%    --     Sampat    Mo   Ma   Sa   Ju\n"
      "YamaGha      7 Le 12  Makha 3         -   49%    --     Kshema    Su   Me   Ke   Rh\n"
      "Mandi        3 Ar 36  Aswini 2        -   25%    --     Kshema    Ma   Ve   Ke   Su\n"
      "Gulika      19 Pi 33  Revathi 1       -   69%    --     Vipat     Ju   Ju   Me   Ve\n"
      "\n");
}

TEST(DefaultChartReport, ShortPlanetTable) {
  EXPECT_EQ(SectionOfDefaultChart(21),
      "Planet      Position  Pada        CharaK \n"
      "\n"
      "Ascdt       14 Vi 52  Hastha 2        - \n"
      "Sun         20 Pi 52  Revathi 2       BK\n"
      "Moon        28 Aq 34  Poo.Bhaa. 3     AK\n"
      "Mars        26 Ar 39  Bharani 4      AmK\n"
      "Mercury      3 Ar 07  Aswini 1        DK\n"
      "Jupiter (R)  9 Li 45  Swathi 1        PK\n"
      "Venus        7 Ar 54  Aswini 3        GK\n"
      "Saturn      15 Ar 05  Bharani 1       MK\n"
      "Rahu        16 Aq 53  Satabhisham 4  PiK\n"
      "Ketu        16 Le 53  Poo.Pha. 2      - \n"
      "BhavaLg     18 Vi 02  Hastha 3        - \n"
      "HoraLg      15 Pi 42  U.Bhaa. 4       - \n"
      "GhatiLg      8 Vi 40  U.Pha. 4        - \n"
      "Dhooma       4 Le 12  Makha 2         - \n"
      "Vyati       25 Sc 47  Jyeshtha 3      - \n"
      "Pari        25 Ta 47  Mrigasira 1     - \n"
      "I.Chapa      4 Aq 12  Dhanishtha 4    - \n"
      "Upaketu     20 Aq 52  Poo.Bhaa. 1     - \n"
      "Kaala       11 Ta 44  Rohini 1        - \n"
      "Mrityu      24 Ge 55  Punarvasu 2     - \n"
      "ArthaPr     15 Cn 46  Pushyami 4      - \n"
      "YamaGha      7 Le 12  Makha 3         - \n"
      "Mandi        3 Ar 36  Aswini 2        - \n"
      "Gulika      19 Pi 33  Revathi 1       - \n"
      "\n");
}

TEST(DefaultChartReport, DivisionalChartDegrees) {
  EXPECT_EQ(SectionOfDefaultChart(14),
      "\n"
      "\n"
      "             Ascd    Sun     Moon    Mars    Merc    Jupi    Venu    Satu    Rahu    Ketu\n"
      "\n"
      "  D-1        15.1     9.1    28.6    26.7     3.1     9.8     7.9    15.1    16.9    16.9    \n"
      "  D-2         0.3    11.7     2.9     6.7     6.2    19.5    15.8    29.8    26.2    26.2    \n"
      "  D-3        15.4    27.4    25.7    20.0     9.4    29.3    23.7    15.3    20.7    20.7    \n"
      "  D-4        29.5     6.5     5.7    13.3    12.5    20.9    28.4     0.4     7.6     7.6    \n"
      "  D-5        15.6    15.6    22.8    13.3    15.6    18.8     9.5    15.5    24.4    24.4    \n"
      "  D-6        29.2     5.2     8.6    20.0    18.7     1.4    12.5    29.4    18.7    18.7    \n"
      "  D-7        14.1     3.9    20.0     6.7    21.8     8.3     4.6    14.3     1.8     1.8    \n"
      "  D-8         1.0    13.0    11.4    26.7    24.9    18.1     3.3     0.8    15.1    15.1    \n"
      "  D-9        16.1    22.1    17.1     0.0    28.1    27.9    11.2    15.9    28.0    28.0    \n"
      "  D-10        1.3     1.3    14.3    26.6    28.8    22.4    19.1    29.0    11.1    11.1    \n"
      "  D-11       13.6    19.6    14.3     6.7    25.7    12.6    27.0    13.9     5.8     5.8    \n"
      "  D-12       28.5    19.5    17.2    20.0    22.6     2.8    25.1     1.2    22.7    22.7    \n"
      "  D-16        2.0    26.0    22.9     6.6    10.1    23.8     6.5     1.6    29.8    29.8    \n"
      "  D-20        2.5     2.5    28.6     6.7     2.4    15.3    21.8     2.0    22.2    22.2    \n"
      "  D-24       27.0     9.0    25.7    20.0    14.8     5.7     9.8     2.4    14.6    14.6    \n"
      "  D-27       11.6     6.4     8.6     0.1    24.2    23.6    26.5    12.3    24.0    24.0    \n"
      "  D-40        5.1     5.1     2.8    13.4     4.7    29.5    16.4     4.0    15.6    15.6    \n"
      "  D-45        9.3    20.7    25.6     0.1    20.3    19.3     4.1    19.5    20.0    20.0    \n"
      "  D-60       22.4    22.4    25.8    20.1     7.1    14.2     5.5     6.0     6.6     6.6    \n"
      "\n");
}

TEST(DefaultChartReport, VimsopakaDignities) {
  EXPECT_EQ(SectionOfDefaultChart(24),
      "\n"
      "\n"
      "                     Amsa         Shodasa      Sapta\n"
      "\n"
      "    Jupi         Parvatamsa           3           2\n"
      "    Mars         Parijatamsa          2           2\n"
      "    Sun          Parijatamsa          2           1\n"
      "    Moon         Parijatamsa          2           1\n"
      "    Merc         Parijatamsa          2           0\n"
      "    Satu         Parijatamsa          2           0\n"
      "\n");
}

TEST(DefaultChartReport, RasiAndNavamsaTextCharts) {
  EXPECT_EQ(SectionOfDefaultChart(41, 1),
      "\n"
      "+-------------------------------------------------------+\n"
      "|   HL        |  Mer   Mnd  |             |             |\n"
      "|             |             |             |             |\n"
      "|     Glk     |     Ven     |             |             |\n"
      "|             |             |             |             |\n"
      "|        Sun  |  Sat   Mar  |             |             |\n"
      "|-------------|---------------------------|-------------|\n"
      "|             |                           |             |\n"
      "|  Rah        |                           |             |\n"
      "|             |                           |             |\n"
      "|        Moo  |                           |             |\n"
      "|             |                           |             |\n"
      "|-------------|          R A S I          |-------------|\n"
      "|             |                           |             |\n"
      "|             |                           |             |\n"
      "|             |                           |     Ket     |\n"
      "|             |                           |             |\n"
      "|             |                           |             |\n"
      "|-------------|---------------------------|-------------|\n"
      "|             |             |             |   GL        |\n"
      "|             |             |             |             |\n"
      "|             |             |     JupR    |     Asc     |\n"
      "|             |             |             |             |\n"
      "|             |             |             |         BL  |\n"
      "+-------------------------------------------------------+\n"
      "\n"
      "+-------------------------------------------------------+\n"
      "|             |             |             |  Ven        |\n"
      "|   GL        |             |  Mnd        |             |\n"
      "|             |     Mer     |             |      BL     |\n"
      "|        Rah  |             |        Asc  |             |\n"
      "|             |             |             |        Moo  |\n"
      "|-------------|---------------------------|-------------|\n"
      "|             |                           |             |\n"
      "|             |                           |             |\n"
      "|             |                           |             |\n"
      "|             |                           |             |\n"
      "|             |                           |             |\n"
      "|-------------|       N A V A M S A       |-------------|\n"
      "|             |                           |             |\n"
      "|             |                           |             |\n"
      "|     Sun     |                           |     Sat     |\n"
      "|             |                           |             |\n"
      "|             |                           |             |\n"
      "|-------------|---------------------------|-------------|\n"
      "|             |             |             |             |\n"
      "|  JupR       |  Mar        |             |             |\n"
      "|             |             |             |     Ket     |\n"
      "|        Glk  |         HL  |             |             |\n"
      "|             |             |             |             |\n"
      "+-------------------------------------------------------+\n"
      "\n"
      "\n");
}

TEST(DefaultChartReport, TextChartsNeedTheirFlags) {
  EXPECT_EQ(SectionOfDefaultChart(41, 0), "");
  // The other eighteen charts: every line of the square is 57 characters.
  const std::string others = SectionOfDefaultChart(41, 2);
  int charts = 0;
  std::size_t start = 0;
  while (start < others.size()) {
    const std::size_t end = others.find('\n', start);
    const std::size_t length = end - start;
    if (length != 0) {
      EXPECT_EQ(length, 57u) << others.substr(start, length);
    }
    if (others.compare(start, 2, "+-") == 0) ++charts;
    start = end + 1;
  }
  EXPECT_EQ(charts, 2 * 18);
  EXPECT_NE(others.find("|-------------|          H O R A          |-------------|\n"), std::string::npos);
  EXPECT_NE(others.find("|-------------|          D - 6 0          |-------------|\n"), std::string::npos);
  EXPECT_LT(others.find("D - 3 0"), others.find("D - 4 0"));
}

}  // namespace
}  // namespace orvane
