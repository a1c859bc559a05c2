#include "cli/cli.h"

namespace orvane {

int RunCli(int, char**) { return 0; }

}  // namespace orvane
