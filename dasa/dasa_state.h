// Values the dasa systems compute in a pass (balances and period tables).
#pragma once

namespace orvane {

struct DasaState {
  int placeholder = 0;
};

}  // namespace orvane
