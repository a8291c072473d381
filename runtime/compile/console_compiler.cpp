#include "runtime/compile/console_compiler.h"

#include "runtime/sys/sys_util.h"
#include "platform/console.h"

namespace runtime {

namespace {

int32_t errorCount = 0;

void PrintToStandardOutput(TextView line) {
  const platform::FileHandle output = platform::StandardHandle(platform::StdStream::Output);
  if (output != platform::kInvalidFile) platform::WriteString(output, SystemBytesFromText(Text(line) + QT("\r\n")));
}

TLinePrinter linePrinter = &PrintToStandardOutput;

}  // namespace

void CConsoleCompiler::ReportError(TextView message) {
  ++errorCount;
  linePrinter(message);
}

int32_t CConsoleCompiler::ErrorCount() { return errorCount; }

void CConsoleCompiler::ResetErrorCount() { errorCount = 0; }

CCompiler* NewConsoleCompiler() { return new CConsoleCompiler(); }

void SetCompileErrorPrinter(TLinePrinter printer) { linePrinter = printer ? printer : &PrintToStandardOutput; }

}  // namespace runtime
