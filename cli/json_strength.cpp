#include "cli/json.h"

namespace orvane {

void WriteStrengthJson(JsonWriter&, const ChartState&, const Settings&) {}

}  // namespace orvane
