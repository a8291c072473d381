#include "runtime/compile/module_search.h"

#include "runtime/sys/sys_util.h"
#include "runtime/tree/block.h"
#include "platform/filesystem.h"
#include "platform/paths.h"

namespace runtime {

namespace {

bool IsSeparator(Char c) { return c == '\\' || c == '/'; }

bool IsAbsolute(TextView name) {
  return (name.size() >= 2 && name[1] == ':') || (!name.empty() && IsSeparator(name[0]));
}

Text ProgramFolder() { return FolderOf(TextFromUtf16(platform::ProgramPath())); }

}  // namespace

Text FolderOf(TextView path) {
  size_t end = path.size();
  while (end > 0 && !IsSeparator(path[end - 1])) --end;
  return Text(path.substr(0, end));
}

bool ModuleFileExists(TextView path) { return !path.empty() && platform::FileExists(Utf16FromText(path)); }

Text ExpandFileName(TextView name) {
  const std::u16string full = platform::FullPath(Utf16FromText(name));
  return full.empty() ? Text(name) : TextFromUtf16(full);
}

Text FindModuleFile(TextView name, const CModule* importing) {
  if (ModuleFileExists(name) || IsAbsolute(name)) return Text(name);
  const Text beside = (importing ? FolderOf(importing->FileName()) : Text()) + Text(name);
  if (ModuleFileExists(beside)) return beside;
  const Text program = ProgramFolder();
  for (const Char* folder : {QT("lib/"), QT("app/")}) {
    const Text candidate = program + folder + Text(name);
    if (ModuleFileExists(candidate)) return candidate;
  }
  return beside;
}

}  // namespace runtime
