#include "engine/swiss_engine.h"

#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <string>

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
constexpr std::array<int, 8> kSiderealMode = {
    SE_SIDM_LAHIRI,        // Chitrapaksha
    SE_SIDM_RAMAN,         // Raman
    -1,                    // Deva-datta: the classic offset from Lahiri
    SE_SIDM_KRISHNAMURTI,  // Krishnamurti
    SE_SIDM_USHASHASHI,    // Usha-Shashi
    SE_SIDM_FAGAN_BRADLEY, // Fagan/Bradley
    -1,                    // tropical
    -1,                    // custom: the offset from Lahiri
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

// Points this thread's library at `folder` and the sidereal mode at `mode`
// when they are not already so (setting them clears its caches).
void Prepare(const std::string& folder, int mode) {
  ThreadLibrary& lib = ThisThreadsLibrary();
  if (!lib.pathSet || lib.path != folder) {
    swe_set_ephe_path(folder.c_str());
    lib.path = folder;
    lib.pathSet = true;
    lib.siderealMode = -1;
  }
  if (mode != lib.siderealMode) {
    swe_set_sid_mode(mode, 0, 0);
    lib.siderealMode = mode;
  }
}

void NoteSource(EphemerisState& eph, SwissSource source) {
  if (static_cast<int>(source) > eph.swissSource) eph.swissSource = static_cast<std::uint8_t>(source);
}

double Normalised(double degrees) { return Mod360(degrees); }

}  // namespace

SwissEngine::SwissEngine(std::string dataFolder) : dataFolder_(std::move(dataFolder)) {}

std::string SwissEngine::Version() {
  std::array<char, 256> buffer{};
  swe_version(buffer.data());
  return std::string(buffer.data());
}

void SwissEngine::CastBodies(EngineState& state, const EngineSettings& settings, BodySet wanted, CastResult& out) const {
  // The same conversions and the same moment as the classic engine.
  BirthData& b = state.birth;
  EphemerisState& eph = state.ephemeris;
  const BirthData onEntry = b;
  const CastMoment moment = CastMomentOf(b);
  StoreConverted(b, moment);
  eph.T = moment.T;
  const double jdUt = moment.dayNumber - 0.5 + moment.ut / 24.0;
  const double eastLongitude = -moment.longitudeWest;
  const double latitude = DecToDeg(onEntry.latitude);

  const Frame frame = FrameOf(settings);
  const int frameFlag = frame.sidereal ? SEFLG_SIDEREAL : 0;
  out = CastResult{};
  bool outOfRange = false;
  bool analytical = false;
  {
    Prepare(dataFolder_, frame.mode);
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
  eph.ramc = out.ramc;
  if (outOfRange) {
    // Beyond every range of the library: the classic engine stands in for
    // this cast, and the chart says so.
    b = onEntry;
    ClassicEngine().Cast(state, settings, wanted, out);
    NoteSource(eph, SwissSource::kOutOfRange);
    return;
  }
  NoteSource(eph, analytical ? SwissSource::kAnalytical : SwissSource::kFiles);
}

double SwissEngine::DateAyanamsa(EngineState& state, const EngineSettings& settings, int year, int month,
                                 int day) const {
  const Frame frame = FrameOf(settings);
  if (!frame.sidereal) return -0.0;
  const double jd0 = DayNumber(month, day, year) - 0.5;
  double ayanamsa = 0;
  int got = 0;
  {
    Prepare(dataFolder_, frame.mode);
    std::array<char, AS_MAXCH> error{};
    got = swe_get_ayanamsa_ex_ut(jd0, SEFLG_SWIEPH, &ayanamsa, error.data());
  }
  if (got < 0 || !std::isfinite(ayanamsa)) {
    NoteSource(state.ephemeris, SwissSource::kOutOfRange);
    return ClassicEngine().DateAyanamsa(state, settings, year, month, day);
  }
  // The library gives the ayanamsa in 0..360: before its zero year a small
  // negative angle comes out near 360.
  if (ayanamsa > 180) ayanamsa -= 360;
  return -(ayanamsa + frame.extraDegrees);
}

std::string SwissEngine::Describe(const EngineState& state) const {
  std::string text = "Swiss Ephemeris " + Version();
  switch (static_cast<SwissSource>(state.ephemeris.swissSource)) {
    case SwissSource::kNone:
    case SwissSource::kFiles:
      return text + ", files";
    case SwissSource::kAnalytical:
      return text + ", analytical mode (no data file for the date)";
    case SwissSource::kOutOfRange:
      return text + ", classic engine (date outside the Swiss Ephemeris)";
  }
  return text;
}

}  // namespace orvane
