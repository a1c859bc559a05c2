#include "engine/swiss_engine.h"

#include <fcntl.h>
#include <swephexp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calendar.h"
#include "engine/classic_engine.h"

namespace orvane {

namespace {

// The library's body numbers in Body order (-1: derived, not cast).
constexpr std::array<int, kBodyCount> kSwissBody = {
    SE_SUN, SE_MOON, SE_MARS, SE_MERCURY, SE_JUPITER, SE_VENUS, SE_SATURN, SE_MEAN_NODE, -1, SE_URANUS, SE_NEPTUNE, SE_PLUTO,
};

// The library's own ayanamsa for each choice of the preference; -1 where the
// choice is an offset from Lahiri (Deva-datta, the custom value) or none.
constexpr std::array<int, kAyanamsaChoiceCount> kSiderealMode = {
    SE_SIDM_LAHIRI,        // Chitrapaksha
    SE_SIDM_RAMAN,         // Raman
    -1,                    // Deva-datta: the classic offset from Lahiri
    SE_SIDM_KRISHNAMURTI,  // Krishnamurti
    SE_SIDM_USHASHASHI,    // Usha-Shashi
    SE_SIDM_FAGAN_BRADLEY, // Fagan/Bradley
    -1,                    // tropical
    -1,                    // custom: the offset from Lahiri
    SE_SIDM_KRISHNAMURTI_VP291,  // KP (new)
};

// An offset beyond +-1000 arc-minutes stands for the tropical zodiac, as in
// the classic engine.
bool IsTropical(const EngineSettings& settings) {
  return !(settings.ayanamsaOffset >= -1000 && settings.ayanamsaOffset <= 1000);
}

// The sidereal frame of a cast: the library's mode and the degrees still to
// subtract from its sidereal longitudes.
struct Frame {
  bool sidereal = true;
  int mode = SE_SIDM_LAHIRI;
  double extraDegrees = 0;
};

Frame FrameOf(const EngineSettings& settings) {
  Frame f;
  if (IsTropical(settings)) {
    f.sidereal = false;
    return f;
  }
  const int choice = kSiderealMode[static_cast<std::size_t>(settings.ayanamsa) % kSiderealMode.size()];
  if (choice >= 0) {
    f.mode = choice;
  } else {
    f.mode = SE_SIDM_LAHIRI;
    f.extraDegrees = settings.ayanamsaOffset / 60.0;  // a larger ayanamsa: smaller longitudes
  }
  return f;
}

// What this thread last set in the library. The library keeps its state
// (open files, the ephemeris path, the sidereal mode, caches of the last
// positions) per thread, so what was set on one thread says nothing of
// another: each thread sets the path and the mode for itself, and closes its
// files when it ends.
struct ThreadLibrary {
  std::string path;
  bool pathSet = false;
  int siderealMode = -1;
  std::string problem;  // the data files' problem, checked when the path is set or a read fails
  ThreadLibrary() = default;
  ThreadLibrary(const ThreadLibrary&) = delete;
  ThreadLibrary& operator=(const ThreadLibrary&) = delete;
  ~ThreadLibrary() {
    if (pathSet) swe_close();
  }
};

ThreadLibrary& ThisThreadsLibrary() {
  thread_local ThreadLibrary library;
  return library;
}

// The folders the library searches: SE_EPHE_PATH when it is set (it
// overrides the folder set by the program), else `folder`; either may list
// several, separated by ':'.
std::vector<std::string> SearchedFolders(const std::string& folder) {
  const char* named = std::getenv("SE_EPHE_PATH");
  const std::string list = (named != nullptr && *named != '\0') ? named : folder;
  std::vector<std::string> folders;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = std::min(list.find(':', start), list.size());
    if (end > start) folders.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return folders;
}

// Checks every data file (*.se1) the library may open in `folder`, without
// opening anything that is not a regular file: "" or what is wrong, naming
// the file.
std::string CheckDataFiles(const std::string& folder) {
  for (const std::string& dir : SearchedFolders(folder)) {
    std::error_code ec;
    std::filesystem::directory_iterator it(dir, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      if (name.size() < 5 || name.compare(name.size() - 4, 4, ".se1") != 0) continue;
      const std::string path = it->path().string();
      struct stat info {};
      if (::stat(path.c_str(), &info) != 0) continue;  // a link to nothing: the library cannot open it either
      if (!S_ISREG(info.st_mode)) return "the data file " + path + " is not a regular file";
      if (info.st_size == 0) return "the data file " + path + " is empty";
      std::array<char, 8> head{};
      const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd < 0) continue;  // unreadable: the library takes the next folder or the analytical mode
      const ssize_t got = ::read(fd, head.data(), head.size());
      ::close(fd);
      if (got != static_cast<ssize_t>(head.size()) || std::string_view(head.data(), head.size()) != "SWISSEPH")
        return "the data file " + path + " is not a Swiss Ephemeris file";
    }
  }
  return {};
}

// Points this thread's library at `folder` and the sidereal mode at `mode`
// when they are not already so (setting them clears its caches). The data
// files are checked when the folder is set.
ThreadLibrary& Prepare(const std::string& folder, int mode) {
  ThreadLibrary& lib = ThisThreadsLibrary();
  if (!lib.pathSet || lib.path != folder) {
    lib.problem = CheckDataFiles(folder);
    // Setting the path reads the data files at once: not while one of them
    // is not a file (the casts then stand in without calling the library).
    if (lib.problem.empty()) swe_set_ephe_path(folder.c_str());
    lib.path = folder;
    lib.pathSet = true;
    lib.siderealMode = -1;
  }
  if (mode != lib.siderealMode) {
    swe_set_sid_mode(mode, 0, 0);
    lib.siderealMode = mode;
  }
  return lib;
}

// The library names a file it found damaged ("Ephemeris file ... is
// damaged", "Ephemeris file name '...' wrong"); other errors are dates
// beyond its range.
bool IsDataFileError(std::string_view error) {
  for (const std::string_view sign : {"damaged", "read error", "wrong", "corrupt"})
    if (error.find(sign) != std::string_view::npos) return true;
  return false;
}

std::string Trimmed(const char* error) {
  std::string text(error);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '.')) text.pop_back();
  return text;
}

void NoteSource(CastChains& chains, SwissSource source) {
  if (static_cast<int>(source) > chains.swissSource) chains.swissSource = static_cast<std::uint8_t>(source);
}

double Normalised(double degrees) { return Mod360(degrees); }

}  // namespace

SwissEngine::SwissEngine(std::string dataFolder) : dataFolder_(std::move(dataFolder)) {}

std::string SwissDataProblem() { return ThisThreadsLibrary().problem; }

std::string PrepareSwissLibrary() {
  const int mode = ThisThreadsLibrary().siderealMode;
  return Prepare(kSwissDataFolder, mode < 0 ? SE_SIDM_LAHIRI : mode).problem;
}

std::string SwissEngine::Version() {
  std::array<char, 256> buffer{};
  swe_version(buffer.data());
  return std::string(buffer.data());
}

void SwissEngine::CastBodies(const CastMoment& moment, const EngineSettings& settings, BodySet wanted,
                             CastChains& chains, CastResult& out) const {
  // The same moment as the classic engine.
  const double jdUt = moment.dayNumber - 0.5 + moment.ut / 24.0;
  const double eastLongitude = -moment.longitudeWest;
  const double latitude = moment.latitudeDegrees;

  const Frame frame = FrameOf(settings);
  const int frameFlag = frame.sidereal ? SEFLG_SIDEREAL : 0;
  out = CastResult{};
  bool outOfRange = false;
  bool damaged = false;
  bool analytical = false;
  {
    ThreadLibrary& lib = Prepare(dataFolder_, frame.mode);
    damaged = outOfRange = !lib.problem.empty();
    std::array<char, AS_MAXCH> error{};
    for (std::size_t i = 0; i < kSwissBody.size() && !outOfRange; ++i) {
      const Body body = static_cast<Body>(i);
      if (!wanted.Has(body)) continue;
      int number = kSwissBody[i];
      if (number < 0) continue;
      if (body == Body::kRahu && settings.trueNode) number = SE_TRUE_NODE;
      std::array<double, 6> x{};
      const int flags = SEFLG_SWIEPH | SEFLG_SPEED | frameFlag;
      const int got = swe_calc_ut(jdUt, number, flags, x.data(), error.data());
      if (got < 0 || !std::isfinite(x[0])) {
        outOfRange = true;
        if (got < 0 && IsDataFileError(error.data())) {
          damaged = true;
          lib.problem = Trimmed(error.data());
        }
        break;
      }
      // The nodes need no file: only a body that asked for the files and
      // got the analytical mode counts.
      if ((got & SEFLG_MOSEPH) != 0) analytical = true;
      out.longitude[i] = Normalised(x[0] - frame.extraDegrees);
      out.retrograde[i] = x[3] < 0 ? 1 : 0;
      out.computed = out.computed.With(body);
    }
    if (!outOfRange && wanted.HasAscendant()) {
      std::array<double, 13> cusps{};
      std::array<double, 10> ascmc{};
      // Equal houses: the ascendant is the same in every system, and this one
      // is defined at every latitude.
      const int got = swe_houses_ex(jdUt, frameFlag, latitude, eastLongitude, 'E', cusps.data(), ascmc.data());
      if (got < 0 || !std::isfinite(ascmc[0])) {
        outOfRange = true;
      } else {
        out.ascendant = Normalised(ascmc[0] - frame.extraDegrees);
        out.ramc = ascmc[2] * kRadiansPerDegree;
        out.computed = out.computed.WithAscendant();
      }
    }
  }
  if (outOfRange) {
    // Beyond every range of the library: the classic engine stands in for
    // this cast, and the chart says so.
    out = ClassicEngine().Cast(moment, settings, wanted, chains);
    NoteSource(chains, damaged ? SwissSource::kDamaged : SwissSource::kOutOfRange);
    return;
  }
  NoteSource(chains, analytical ? SwissSource::kAnalytical : SwissSource::kFiles);
}

double SwissEngine::DateAyanamsa(const EngineSettings& settings, int year, int month, int day,
                                 CastChains& chains) const {
  const Frame frame = FrameOf(settings);
  if (!frame.sidereal) return -0.0;
  const double jd0 = DayNumber(month, day, year) - 0.5;
  double ayanamsa = 0;
  int got = 0;
  bool damaged = false;
  {
    ThreadLibrary& lib = Prepare(dataFolder_, frame.mode);
    std::array<char, AS_MAXCH> error{};
    // A data file that is not a file is never handed to the library.
    if (lib.problem.empty()) got = swe_get_ayanamsa_ex_ut(jd0, SEFLG_SWIEPH, &ayanamsa, error.data());
    else got = -1;
    damaged = !lib.problem.empty();
    if (got < 0 && IsDataFileError(error.data())) {
      damaged = true;
      lib.problem = Trimmed(error.data());
    }
  }
  if (got < 0 || !std::isfinite(ayanamsa)) {
    NoteSource(chains, damaged ? SwissSource::kDamaged : SwissSource::kOutOfRange);
    return ClassicEngine().DateAyanamsa(settings, year, month, day, chains);
  }
  // The library gives the ayanamsa in 0..360: before its zero year a small
  // negative angle comes out near 360.
  if (ayanamsa > 180) ayanamsa -= 360;
  return -(ayanamsa + frame.extraDegrees);
}

std::string SwissEngine::Describe(std::uint8_t swissSource) const {
  std::string text = "Swiss Ephemeris " + Version();
  switch (static_cast<SwissSource>(swissSource)) {
    case SwissSource::kNone:
    case SwissSource::kFiles:
      return text + ", files";
    case SwissSource::kAnalytical:
      return text + ", analytical mode (no data file for the date)";
    case SwissSource::kOutOfRange:
      return text + ", classic engine (date outside the Swiss Ephemeris)";
    case SwissSource::kDamaged:
      return text + ", classic engine (" + SwissDataProblem() + ")";
  }
  return text;
}

}  // namespace orvane
