#include "cli/json.h"

namespace orvane {

void WriteTajakaJson(JsonWriter&, const ChartState&, const Settings&) {}

}  // namespace orvane
