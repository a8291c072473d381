#include <cstdint>
#include <fcntl.h>
#include <pthread.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/posix/fd.h"
#include "platform/posix/stack_bottom.h"
#include "platform/stack_room.h"

// glibc's record of where the main thread's stack started.
extern "C" void* __libc_stack_end;

namespace platform {
namespace detail {
namespace {

std::string ReadProcFile(const char* path) {
  std::string text;
  const Fd fd(::open(path, O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return text;
  char buffer[8192];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got <= 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  return text;
}

// The hexadecimal number at text[at], moving at past it.
std::uintptr_t ReadHex(const std::string& text, std::size_t& at) {
  std::uintptr_t value = 0;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0) break;
    value = value * 16 + static_cast<std::uintptr_t>(digit);
  }
  return value;
}

}  // namespace

const char* ThreadStackBottom() {
  pthread_attr_t attributes;
  if (::pthread_getattr_np(::pthread_self(), &attributes) != 0) return nullptr;
  void* lowest = nullptr;
  std::size_t size = 0;
  if (::pthread_attr_getstack(&attributes, &lowest, &size) != 0) lowest = nullptr;
  ::pthread_attr_destroy(&attributes);
  return static_cast<const char*>(lowest);
}

// glibc reads the same file with a sscanf per line, which cost a short
// script a fifth of its start-up.
const char* MainThreadStackBottom() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_STACK, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return nullptr;
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<std::uintptr_t>(__libc_stack_end);
  const std::uintptr_t top = (start & ~(page - 1)) + page;
  const std::string maps = ReadProcFile("/proc/self/maps");
  std::uintptr_t below = 0;
  for (std::size_t at = 0; at < maps.size();) {
    const std::uintptr_t from = ReadHex(maps, at);
    const bool range = at < maps.size() && maps[at] == '-';
    const std::uintptr_t to = range ? ReadHex(maps, ++at) : 0;
    at = maps.find('\n', at);
    at = at == std::string::npos ? maps.size() : at + 1;
    if (!range) continue;
    if (from <= start && start < to) {
      std::uintptr_t size = (static_cast<std::uintptr_t>(limit.rlim_cur) - (to - top)) / page * page;
      if (size > top - below) size = top - below;
      return reinterpret_cast<const char*>(top - size);
    }
    below = to;
  }
  return nullptr;
}

}  // namespace detail

namespace {

const char* StackBottom() {
  if (::getpid() == ::gettid()) {
    if (const char* bottom = detail::MainThreadStackBottom()) return bottom;
  }
  return detail::ThreadStackBottom();
}

}  // namespace

// Asked once per thread. The frame address, not a local's: sanitizers may
// move locals off the stack.
std::size_t StackRoom() {
  thread_local const char* const bottom = StackBottom();
  const char* here = static_cast<const char*>(__builtin_frame_address(0));
  return bottom && here > bottom ? static_cast<std::size_t>(here - bottom) : 0;
}

}  // namespace platform
