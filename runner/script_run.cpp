#include "runner/script_run.h"

#include <exception>
#include <string>

#include "runtime/builtin/script_settings.h"
#include "runtime/compile/console_compiler.h"
#include "runtime/compile/module_loader.h"
#include "runtime/error.h"
#include "host/startup/host_init.h"
#include "runner/output.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "runner/script_source.h"
#include "runtime/startup/runtime_init.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/block.h"
#include "runtime/value/text_access.h"

using namespace runtime;

namespace {

constexpr TextView kRule = QT("--------------------------------");

Text ProgramPath() { return TextFromUtf16(platform::ProgramPath()); }

Text MessageOf(const std::exception& error) {
  if (const auto* script = dynamic_cast<const EScriptError*>(&error)) return script->Message();
  if (IsOutOfMemory(error)) return OutOfMemoryMessage();
  return TextFromAscii(error.what());
}

}  // namespace

int RunnerMain(const std::vector<std::u16string>& arguments) {
  InitRuntimeLibraries();
  host::InitHostLibraries();
  std::vector<Text> texts;
  for (const std::u16string& argument : arguments) texts.push_back(TextFromUtf16(argument));
  CScriptRun run{CRunnerOptions(std::move(texts))};
  return static_cast<int>(run.Run());
}

void CRunTimer::Start() { started_ = platform::TickCount(); }

uint32_t CRunTimer::ElapsedMs() {
  const uint32_t now = platform::TickCount();
  const uint32_t elapsed = now - started_;
  started_ = now;
  return elapsed;
}

CScriptRun::~CScriptRun() { Finish(); }

// Whatever an earlier run of the process left goes first.
RunStatus CScriptRun::Run() {
  ResetRunState();
  SetProgramArguments(options_.Arguments());
  SetDefaultCompilerClass(&NewConsoleCompiler);
  SetCompileErrorPrinter(&PrintLine);
  StartOutput();
  if (verbose_) ShowUsage();
  try {
    if (!FindScript()) {
      // A program started from the desktop has no console: a user who
      // started it without a script would otherwise see nothing at all.
      if (OutputIsOn()) {
        ShowUsage();
      } else {
        usageBox_(UsageText());
      }
      return RunStatus::kNoScript;
    }
    RunScript();
  } catch (const std::exception& error) {
    PrintLine(MessageOf(error));
    return RunStatus::kFailed;
  }
  return CConsoleCompiler::ErrorCount() > 0 ? RunStatus::kFailed : RunStatus::kClean;
}

// Without a console the log file takes the output; with one, the log option
// is ignored.
void CScriptRun::StartOutput() {
  gui_ = options_.GetBoolOption(QT("gui"), 0);
  verbose_ = options_.GetBoolOption(QT("v"), 0) || options_.GetBoolOption(QT("?"), 0);
  const Text logName = options_.GetOptionOrArg(QT("log"), 0);
  if (!gui_) gui_ = !platform::AttachParentConsole();
  if (!gui_) {
    UseStandardOutput();
  } else if (!logName.empty()) {
    UseLogFile(logName == QT("true") ? ProgramPath() + QT(".log") : logName);
  }
}

bool CScriptRun::FindScript() {
  scriptPath_ = options_.GetOptionOrArg(QT("qel"), 1);
  if (!scriptPath_.empty() && platform::FileExists(Utf16FromText(scriptPath_))) {
    LoadKeyOption(options_);
    return true;
  }
  const Text program = ProgramPath();
  module_ = LoadAppendedImage(program);
  if (!module_) module_ = LoadResourceScript();
  if (module_) return true;
  scriptPath_ = FindSiblingScript(program);
  return !scriptPath_.empty();
}

void CScriptRun::RunScript() {
  context_ = MakeRef<CConsoleRunner>();
  SetCurrentContext(context_);
  timer_.Start();
  if (!module_) module_ = LoadModuleFile(scriptPath_, nullptr);
  if (verbose_) ReportTime(QT("Compiled"));
  module_->Execute(*context_);
  if (verbose_) ReportTime(QT("Finished"));
}

void CScriptRun::ReportTime(TextView step) {
  PrintLine(kRule);
  PrintLine(Text(step) + QT(", time: ") + TextFromAscii(std::to_string(timer_.ElapsedMs())) + QT(" ms"));
  PrintLine(kRule);
}

void CScriptRun::Finish() {
  try {
    UnloadModules(module_);
  } catch (const std::exception&) {
  }
  module_ = nullptr;
  SetCurrentContext(nullptr);
  context_.Reset();
  CloseOutput();
  if (!gui_) platform::DetachConsole();
  ResetRunState();
}
