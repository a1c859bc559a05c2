#include "cli/program_info.h"

#include <cstdio>
#include <fstream>
#include <string_view>

#include "cli/json.h"
#include "report/sections.h"

#ifndef ORVANE_VERSION
#error "ORVANE_VERSION is set by the build from the project version"
#endif

namespace orvane {

namespace {

// The ephemeris engines this build can cast with.
constexpr std::string_view kEphemerisEngines[] = {"classic", "swiss"};

}  // namespace

std::string TzDatabaseVersion() {
  // The compiled zone data carries its release in its first line: "# version 2024a".
  std::ifstream in("/usr/share/zoneinfo/tzdata.zi");
  std::string line;
  if (!in || !std::getline(in, line)) return {};
  constexpr std::string_view kPrefix = "# version ";
  if (!line.starts_with(kPrefix)) return {};
  std::string version = line.substr(kPrefix.size());
  // Only what a release name holds: letters and digits.
  for (char c : version)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return {};
  return version;
}

std::string VersionText() {
  std::string out = "orvane-cli " ORVANE_VERSION "\n";
  out += "ephemeris engines:";
  for (std::string_view engine : kEphemerisEngines) {
    out += ' ';
    out += engine;
  }
  out += '\n';
  const std::string tz = TzDatabaseVersion();
  if (!tz.empty()) out += "time-zone database: " + tz + "\n";
  return out;
}

std::string SectionListText(bool json) {
  if (json) {
    JsonWriter writer;
    writer.BeginArray();
    for (const ReportSectionInfo& s : kReportSections) {
      writer.BeginObject();
      writer.Key("number");
      writer.Int(s.number);
      writer.Key("name");
      writer.String(s.name);
      writer.Key("title");
      writer.String(s.title);
      writer.EndObject();
    }
    writer.EndArray();
    return writer.Text() + "\n";
  }
  std::string out;
  for (const ReportSectionInfo& s : kReportSections) {
    char line[160];
    std::snprintf(line, sizeof line, "%2d  %-23.*s  %.*s\n", s.number, static_cast<int>(s.name.size()), s.name.data(),
                  static_cast<int>(s.title.size()), s.title.data());
    out += line;
  }
  return out;
}

}  // namespace orvane
