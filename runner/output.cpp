#include "runner/output.h"

#include "platform/console.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "runtime/sys/sys_util.h"

using namespace runtime;

namespace {

platform::FileHandle output = platform::kInvalidFile;
bool ownsOutput = false;

void Write(TextView text) {
  if (output != platform::kInvalidFile) platform::WriteString(output, SystemBytesFromText(text));
}

}  // namespace

void UseStandardOutput() {
  CloseOutput();
  output = platform::StandardHandle(platform::StdStream::Output);
}

void UseLogFile(TextView fileName) {
  UseStandardOutput();
  const platform::FileHandle log = platform::CreateAlways(Utf16FromText(fileName));
  if (log == platform::kInvalidFile) return;
  output = log;
  ownsOutput = true;
}

void CloseOutput() {
  if (ownsOutput) platform::CloseFile(output);
  output = platform::kInvalidFile;
  ownsOutput = false;
}

bool OutputIsOn() { return output != platform::kInvalidFile; }

// Writes are not buffered, so there is nothing to flush.
void PrintLine(TextView text) { Write(Text(text) + QT("\r\n")); }

void PrintText(TextView text) { Write(text); }

Text UsageText() {
  return QT("\r\nQel 8.0\r\nUsage:\r\n"
            "  qel.exe [-qel:]<file.qel or .qob/.qex> [-key:<key.ini>] [-log[:<log.txt>]] [-gui] [-v]\r\n\r\n");
}

void ShowUsage() { PrintText(UsageText()); }

// Titled with the program's file name, as Windows titles its own boxes.
void ShowUsageBox(TextView usage) {
  const std::u16string path = platform::ProgramPath();
  const std::u16string name = path.substr(path.find_last_of(u"\\/") + 1);
  Text text(usage);
  while (!text.empty() && (text.front() == QT('\r') || text.front() == QT('\n'))) text.erase(0, 1);
  while (!text.empty() && (text.back() == QT('\r') || text.back() == QT('\n'))) text.pop_back();
  platform::ShowMessageBox(name, Utf16FromText(text));
}

CContext* CConsoleRunner::NewContext() { return new CConsoleRunner(); }

void CConsoleRunner::Print(TextView text) { PrintText(text); }
