#include "runner/output.h"

#include "platform/console.h"
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

// Writes are not buffered, so there is nothing to flush.
void PrintLine(TextView text) { Write(Text(text) + QT("\r\n")); }

void PrintText(TextView text) { Write(text); }

void ShowUsage() {
  PrintLine(QT(""));
  PrintLine(QT("Qel 8.0"));
  PrintLine(QT("Usage:"));
  PrintLine(QT("  qel.exe [-qel:]<file.qel or .qob/.qex> [-key:<key.ini>] [-log[:<log.txt>]] [-gui] [-v]"));
  PrintLine(QT(""));
}

CContext* CConsoleRunner::NewContext() { return new CConsoleRunner(); }

void CConsoleRunner::Print(TextView text) { PrintText(text); }
