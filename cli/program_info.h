// What orvane-cli says about itself: --version and --list-sections.
#pragma once

#include <string>

namespace orvane {

// Program version, ephemeris engines and the time-zone database version,
// one item a line.
std::string VersionText();

// The version line of the system's time-zone database ("2024a"), empty
// when there is none.
std::string TzDatabaseVersion();

// Number, name and title of every report section: one section a line
// (number, name and title in aligned columns), or a JSON array.
std::string SectionListText(bool json);

}  // namespace orvane
