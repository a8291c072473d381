// A descriptor closed on scope exit without disturbing errno.
#pragma once
#include <cerrno>
#include <unistd.h>

namespace platform::detail {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ < 0) return;
    const int error = errno;
    ::close(fd_);
    errno = error;
  }
  int get() const { return fd_; }
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

}  // namespace platform::detail
