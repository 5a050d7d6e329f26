// Real file-system failures for tests, without mounting anything: a "disk" that fills
// up after a number of bytes (the file-size limit of the process), and a root user that
// obeys file permissions like everybody else (its override capabilities switched off).
#pragma once

#include <linux/capability.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace nuvaro::testing {

// While alive, no file of the process can grow beyond `bytes`: a write past it fails
// with EFBIG, as on a full disk.
class DiskFullAfter {
 public:
  explicit DiskFullAfter(rlim_t bytes) {
    previousHandler_ = signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~DiskFullAfter() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    signal(SIGXFSZ, previousHandler_);
  }
  DiskFullAfter(const DiskFullAfter&) = delete;
  DiskFullAfter& operator=(const DiskFullAfter&) = delete;

 private:
  rlimit previous_{};
  sighandler_t previousHandler_{};
};

// While alive, file and folder permissions apply to the process even when it runs as
// root (CI containers do): the capabilities that bypass them leave the effective set.
class ObeyFilePermissions {
 public:
  ObeyFilePermissions() {
    header_.version = _LINUX_CAPABILITY_VERSION_3;
    if (syscall(SYS_capget, &header_, saved_) != 0) return;
    __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
    lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    active_ = syscall(SYS_capset, &header_, lowered) == 0;
  }
  ~ObeyFilePermissions() {
    if (active_) syscall(SYS_capset, &header_, saved_);
  }
  ObeyFilePermissions(const ObeyFilePermissions&) = delete;
  ObeyFilePermissions& operator=(const ObeyFilePermissions&) = delete;

 private:
  __user_cap_header_struct header_{};
  __user_cap_data_struct saved_[2]{};
  bool active_ = false;
};

}  // namespace nuvaro::testing
