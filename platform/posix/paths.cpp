#include <cerrno>
#include <climits>
#include <cstdlib>
#include <unistd.h>

#include <memory>
#include <vector>

#include "platform/paths.h"
#include "platform/posix/native.h"

namespace platform {
namespace {

// "." and ".." resolved as text; ".." at the root stays at the root.
std::string Normalize(const std::string& absolute) {
  std::vector<std::string> parts;
  std::size_t start = 1;
  while (start <= absolute.size()) {
    std::size_t end = absolute.find('/', start);
    if (end == std::string::npos) end = absolute.size();
    const std::string part = absolute.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string result;
  for (const std::string& part : parts) result += "/" + part;
  if (result.empty() || (absolute.back() == '/' && absolute.size() > 1)) result += "/";
  return result;
}

}  // namespace

std::u16string CurrentFolder() {
  std::unique_ptr<char, decltype(&std::free)> path(::getcwd(nullptr, 0), &std::free);
  return path ? detail::FromNative(path.get()) : std::u16string();
}

bool SetCurrentFolder(const std::u16string& path) { return ::chdir(detail::NativePath(path).c_str()) == 0; }

std::u16string FullPath(const std::u16string& name) {
  std::string path = detail::NativePath(name);
  if (path.empty()) {
    errno = ENOENT;
    return {};
  }
  if (path[0] != '/') {
    const std::u16string current = CurrentFolder();
    if (current.empty()) return {};
    path = detail::NativePath(current) + "/" + path;
  }
  return detail::FromNative(Normalize(path));
}

std::u16string ProgramPath() {
  std::string buffer(PATH_MAX, '\0');
  for (;;) {
    const ssize_t got = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (got < 0) return {};
    if (static_cast<std::size_t>(got) < buffer.size()) return detail::FromNative(std::string_view(buffer.data(), got));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace platform
