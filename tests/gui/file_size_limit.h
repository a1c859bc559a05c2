// A full disk for tests: while a FileSizeLimit lives, files this process
// writes stop growing at the size given.
#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace orvane::testing_support {

// While it lives, files this process writes stop growing at `bytes` and a
// write beyond fails (as on a full disk) instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    previous_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool active() const { return active_; }

 private:
  rlimit old_{};
  sighandler_t previous_ = SIG_DFL;
  bool active_ = false;
};

}  // namespace orvane::testing_support
