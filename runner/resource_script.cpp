#include "resource_script.h"

#include <string>

#include "compile/compiler.h"
#include "compile/module_loader.h"
#include "platform/resources.h"

namespace {

Text OneCharacterPerByte(const std::string& bytes) {
  Text text;
  text.reserve(bytes.size());
  for (char byte : bytes) text.push_back(Char(static_cast<unsigned char>(byte)));
  return text;
}

}  // namespace

CModule* LoadResourceScript() {
  std::string bytes;
  if (!platform::ReadResource(u"Diz", u"Qel", bytes)) return nullptr;
  return LoadModule(OneCharacterPerByte(bytes), DefaultCompilerClass(), nullptr, QT(""));
}
