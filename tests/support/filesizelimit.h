#pragma once
// Files cannot grow beyond a size while the object lives, as on a full disk.

#include <signal.h>
#include <sys/resource.h>

#include <cstdint>

class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(int64_t size) {
    signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = rlim_t(size);
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

 private:
  rlimit old_{};
};
