#include "support/corpus_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/compile/module_search.h"
#include "platform/dirs.h"
#include "platform/files.h"
#include "platform/filesystem.h"
#include "support/text_util.h"
#include "runtime/sys/sys_util.h"

using namespace runtime;

std::vector<std::u16string> FileNames(const std::u16string& folder, std::u16string_view mask) {
  std::vector<platform::DirEntry> entries;
  std::vector<std::u16string> names;
  if (!platform::ListFolder(folder, mask, entries)) return names;
  for (const platform::DirEntry& entry : entries)
    if (!entry.folder) names.push_back(entry.name);
  return names;
}

int ReplayCorpus(const std::u16string& folder, const std::function<void(const std::string& bytes)>& run) {
  int replayed = 0;
  for (const std::u16string& name : FileNames(folder, u"*")) {
    SCOPED_TRACE(Narrow(TextFromUtf16(name)));
    std::string bytes;
    if (!platform::ReadWholeFile(folder + u"/" + name, bytes)) {
      ADD_FAILURE() << "cannot read the input";
      break;
    }
    run(bytes);
    if (::testing::Test::HasFatalFailure()) break;
    ++replayed;
  }
  return replayed;
}

std::vector<std::u16string> ScriptNames(const std::u16string& folder) {
  std::vector<std::u16string> names = FileNames(folder, u"*.qel");
  for (std::u16string& name : names) name.resize(name.size() - 4);
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> ScriptCaseNames(const std::u16string& folder) {
  std::vector<std::string> names;
  for (const std::u16string& name : ScriptNames(folder)) names.push_back(Narrow(TextFromUtf16(name)));
  return names;
}

std::u16string ExpectedOutputPath(const std::u16string& base, bool eightBit) {
  if (eightBit && platform::FileExists(base + u".out8")) return base + u".out8";
  return base + u".out";
}

std::string WithFolderHidden(std::string shown, const std::u16string& folder) {
  const std::string expanded = Narrow(ExpandFileName(TextFromUtf16(folder)));
  for (size_t at; (at = shown.find(expanded)) != std::string::npos;) shown.replace(at, expanded.size(), "<scripts>/");
  return shown;
}
