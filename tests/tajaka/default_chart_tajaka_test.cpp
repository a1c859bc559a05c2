// The Tajaka annual chart of 2026 for the start-up default chart (4 April
// 1970, 17:50, 5 h 30 m east, 81 deg 12 min E, 16 deg 15 min N; default
// settings), through the whole pipeline. Expected rows were worked out from
// the report formats and the chart's positions: natal ascendant 164.874;
// Tajaka moment 5 April 2026, 2:27 am (night); Tajaka ascendant 286.757
// (16.76 Capricorn), Sun 350.874, Moon 202.451, Mars 331.910, Mercury
// 323.131, Jupiter 81.717, Venus 12.182, Saturn 341.804; natal Moon 328.569
// (Poorvabhadra, nakshatra 24).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <memory>
#include <string>

#include "cli/json.h"
#include "compute/pipeline.h"
#include "tests/tajaka/tajaka_fixture.h"

namespace orvane {
namespace {

using testing_support::LinesWith;
using testing_support::MainLines;

const BirthData kDefaultBirth = {4, 4, 1970, 17.5000, -5.30, -81.12, 16.15};

// The Tajaka chart with the text of its section.
struct ChartWithText : ChartState {
  ReportBuffer report{};
};

std::unique_ptr<ChartWithText> TajakaOfDefaultChart(int section, int year = 2026) {
  auto state = std::make_unique<ChartWithText>();
  state->options.tajakaMode = 1;
  state->options.tajakaYear = year;
  EXPECT_TRUE(ComputeChartFromBirth(*state, Settings{}, kDefaultBirth, section, &state->report));
  EXPECT_FALSE(state->report.Truncated());
  return state;
}

std::string SectionText(int section) { return std::string(TajakaOfDefaultChart(section)->report.Text()); }

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

TEST(DefaultTajakaChart, BasicInformationWithMuntha) {
  const std::string text = SectionText(4);
  EXPECT_TRUE(StartsWith(text, "Date of New Year:      April 5, 2026\nTime of New Year:      2:27:")) << text;
  // 164.874 + 30 * (56 mod 12) = 44.874: 14 deg 52 min of Taurus, in the
  // house centred on 46.757 (the 5th), 1.883 deg from its middle.
  EXPECT_NE(text.find("\nMuntha is at 14 Ta 52, in 5th bhava (residential strength is  87%).\n"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("Dasa year length"), std::string::npos);
}

TEST(DefaultTajakaChart, Patyayini) {
  const std::string text = SectionText(6);
  // Mars at 1.91 deg of Pisces opens; Saturn at 11.80 follows; Mercury's
  // 23.13 deg are the total.
  EXPECT_TRUE(StartsWith(text,
                         "\nPatyayini Dasa Fractions:\n\n"
                         "    Mars      1.909612     1.909612\n"
                         "    Satu      9.894734     11.804346\n"))
      << text;
  EXPECT_NE(text.find("\n    TOTAL    23.130682\n\nPatyayini Dasa:\n\nMars 2026-04-05  Satu 2026-04-"),
            std::string::npos)
      << text;
  EXPECT_EQ(MainLines(text.substr(text.find("\nPatyayini Dasa:\n"))).size(), 8u);
}

TEST(DefaultTajakaChart, MuddaAndVarshaYogini) {
  // Nakshatra 24 + 56 years = 80, 26 mod 27: Revati, Mercury. Yogini
  // position (24 + 56 + 4) mod 8 = 4: Mars.
  const std::string mudda = SectionText(7);
  EXPECT_TRUE(StartsWith(mudda, "\nMudda Dasa:\n\nMerc 2026-04-05")) << mudda;
  EXPECT_EQ(MainLines(mudda).size(), 10u);
  const std::string yogini = SectionText(8);
  EXPECT_TRUE(StartsWith(yogini, "\nVarsha Yogini Dasas:\n\nMars 2026-04-05")) << yogini;
  EXPECT_EQ(MainLines(yogini).size(), 9u);
}

TEST(DefaultTajakaChart, Sahams) {
  const std::string text = SectionText(10);
  // By night Punya = Sun - Moon + Asc = 75.180: 15 Ge 10. Gemini's lord
  // Mercury and the eleventh sign's (Aries) lord Mars give 247, 112, 256,
  // 103, 8 and 351 days from 5 April 2026.
  EXPECT_NE(text.find("\n  Punya          15 Ge 10     08-12-2026  26-07-2026  17-12-2026  17-07-2026  13-04-2026  "
                      "22-03-2027\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(LinesWith(text, "-20").size(), 36u);
}

TEST(DefaultTajakaChart, PanchaVargeeyaAndYearLord) {
  const auto state = TajakaOfDefaultChart(11);
  const std::string text(state->report.Text());
  // Sun 20.87 Pisces: Jupiter's sign (friend 15), Mars's hadda (7.5),
  // Scorpio drekkana (Mars, 5), Capricorn navamsa (Saturn, enemy 1.25),
  // uchcha 160.87 / 9 = 17.87: 11.66. Moon 22.45 Libra: Venus (7.5),
  // Venus's hadda (3.75), Gemini drekkana (2.5), Aries navamsa (2.5), uchcha
  // 10.55 / 9 = 1.17: 4.36.
  EXPECT_TRUE(StartsWith(text, "    Sun      11.66    Powerful\n    Moon     04.36    Weak\n")) << text;
  EXPECT_EQ(LinesWith(text, "    ").size(), 7u);
  // Offices by night: Venus (Moon's sign, muntha), Mercury (natal
  // ascendant), Saturn (ascendant), Mars (tri-rashi). No planet with two
  // votes aspects the ascendant; of the aspecting office-bearers Mars
  // (10.62) stands more than 1 above Saturn (6.06).
  EXPECT_EQ(state->tajaka.yearLord, kMars);
}

TEST(DefaultTajakaChart, Yogas) {
  const std::string text = SectionText(12);
  EXPECT_TRUE(StartsWith(text, "Tajaka Yogas:\n\n")) << text;
  // Sun 20.87 Pisces, Jupiter 21.72 Gemini: square, the faster Sun behind.
  EXPECT_NE(text.find("\nPoorna Ithasala:   Sun  and Jupi   by   0.84 deg   (Square)\n"), std::string::npos);
  // Venus 12.18 Aries, Saturn 11.80 Pisces: the faster Venus ahead.
  EXPECT_NE(text.find("\nPoorna Easarpha:   Venu and Satu   by   0.38 deg   (Semi-sextile)\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
}

TEST(DefaultTajakaChart, YearsBeforeBirth) {
  // 1960: ten years before birth, (−10 mod 12) = 2 signs on from the natal
  // ascendant; the dasas start from the year's own moment.
  const auto state = TajakaOfDefaultChart(7, 1960);
  EXPECT_NEAR(state->vedic.munthaLongitude, 224.874, 1e-3);
  // Nakshatra (24 − 10) mod 27 = 14, Swati: Rahu; Yogini (24 − 10 + 4) mod 8
  // = 2: the Sun.
  EXPECT_EQ(state->tajaka.muddaFirstLord, kRahu);
  EXPECT_EQ(state->tajaka.varshaYoginiFirstLord, kSun);
  EXPECT_TRUE(StartsWith(std::string(state->report.Text()), "\nMudda Dasa:\n\nRahu 1960-0"));
}

TEST(DefaultTajakaChart, Json) {
  const auto tajaka = TajakaOfDefaultChart(kNoSection);
  JsonWriter json;
  json.BeginObject();
  WriteTajakaJson(json, *tajaka, Settings{});
  json.EndObject();
  const nlohmann::json t = nlohmann::json::parse(json.Text()).at("tajaka");
  const nlohmann::json& moment = t.at("moment");
  ASSERT_EQ(moment.size(), 4u);
  EXPECT_EQ(moment[0], 2026);
  EXPECT_EQ(moment[1], 4);
  EXPECT_EQ(moment[2], 5);
  EXPECT_NEAR(moment[3].get<double>(), 2.275, 0.005);
  const nlohmann::json& pancha = t.at("pancha_vargeeya");
  ASSERT_EQ(pancha.size(), 7u);  // Sun..Saturn
  EXPECT_NEAR(pancha[0].at("bala").get<double>(), 11.655, 0.005);
  EXPECT_EQ(pancha[0].at("class"), "Powerful");
  EXPECT_NEAR(pancha[1].at("bala").get<double>(), 4.355, 0.005);
  EXPECT_EQ(t.at("year_lord"), "Mars");
  ASSERT_EQ(t.at("sahams").size(), 36u);
  EXPECT_NEAR(t.at("sahams")[0].get<double>(), 75.185, 0.005);
  EXPECT_NEAR(t.at("muntha").get<double>(), 44.875, 0.005);

  auto natal = std::make_unique<ChartState>();
  ASSERT_TRUE(ComputeChartFromBirth(*natal, Settings{}, kDefaultBirth));
  JsonWriter natalJson;
  natalJson.BeginObject();
  WriteTajakaJson(natalJson, *natal, Settings{});
  natalJson.EndObject();
  EXPECT_EQ(natalJson.Text(), "{\"tajaka\":null}");
}

}  // namespace
}  // namespace orvane
