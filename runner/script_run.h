// One run of the runner: output to the console or the log, finding the
// script, compiling or loading it, running it under a console runner with
// optional timing lines, and letting everything go at the end.
#pragma once
#include "options.h"
#include "run_status.h"
#include "run_timer.h"

class CConsoleRunner;
class CModule;

class CScriptRun {
public:
  explicit CScriptRun(CRunnerOptions options) : options_(std::move(options)) {}
  ~CScriptRun();
  CScriptRun(const CScriptRun&) = delete;
  CScriptRun& operator=(const CScriptRun&) = delete;

  RunStatus Run();

private:
  void StartOutput();
  // Leaves the module or the script path set.
  bool FindScript();
  void RunScript();
  void ReportTime(TextView step);
  void Finish();

  CRunnerOptions options_;
  bool gui_ = false;
  bool verbose_ = false;
  Text scriptPath_;
  CModule* module_ = nullptr;  // counted
  CConsoleRunner* context_ = nullptr;  // counted
  CRunTimer timer_;
};
