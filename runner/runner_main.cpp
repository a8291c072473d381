#include "runner_main.h"

#include "builtin/script_settings.h"
#include "host/host_init.h"
#include "lib/runtime_init.h"
#include "script_run.h"
#include "sys/sys_util.h"

int RunnerMain(const std::vector<std::u16string>& arguments) {
  InitRuntimeLibraries();
  host::InitHostLibraries();
  std::vector<Text> texts;
  for (const std::u16string& argument : arguments) texts.push_back(TextFromUtf16(argument));
  SetProgramArguments(texts);
  CScriptRun run{CRunnerOptions(std::move(texts))};
  return static_cast<int>(run.Run());
}
