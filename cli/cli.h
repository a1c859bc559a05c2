// The command-line program: casts charts from chart files or options and
// prints report sections or JSON.
#pragma once

#include <cstdio>

namespace orvane {

int RunCli(int argc, char** argv);

}  // namespace orvane
