// Values the calculation pass derives from a cast chart (panchanga,
// divisional charts, special lagnas, strengths). Overwritten by every pass.
#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// The twenty divisional charts, in the order of the chart choices.
enum Varga : int {
  kD1, kD2, kD3, kD4, kD5, kD6, kD7, kD8, kD9, kD10,
  kD11, kD12, kD16, kD20, kD24, kD27, kD30, kD40, kD45, kD60,
};
inline constexpr int kVargaCount = 20;

struct VedicState {
  // Sign index 0..11 of every body slot in every divisional chart.
  std::array<std::array<std::int32_t, 40>, kVargaCount> vargaSign{};
};

}  // namespace orvane
