// The runners' compile context: every compile message is printed as a line
// and counted, and compilation goes on.
#pragma once
#include "runtime/compile/compiler.h"

namespace runtime {

class CConsoleCompiler : public CCompiler {
public:
  void ReportError(TextView message) override;

  // Messages reported by every console compiler of the process.
  static int32_t ErrorCount();
  static void ResetErrorCount();
};

CCompiler* NewConsoleCompiler();

// Where console compilers print; standard output unless a program sets its own.
using TLinePrinter = void (*)(TextView line);
void SetCompileErrorPrinter(TLinePrinter printer);

}  // namespace runtime
