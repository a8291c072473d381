// Where a module file named by "use" is: the name itself when it exists or is
// absolute, else beside the importing module, else in the "lib" and then the
// "app" folder beside the running program.
#pragma once
#include "runtime/text.h"

namespace runtime {

class CModule;

Text FindModuleFile(TextView name, const CModule* importing);
// The absolute name with "." and ".." resolved; the name itself when that fails.
Text ExpandFileName(TextView name);
bool ModuleFileExists(TextView path);
// The folder part of a path, its last separator ("\" or "/") included.
Text FolderOf(TextView path);

}  // namespace runtime
