#include "sibling_script.h"

#include "platform/filesystem.h"
#include "sys/sys_util.h"

namespace {

// The extension's dot, or npos; dots of folder names do not count.
size_t ExtensionStart(TextView path) {
  const size_t name = path.find_last_of(QT("\\/:"));
  const size_t dot = path.rfind(Char('.'));
  return dot != TextView::npos && (name == TextView::npos || dot > name) ? dot : TextView::npos;
}

TextView WithoutExtension(TextView path) { return path.substr(0, ExtensionStart(path)); }

Text ChangeExtension(TextView path, TextView extension) { return Text(WithoutExtension(path)) + Text(extension); }

}  // namespace

std::vector<Text> SiblingScriptNames(TextView programPath) {
  std::vector<Text> names{ChangeExtension(programPath, QT(".qob")), ChangeExtension(programPath, QT(".qex"))};
  const TextView inner = WithoutExtension(programPath);
  if (inner.size() < programPath.size() && ExtensionStart(inner) != TextView::npos)
    names.push_back(ChangeExtension(inner, QT(".qex")));
  return names;
}

Text FindSiblingScript(TextView programPath) {
  for (const Text& name : SiblingScriptNames(programPath))
    if (platform::FileExists(Utf16FromText(name))) return name;
  return {};
}
