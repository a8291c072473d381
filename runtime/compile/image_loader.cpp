#include "runtime/compile/image_loader.h"

#include "runtime/error.h"
#include "runtime/compile/module_search.h"

namespace runtime {

namespace {

TImageLoader registered{nullptr, nullptr};

Char LowerAscii(Char c) { return c >= 'A' && c <= 'Z' ? Char(c + ('a' - 'A')) : c; }

Text LowerExtension(TextView fileName) {
  const TextView name = fileName.substr(FolderOf(fileName).size());
  const size_t dot = name.rfind(Char('.'));
  Text extension(dot == TextView::npos ? TextView() : name.substr(dot));
  for (Char& c : extension) c = LowerAscii(c);
  return extension;
}

}  // namespace

void RegisterImageLoader(const TImageLoader& loader) { registered = loader; }

bool HasImageExtension(TextView fileName) {
  const Text extension = LowerExtension(fileName);
  for (const Char* image : {QT(".qob"), QT(".qex"), QT(".exe"), QT(".dll")})
    if (extension == image) return true;
  return false;
}

bool HoldsImage(std::string_view bytes) { return registered.holdsImage && registered.holdsImage(bytes); }

CModule* LoadImage(std::string bytes) {
  if (!registered.load) RaiseError(QT("Compiled images cannot be loaded: no image reader is linked in"));
  return registered.load(std::move(bytes));
}

}  // namespace runtime
