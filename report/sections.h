// The report sections a calculation pass can write: number, a short stable
// name for the command line, and a title. Indexed by section number.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace orvane {

struct ReportSectionInfo {
  int number;
  std::string_view name;   // lower case, words joined by '-'; never changes once published
  std::string_view title;
};

inline constexpr int kReportSectionCount = 43;

inline constexpr std::array<ReportSectionInfo, kReportSectionCount> kReportSections = {{
    {0, "vimsottari", "Vimsottari dasa"},
    {1, "kalachakra", "Kalachakra dasa"},
    {2, "yogini", "Yogini dasa"},
    {3, "ashtakavarga", "Ashtakavarga before and after reduction, with sodya pindas"},
    {4, "basic-info", "Basic information: birth data, panchanga, sunrise, muntha, ayanamsa"},
    {5, "planets", "Planet table"},
    {6, "patyayini", "Patyayini dasa"},
    {7, "mudda", "Mudda dasa"},
    {8, "varsha-yogini", "Varsha Yogini dasas"},
    {9, "natal-patyayini", "Patyayini dasa of the natal chart"},
    {10, "sahams", "Tajaka sahams"},
    {11, "pancha-vargeeya", "Tajaka Pancha Vargeeya Bala"},
    {12, "tajaka-yogas", "Tajaka yogas"},
    {13, "shadbala", "Shadbala and bhava bala"},
    {14, "divisional-degrees", "Degrees in the divisional charts"},
    {15, "mundane-vimsottari", "Vimsottari dasa compressed to the mundane period"},
    {16, "mundane-yogini", "Yogini dasa compressed to the mundane period"},
    {17, "sodya-pindas", "Sodya pindas"},
    {18, "prastara-sun-mars", "Prastara ashtakavarga, Sun to Mars"},
    {19, "prastara-mercury-saturn", "Prastara ashtakavarga, Mercury to Saturn"},
    {20, "kakshya", "Kakshya subdivision of a Vimsottari mahadasa"},
    {21, "planets-short", "Planet table, short"},
    {22, "shadbala-totals", "Shadbala and bhava bala, totals"},
    {23, "chara", "Jaimini Chara dasa"},
    {24, "vimsopaka", "Vimsopaka dignities"},
    {25, "moola", "Moola dasa"},
    {26, "narayana", "Narayana dasa"},
    {27, "sudasa", "Sudasa"},
    {28, "drigdasa", "Drigdasa"},
    {29, "shoola", "Shoola dasa"},
    {30, "dwisaptati-sama", "Dwisaptati Sama dasa"},
    {31, "shat-trimsa-sama", "Shat-Trimsa Sama dasa"},
    {32, "dwadasottari", "Dwadasottari dasa"},
    {33, "chaturasiti-sama", "Chaturasiti Sama dasa"},
    {34, "satabdika", "Satabdika dasa"},
    {35, "shodasottari", "Shodasottari dasa"},
    {36, "panchottari", "Panchottari dasa"},
    {37, "ashtottari", "Ashtottari dasa"},
    {38, "tithi-ashtottari", "Tithi Ashtottari dasa"},
    {39, "shashtihayani", "Shashtihayani dasa"},
    {40, "tithi-yogini", "Tithi Yogini dasa"},
    {41, "text-charts", "Rasi and navamsa charts as text"},
    {42, "antardasas", "Vimsottari antardasas and pratyantardasas"},
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

// Every name is used once.
constexpr bool ReportSectionNamesUnique() {
  for (int i = 0; i < kReportSectionCount; ++i)
    for (int j = i + 1; j < kReportSectionCount; ++j)
      if (kReportSections[i].name == kReportSections[j].name) return false;
  return true;
}
static_assert(ReportSectionNamesUnique());

}  // namespace orvane
