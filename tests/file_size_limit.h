#pragma once
// A disk that fills up, made real: while a FileSizeLimit lives, this process
// cannot make any file longer than the given number of bytes. A write past
// the limit fails with EFBIG in the kernel, as one on a full disk fails with
// ENOSPC (the signal the kernel sends with it is ignored meanwhile, so the
// program sees the failed write). The soft limit goes back up when it ends.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

namespace kes::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    EXPECT_EQ(sigaction(SIGXFSZ, &ignore, &oldAction_), 0);
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &old_), 0);
    rlimit lowered = old_;
    lowered.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &lowered), 0);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    sigaction(SIGXFSZ, &oldAction_, nullptr);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  struct sigaction oldAction_ {};
};

}  // namespace kes::test
