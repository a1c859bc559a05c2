// The tables of Ashtakoota (Guna Milan) matching: the attribute each Moon
// sign or nakshatra carries, and the points every pair of attributes scores
// in each of the eight kootas (36 in all).
//
// Where traditions differ, these are the tables of the North Indian Guna
// Milan as the common almanacs and matching programs print them:
//   - Vashya in five groups by Moon sign, Sagittarius and Capricorn split at
//     15 degrees, scored by a symmetric 5 x 5 table (not the older list of
//     which sign is vashya to which);
//   - Yoni: fourteen animals with the 14 x 14 table whose seven sworn-enemy
//     pairs score 0;
//   - Gana: a Deva groom with a Rakshasa bride scores 1, a Manushya groom
//     with a Deva bride 5;
//   - Graha Maitri from the natural friendships of the Moon-sign lords.
// Every table lives in one KootaTables value, so that another tradition is
// one more constant of the same type.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/body.h"
#include "engine/zodiac.h"

namespace orvane::match {


// Varna in rising rank: a groom of the bride's rank or higher scores 1.
enum Varna : int { kShudra, kVaishya, kKshatriya, kBrahmin, kVarnaCount };
enum Vashya : int { kChatushpada, kManava, kJalachara, kVanachara, kKeeta, kVashyaCount };
enum Yoni : int {
  kHorse, kElephant, kSheep, kSerpent, kDog, kCat, kRat,
  kCow, kBuffalo, kTiger, kDeer, kMonkey, kMongoose, kLion, kYoniCount,
};
enum Gana : int { kDeva, kManushya, kRakshasa, kGanaCount };
enum Nadi : int { kAdi, kMadhya, kAntya, kNadiCount };
// Taras counted from one nakshatra to another, 0 = Janma .. 8 = Parama mitra.
enum Tara : int {
  kJanma, kSampat, kVipat, kKshema, kPratyak, kSadhana, kNaidhana, kMitra, kParamaMitra, kTaraCount,
};

inline constexpr std::array<std::string_view, kSignCount> kSignName = {
    "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
inline constexpr std::array<std::string_view, kVarnaCount> kVarnaName = {"Shudra", "Vaishya", "Kshatriya", "Brahmin"};
inline constexpr std::array<std::string_view, kVashyaCount> kVashyaName = {"Chatushpada", "Manava", "Jalachara",
                                                                           "Vanachara", "Keeta"};
inline constexpr std::array<std::string_view, kYoniCount> kYoniName = {
    "Horse", "Elephant", "Sheep", "Serpent", "Dog", "Cat", "Rat",
    "Cow", "Buffalo", "Tiger", "Deer", "Monkey", "Mongoose", "Lion"};
inline constexpr std::array<std::string_view, kGanaCount> kGanaName = {"Deva", "Manushya", "Rakshasa"};
inline constexpr std::array<std::string_view, kNadiCount> kNadiName = {"Adi", "Madhya", "Antya"};
inline constexpr std::array<std::string_view, kTaraCount> kTaraName = {
    "Janma", "Sampat", "Vipat", "Kshema", "Pratyak", "Sadhana", "Naidhana", "Mitra", "Parama mitra"};
// Names of the sign lords Sun..Saturn, by body index.
inline constexpr std::array<std::string_view, kPlanetCount> kLordName = {"Sun",     "Moon",  "Mars",  "Mercury",
                                                                       "Jupiter", "Venus", "Saturn"};

template <typename T, std::size_t N>
using Row = std::array<T, N>;
template <std::size_t N>
using PointTable = std::array<std::array<double, N>, N>;  // [groom][bride]

struct KootaTables {
  std::string_view name;
  Row<Varna, kSignCount> signVarna;
  PointTable<kVarnaCount> varnaPoints;
  // Vashya of the first and second half (0..15, 15..30 degrees) of each sign.
  Row<std::array<Vashya, 2>, kSignCount> signVashya;
  PointTable<kVashyaCount> vashyaPoints;
  // Points of one direction of the tara count, by tara.
  Row<double, kTaraCount> taraPoints;
  Row<Yoni, kNakshatraCount> nakshatraYoni;
  PointTable<kYoniCount> yoniPoints;
  Row<Body, kSignCount> signLord;  // Sun..Saturn
  PointTable<kPlanetCount> maitriPoints;
  Row<Gana, kNakshatraCount> nakshatraGana;
  PointTable<kGanaCount> ganaPoints;
  // Points by the bride's Moon sign counted from the groom's, 1..12 at 0..11.
  Row<double, kSignCount> bhakootPoints;
  Row<Nadi, kNakshatraCount> nakshatraNadi;
  PointTable<kNadiCount> nadiPoints;
};

inline constexpr KootaTables kGunaMilanTables = {
    "North Indian Guna Milan",
    // Varna by element: water Brahmin, fire Kshatriya, earth Vaishya, air Shudra.
    {kKshatriya, kVaishya, kShudra, kBrahmin, kKshatriya, kVaishya,
     kShudra, kBrahmin, kKshatriya, kVaishya, kShudra, kBrahmin},
    {{
        // bride: Shudra Vaishya Kshatriya Brahmin
        {1, 0, 0, 0},  // groom Shudra
        {1, 1, 0, 0},  // groom Vaishya
        {1, 1, 1, 0},  // groom Kshatriya
        {1, 1, 1, 1},  // groom Brahmin
    }},
    {{
        {kChatushpada, kChatushpada},  // Aries
        {kChatushpada, kChatushpada},  // Taurus
        {kManava, kManava},            // Gemini
        {kJalachara, kJalachara},      // Cancer
        {kVanachara, kVanachara},      // Leo
        {kManava, kManava},            // Virgo
        {kManava, kManava},            // Libra
        {kKeeta, kKeeta},              // Scorpio
        {kManava, kChatushpada},       // Sagittarius: human first half, horse second
        {kChatushpada, kJalachara},    // Capricorn: goat first half, fish second
        {kManava, kManava},            // Aquarius
        {kJalachara, kJalachara},      // Pisces
    }},
    {{
        // bride: Chatushpada Manava Jalachara Vanachara Keeta
        {2, 1, 1, 0.5, 1},    // groom Chatushpada
        {1, 2, 0.5, 0, 1},    // groom Manava
        {1, 0.5, 2, 1, 1},    // groom Jalachara
        {0.5, 0, 1, 2, 0},    // groom Vanachara
        {1, 1, 1, 0, 2},      // groom Keeta
    }},
    // Vipat, Pratyak and Naidhana are the inauspicious taras.
    {1.5, 1.5, 0, 1.5, 0, 1.5, 0, 1.5, 1.5},
    {kHorse,   kElephant, kSheep,    kSerpent, kSerpent, kDog,    kCat,     kSheep,    kCat,
     kRat,     kRat,      kCow,      kBuffalo, kTiger,   kBuffalo, kTiger,  kDeer,     kDeer,
     kDog,     kMonkey,   kMongoose, kMonkey,  kLion,    kHorse,   kLion,   kCow,      kElephant},
    {{
        // Hor Ele She Ser Dog Cat Rat Cow Buf Tig Dee Mon Mgs Lio
        {4, 2, 2, 3, 2, 2, 2, 1, 0, 1, 3, 3, 2, 1},  // Horse
        {2, 4, 3, 3, 2, 2, 2, 2, 3, 1, 2, 3, 2, 0},  // Elephant
        {2, 3, 4, 2, 1, 2, 1, 3, 3, 1, 2, 0, 3, 1},  // Sheep
        {3, 3, 2, 4, 2, 1, 1, 1, 1, 2, 2, 2, 0, 2},  // Serpent
        {2, 2, 1, 2, 4, 2, 1, 2, 2, 1, 0, 2, 1, 1},  // Dog
        {2, 2, 2, 1, 2, 4, 0, 2, 2, 1, 3, 3, 2, 1},  // Cat
        {2, 2, 1, 1, 1, 0, 4, 2, 2, 2, 2, 2, 1, 2},  // Rat
        {1, 2, 3, 1, 2, 2, 2, 4, 3, 0, 3, 2, 2, 1},  // Cow
        {0, 3, 3, 1, 2, 2, 2, 3, 4, 1, 2, 2, 2, 1},  // Buffalo
        {1, 1, 1, 2, 1, 1, 2, 0, 1, 4, 1, 1, 2, 1},  // Tiger
        {3, 2, 2, 2, 0, 3, 2, 3, 2, 1, 4, 2, 2, 1},  // Deer
        {3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 2, 4, 3, 2},  // Monkey
        {2, 2, 3, 0, 1, 2, 1, 2, 2, 2, 2, 3, 4, 2},  // Mongoose
        {1, 0, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 4},  // Lion
    }},
    {Body::kMars, Body::kVenus, Body::kMercury, Body::kMoon, Body::kSun, Body::kMercury,
     Body::kVenus, Body::kMars, Body::kJupiter, Body::kSaturn, Body::kSaturn, Body::kJupiter},
    {{
        // Both friends (or one lord) 5, friend and neutral 4, both neutral 3,
        // friend and enemy 1, neutral and enemy 0.5, both enemies 0.
        // Sun Moon Mars Merc Jup  Ven  Sat
        {5, 5, 5, 4, 5, 0, 0},          // Sun
        {5, 5, 4, 1, 4, 0.5, 0.5},      // Moon
        {5, 4, 5, 0.5, 5, 3, 0.5},      // Mars
        {4, 1, 0.5, 5, 0.5, 5, 4},      // Mercury
        {5, 4, 5, 0.5, 5, 0.5, 3},      // Jupiter
        {0, 0.5, 3, 5, 0.5, 5, 5},      // Venus
        {0, 0.5, 0.5, 4, 3, 5, 5},      // Saturn
    }},
    {kDeva,     kManushya, kRakshasa, kManushya, kDeva,     kManushya, kDeva,     kDeva,     kRakshasa,
     kRakshasa, kManushya, kManushya, kDeva,     kRakshasa, kDeva,     kRakshasa, kDeva,     kRakshasa,
     kRakshasa, kManushya, kManushya, kDeva,     kRakshasa, kRakshasa, kManushya, kManushya, kDeva},
    {{
        // bride: Deva Manushya Rakshasa
        {6, 6, 1},  // groom Deva
        {5, 6, 0},  // groom Manushya
        {1, 0, 6},  // groom Rakshasa
    }},
    // 2/12, 5/9 and 6/8 from each other are the Bhakoot dosha.
    {7, 0, 7, 7, 0, 0, 7, 0, 0, 7, 7, 0},
    {kAdi,   kMadhya, kAntya, kAntya, kMadhya, kAdi,   kAdi,   kMadhya, kAntya,
     kAntya, kMadhya, kAdi,   kAdi,   kMadhya, kAntya, kAntya, kMadhya, kAdi,
     kAdi,   kMadhya, kAntya, kAntya, kMadhya, kAdi,   kAdi,   kMadhya, kAntya},
    {{
        {0, 8, 8},
        {8, 0, 8},
        {8, 8, 0},
    }},
};

// The points of a koota are symmetric where the tradition says the order of
// the two charts does not matter.
template <std::size_t N>
constexpr bool IsSymmetric(const PointTable<N>& t) {
  for (std::size_t i = 0; i < N; ++i)
    for (std::size_t j = 0; j < N; ++j)
      if (t[i][j] != t[j][i]) return false;
  return true;
}
static_assert(IsSymmetric(kGunaMilanTables.vashyaPoints));
static_assert(IsSymmetric(kGunaMilanTables.yoniPoints));
static_assert(IsSymmetric(kGunaMilanTables.maitriPoints));
static_assert(IsSymmetric(kGunaMilanTables.nadiPoints));

}  // namespace orvane::match
