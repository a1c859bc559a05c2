// What the engine needs of the user's preferences, as a plain value: the
// layers above derive it from their settings, so the engine reads no file
// format and no preference it does not use.
#pragma once

#include <cstdint>
#include <type_traits>

namespace orvane {

// The ephemeris a chart is cast with.
enum class EphemerisKind : std::uint8_t {
  kClassic = 0,  // the built-in compact theory
  kSwiss = 1,    // the Swiss Ephemeris
};

// The ayanamsa as the preference chooses it (the numbers of the settings file). The classic engine reads only
// the offset (every choice is Chitrapaksha plus an offset); the Swiss engine
// takes the choices it knows by their own definitions.
enum class AyanamsaChoice : std::uint8_t {
  kChitrapaksha = 0,
  kRaman = 1,
  kDevadatta = 2,
  kKrishnamurti = 3,
  kUshaShashi = 4,
  kFaganBradley = 5,
  kTropical = 6,
  kCustom = 7,
  kKpNew = 8,  // Krishnamurti's, vernal point in 291 (Senthilathiban): the KP (new) ayanamsa
};
inline constexpr int kAyanamsaChoiceCount = 9;

struct EngineSettings {
  // Arc-minutes added to the Chitrapaksha ayanamsa; beyond +-1000 it stands
  // for the tropical zodiac.
  double ayanamsaOffset = 0;
  AyanamsaChoice ayanamsa = AyanamsaChoice::kChitrapaksha;
  // Sunrise definition: 0 apparent rise of the upper limb, 1 true rise of
  // the upper limb, 2 true rise of the centre.
  int sunriseDefinition = 0;
  EphemerisKind ephemeris = EphemerisKind::kClassic;
  // Rahu from the true node instead of the mean node (the Swiss engine only).
  bool trueNode = false;
};
static_assert(std::is_trivially_copyable_v<EngineSettings>);

}  // namespace orvane
