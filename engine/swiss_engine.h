// The Swiss engine: apparent geocentric positions from the Swiss Ephemeris
// library for the chart's universal-time moment (with the library's own
// delta T), the ascendant from its house routine, sidereal by the chosen
// ayanamsa. Where no data file covers a date the library's analytical mode
// takes over, and the cast chains record it.
//
// The library keeps its state (open files, the ephemeris path, the sidereal
// mode, caches of the last positions) per thread: every thread that casts
// sets the path and the sidereal mode in its own copy, each only when it
// changes, and threads cast at once without a lock.
#pragma once

#include <string>

#include "engine/ephemeris_engine.h"

namespace orvane {

// Where the data files are looked for unless the SE_EPHE_PATH environment
// variable names another folder (the Swiss Ephemeris reads it itself).
inline constexpr const char* kSwissDataFolder = "/usr/share/libswe/ephe";

// Where the positions of a Swiss cast came from (CastChains::swissSource).
enum class SwissSource : std::uint8_t {
  kNone = 0,        // no Swiss cast yet
  kFiles = 1,       // the data files
  kAnalytical = 2,  // the analytical mode: no file covered a date
  kOutOfRange = 3,  // not even the analytical mode covered a date: the classic engine stood in
  kDamaged = 4,     // a data file is damaged or not a file: the classic engine stood in, and the
                    // chart is an error (SwissDataProblem names the file)
};

// What is wrong with the Swiss Ephemeris' data files as this thread's last
// cast found it ("" when nothing is): a data file in the folder searched
// that is not a regular file (a named pipe would block the library for
// ever), is empty or is not a Swiss Ephemeris file, or one that the library
// found damaged while reading it. Set with SwissSource::kDamaged.
std::string SwissDataProblem();

// Points this thread's Swiss Ephemeris at its data files (as a cast does)
// for the library's other functions; "" or what is wrong with the files.
std::string PrepareSwissLibrary();

class SwissEngine final : public EphemerisEngine {
 public:
  explicit SwissEngine(std::string dataFolder = kSwissDataFolder);

  EphemerisKind Kind() const override { return EphemerisKind::kSwiss; }
 protected:
  void CastBodies(const CastMoment& moment, const EngineSettings& settings, BodySet wanted, CastChains& chains,
                  CastResult& out) const override;

 public:
  double DateAyanamsa(const EngineSettings& settings, int year, int month, int day,
                      CastChains& chains) const override;
  // "Swiss Ephemeris 2.10.03, files", "... analytical mode (no data file for the date)", ...
  std::string Describe(std::uint8_t swissSource) const override;

  // The library's version ("2.10.03").
  static std::string Version();

 private:
  std::string dataFolder_;
};

}  // namespace orvane
