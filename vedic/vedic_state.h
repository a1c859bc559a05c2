// Values the calculation pass derives from a cast chart (panchanga,
// divisional charts, special lagnas, strengths). Overwritten by every pass.
#pragma once

namespace orvane {

struct VedicState {
  int placeholder = 0;
};

}  // namespace orvane
