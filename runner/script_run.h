// A script run: output to the console or the log, finding the script,
// compiling or loading it, running it under a console runner with optional
// timing lines, and letting everything go at the end, the settings it left
// in the process included. Several runs may follow each other in a process.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runner/options.h"
#include "runner/output.h"
#include "runtime/base/ref.h"

// The runner program: runs one script and returns the exit status. The
// arguments are those after the program's own path.
int RunnerMain(const std::vector<std::u16string>& arguments);

// The runner's exit status.
enum class RunStatus {
  kClean = 0,
  // A compile error was reported, an error stopped the script, or a file the
  // run needs could not be read.
  kFailed = 1,
  // No script was found: the usage text was shown.
  kNoScript = 2,
};

// Milliseconds of the steps that verbose runs report.
class CRunTimer {
public:
  void Start();
  // Milliseconds since the last start; starts again.
  uint32_t ElapsedMs();

private:
  uint32_t started_ = 0;
};

namespace runtime {
class CModule;
}  // namespace runtime

class CScriptRun {
public:
  explicit CScriptRun(CRunnerOptions options) : options_(std::move(options)) {}
  ~CScriptRun();
  CScriptRun(const CScriptRun&) = delete;
  CScriptRun& operator=(const CScriptRun&) = delete;

  RunStatus Run();
  // Where the usage goes when no script is found and output is off.
  void SetUsageBox(UsageBox box) { usageBox_ = box; }

private:
  void StartOutput();
  // Leaves the module or the script path set.
  bool FindScript();
  void RunScript();
  void ReportTime(runtime::TextView step);
  void Finish();

  CRunnerOptions options_;
  bool gui_ = false;
  bool verbose_ = false;
  runtime::Text scriptPath_;
  runtime::CModule* module_ = nullptr;  // counted
  runtime::Ref<CConsoleRunner> context_;
  CRunTimer timer_;
  UsageBox usageBox_ = &ShowUsageBox;
};
