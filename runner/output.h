// Where the runner writes: the standard output of the console it attached
// to, or the log file that replaces it. Nothing is written while output is
// off. Texts go out in the system code page, lines end with CR LF. The target
// belongs to one script run, which turns it off when it ends.
#pragma once
#include "runtime/lib/library_chain.h"
#include "runtime/text.h"

// Output on, to standard output as it is.
void UseStandardOutput();
// Output on, to a file created anew; when it cannot be created, standard
// output stays in use.
void UseLogFile(runtime::TextView fileName);
// Output off; a log file is closed.
void CloseOutput();

// False while output is off: no console to write to and no log file.
bool OutputIsOn();

void PrintLine(runtime::TextView text);
void PrintText(runtime::TextView text);

// The banner and the command line the runner takes, as lines.
runtime::Text UsageText();
void ShowUsage();

// Where the usage goes when output is off; the runner shows a message box.
using UsageBox = void (*)(runtime::TextView usage);
void ShowUsageBox(runtime::TextView usage);

// The runner's context: script output goes to the runner's output.
class CConsoleRunner : public runtime::CRunner {
public:
  // Callbacks bound with "thread" get a console runner with a chain of its own.
  runtime::CContext* NewContext() override;
  void Print(runtime::TextView text) override;
};
