#include "platform/process.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

// Quoted so that the C runtime's splitting gives the argument back: inside
// quotes, backslashes double only before a quote.
std::u16string Quoted(const std::u16string& argument) {
  if (!argument.empty() && argument.find_first_of(u" \t\"") == std::u16string::npos) return argument;
  std::u16string quoted = u"\"";
  std::size_t backslashes = 0;
  for (char16_t c : argument) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(backslashes * 2, u'\\');
  quoted += u'"';
  return quoted;
}

std::u16string CommandLine(const std::u16string& program, const std::vector<std::u16string>& arguments) {
  std::u16string line = Quoted(program);
  for (const std::u16string& argument : arguments) {
    line += u' ';
    line += Quoted(argument);
  }
  return line;
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (handle_ && handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

HANDLE InheritableOutput(const std::u16string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return ::CreateFileW(detail::Wide(path), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

int RunProgram(const std::u16string& program, const std::vector<std::u16string>& arguments,
               const std::u16string& outputFile) {
  Handle output(outputFile.empty() ? nullptr : InheritableOutput(outputFile));
  if (output.get() == INVALID_HANDLE_VALUE) return -1;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (output.get()) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output.get();
    startup.hStdError = output.get();
  }
  std::u16string line = CommandLine(program, arguments);
  PROCESS_INFORMATION started{};
  if (!::CreateProcessW(detail::Wide(program), reinterpret_cast<wchar_t*>(line.data()), nullptr, nullptr, TRUE, 0,
                        nullptr, nullptr, &startup, &started))
    return -1;
  Handle process(started.hProcess);
  Handle thread(started.hThread);
  DWORD status = 0;
  if (::WaitForSingleObject(process.get(), INFINITE) != WAIT_OBJECT_0 || !::GetExitCodeProcess(process.get(), &status))
    return -1;
  return static_cast<int>(status);
}

}  // namespace platform
