#include "runner/script_source.h"

#include <exception>
#include <string>

#include "runtime/compile/compiler.h"
#include "runtime/compile/image_loader.h"
#include "runtime/compile/module_loader.h"
#include "platform/files.h"
#include "platform/filesystem.h"
#include "platform/resources.h"
#include "runtime/sys/sys_util.h"

using namespace runtime;

namespace {

Text OneCharacterPerByte(const std::string& bytes) {
  Text text;
  text.reserve(bytes.size());
  for (char byte : bytes) text.push_back(Char(static_cast<unsigned char>(byte)));
  return text;
}

// The extension's dot, or npos; dots of folder names do not count.
size_t ExtensionStart(TextView path) {
  const size_t name = path.find_last_of(QT("\\/:"));
  const size_t dot = path.rfind(Char('.'));
  return dot != TextView::npos && (name == TextView::npos || dot > name) ? dot : TextView::npos;
}

TextView WithoutExtension(TextView path) { return path.substr(0, ExtensionStart(path)); }

Text ChangeExtension(TextView path, TextView extension) { return Text(WithoutExtension(path)) + Text(extension); }

}  // namespace

// The bytes are tested before loading, since natively the program file has
// no image's extension that would make the module loader read it as one.
CModule* LoadAppendedImage(TextView programPath) {
  std::string bytes;
  if (!platform::ReadWholeFile(Utf16FromText(programPath), bytes) || !HoldsImage(bytes)) return nullptr;
  try {
    return LoadImage(std::move(bytes));
  } catch (const std::exception&) {
    return nullptr;
  }
}

CModule* LoadResourceScript() {
  std::string bytes;
  if (!platform::ReadResource(u"Diz", u"Qel", bytes)) return nullptr;
  return LoadModule(OneCharacterPerByte(bytes), DefaultCompilerClass(), nullptr, QT(""));
}

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
