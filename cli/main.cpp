#include <malloc.h>

#include "cli/cli.h"

int main(int argc, char** argv) {
#ifdef __GLIBC__
  // A batch allocates and frees the same few large blocks (chart states,
  // texts of a hundred kilobytes) for every chart: keep freed memory for the
  // next chart instead of handing it back to the system and faulting it in
  // again. The peak stays what one chart per worker needs.
  mallopt(M_MMAP_THRESHOLD, 4 << 20);
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
  return orvane::RunCli(argc, argv);
}
