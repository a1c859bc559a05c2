#include "cli/cli.h"

int main(int argc, char** argv) { return orvane::RunCli(argc, argv); }
