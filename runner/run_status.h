// The runner's exit status.
#pragma once

enum class RunStatus {
  kClean = 0,
  // A compile error was reported, an error stopped the script, or a file the
  // run needs could not be read.
  kFailed = 1,
  // No script was found: the usage text was shown.
  kNoScript = 2,
};
