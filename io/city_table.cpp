#include "io/city_table.h"

namespace orvane {

std::optional<std::size_t> FindCity(std::string_view name) {
  for (std::size_t i = 0; i < kCityTable.size(); ++i) {
    if (kCityTable[i].name == name) return i;
  }
  return std::nullopt;
}

}  // namespace orvane
