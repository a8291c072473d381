#include "appended_image.h"

#include <exception>
#include <string>

#include "compile/image_loader.h"
#include "platform/files.h"
#include "sys/sys_util.h"

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
