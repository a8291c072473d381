// Where a script is found when the command line names no existing file: an
// image appended to the runner's own program file, the program file's
// resource, or a compiled script beside the program file.
#pragma once
#include <vector>

#include "runtime/text.h"

namespace runtime {
class CModule;
}  // namespace runtime

// The image's module; null when the file ends with no image or the image
// cannot be read, which only means the script is to be found elsewhere.
runtime::CModule* LoadAppendedImage(runtime::TextView programPath);

// The script stored as the resource "Diz" of type "Qel" (only the Windows
// build has resources): a compiled image when the bytes end with one, else
// source text with one character per byte; null without such a resource.
runtime::CModule* LoadResourceScript();

// Compiled scripts kept beside the program file: its path with the extension
// ".qob", then ".qex", then, for a doubled extension (x.qex.exe), the path
// with the last extension dropped and the one before it changed to ".qex".
std::vector<runtime::Text> SiblingScriptNames(runtime::TextView programPath);
// The first of them that exists; empty when none does.
runtime::Text FindSiblingScript(runtime::TextView programPath);
