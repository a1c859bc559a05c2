// Tajaka (solar-return) results of a pass: the natal snapshot, the found
// moment, strengths, sahams and dasas.
#pragma once

namespace orvane {

struct TajakaState {
  int placeholder = 0;
};

}  // namespace orvane
