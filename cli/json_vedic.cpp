#include "cli/json.h"

namespace orvane {

void WriteVedicJson(JsonWriter&, const ChartState&, const Settings&) {}

}  // namespace orvane
