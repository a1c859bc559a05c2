#include "cli/json.h"

namespace orvane {

void WriteDasaJson(JsonWriter&, const ChartState&, const Settings&) {}

}  // namespace orvane
