// Helper of the process tests: writes each argument it received on a line of
// its own (UTF-8, in brackets), one line to standard error, and ends with the
// number of arguments as its exit status.
#include <string>

#include "platform/arguments.h"
#include "platform/codepage.h"
#include "platform/console.h"

int main(int argc, char** argv) {
  const std::vector<std::u16string> arguments = platform::CommandLineArguments(argc, argv);
  std::string lines;
  for (const std::u16string& argument : arguments) {
    std::string bytes;
    platform::EncodeCodePage(platform::kCodePageUtf8, argument, bytes);
    lines += "[" + bytes + "]\n";
  }
  platform::WriteString(platform::StandardHandle(platform::StdStream::Output), lines);
  platform::WriteString(platform::StandardHandle(platform::StdStream::Error), "to standard error\n");
  return static_cast<int>(arguments.size());
}
