// The report sections a calculation pass can write: number, a short stable
// name for the command line, and a title. Indexed by section number.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

struct ReportSectionInfo {
  int number;
  std::string_view name;   // lower case, words joined by '-'; never changes once published
  std::string_view title;
};

inline constexpr int kReportSectionCount = 44;

// The report sections by name, in the order of their numbers (the number is
// the enumerator's value): what the section-writer table is keyed by.
enum class ReportSection : std::uint8_t {
  kVimsottari,
  kKalachakra,
  kYogini,
  kAshtakavarga,
  kBasicInfo,
  kPlanets,
  kPatyayini,
  kMudda,
  kVarshaYogini,
  kNatalPatyayini,
  kSahams,
  kPanchaVargeeya,
  kTajakaYogas,
  kShadbala,
  kDivisionalDegrees,
  kMundaneVimsottari,
  kMundaneYogini,
  kSodyaPindas,
  kPrastaraSunMars,
  kPrastaraMercurySaturn,
  kKakshya,
  kPlanetsShort,
  kShadbalaTotals,
  kChara,
  kVimsopaka,
  kMoola,
  kNarayana,
  kSudasa,
  kDrigdasa,
  kShoola,
  kDwisaptatiSama,
  kShatTrimsaSama,
  kDwadasottari,
  kChaturasitiSama,
  kSatabdika,
  kShodasottari,
  kPanchottari,
  kAshtottari,
  kTithiAshtottari,
  kShashtihayani,
  kTithiYogini,
  kTextCharts,
  kAntardasas,
  kYogas,
};
constexpr int ToInt(ReportSection section) { return static_cast<int>(section); }


inline constexpr std::array<ReportSectionInfo, kReportSectionCount> kReportSections = {{
    {0, "vimsottari", "Vimsottari Dasa"},
    {1, "kalachakra", "Kalachakra Dasa"},
    {2, "yogini", "Yogini Dasa"},
    {3, "ashtakavarga", "Ashtakavarga Tables and Sodya Pindas"},
    {4, "basic-info", "Basic Information"},
    {5, "planets", "Planet Table"},
    {6, "patyayini", "Patyayini Dasa"},
    {7, "mudda", "Mudda Dasa"},
    {8, "varsha-yogini", "Varsha Yogini Dasas"},
    {9, "natal-patyayini", "Patyayini Dasa of the Natal Chart"},
    {10, "sahams", "Tajaka Sahams"},
    {11, "pancha-vargeeya", "Tajaka Pancha Vargeeya Bala"},
    {12, "tajaka-yogas", "Tajaka Yogas"},
    {13, "shadbala", "Shadbalas and Bhava Balas"},
    {14, "divisional-degrees", "Degrees in the Divisional Charts"},
    {15, "mundane-vimsottari", "Vimsottari Dasa of a Mundane Chart"},
    {16, "mundane-yogini", "Yogini Dasa of a Mundane Chart"},
    {17, "sodya-pindas", "Sodya Pindas"},
    {18, "prastara-sun-mars", "Prastara Ashtakavarga Tables, Sun to Mars"},
    {19, "prastara-mercury-saturn", "Prastara Ashtakavarga Tables, Mercury to Saturn"},
    {20, "kakshya", "Kakshyas of a Vimsottari Mahadasa"},
    {21, "planets-short", "Planet Table, Short"},
    {22, "shadbala-totals", "Shadbalas and Bhava Balas, Totals"},
    {23, "chara", "Jaimini Chara Dasa"},
    {24, "vimsopaka", "Vimsopaka Dignities"},
    {25, "moola", "Moola Dasa"},
    {26, "narayana", "Narayana Dasa"},
    {27, "sudasa", "Sudasa"},
    {28, "drigdasa", "Drigdasa"},
    {29, "shoola", "Shoola Dasa"},
    {30, "dwisaptati-sama", "Dwisaptati Sama Dasa"},
    {31, "shat-trimsa-sama", "Shat-Trimsa Sama Dasa"},
    {32, "dwadasottari", "Dwadasottari Dasa"},
    {33, "chaturasiti-sama", "Chaturasiti Sama Dasa"},
    {34, "satabdika", "Satabdika Dasa"},
    {35, "shodasottari", "Shodasottari Dasa"},
    {36, "panchottari", "Panchottari Dasa"},
    {37, "ashtottari", "Ashtottari Dasa"},
    {38, "tithi-ashtottari", "Tithi Ashtottari Dasa"},
    {39, "shashtihayani", "Shashtihayani Dasa"},
    {40, "tithi-yogini", "Tithi Yogini Dasa"},
    {41, "text-charts", "Rasi and Navamsa Charts"},
    {42, "antardasas", "Vimsottari Antardasas and Pratyantardasas"},
    {43, "yogas", "Yogas"},
}};

// The number of the section called `name` (exact, lower case), if any.
constexpr std::optional<int> FindReportSection(std::string_view name) {
  for (const ReportSectionInfo& s : kReportSections)
    if (s.name == name) return s.number;
  return std::nullopt;
}

// The table is indexed by number.
constexpr bool ReportSectionsInOrder() {
  for (int i = 0; i < kReportSectionCount; ++i)
    if (kReportSections[i].number != i) return false;
  return true;
}
static_assert(ReportSectionsInOrder());
static_assert(ToInt(ReportSection::kYogas) == kReportSectionCount - 1);
static_assert(kReportSections[ToInt(ReportSection::kTextCharts)].name == "text-charts");
static_assert(kReportSections[ToInt(ReportSection::kPlanetsShort)].name == "planets-short");

// Every name is used once.
constexpr bool ReportSectionNamesUnique() {
  for (int i = 0; i < kReportSectionCount; ++i)
    for (int j = i + 1; j < kReportSectionCount; ++j)
      if (kReportSections[i].name == kReportSections[j].name) return false;
  return true;
}
static_assert(ReportSectionNamesUnique());

}  // namespace orvane
