#include "key_option.h"

#include "options.h"
#include "parse/key_alias.h"

#ifdef QEL_ANSI

void LoadKeyOption(const CRunnerOptions&) {}

#else

void LoadKeyOption(const CRunnerOptions& options) {
  const Text fileName = options.GetOptionOrArg(QT("key"), 0);
  if (!fileName.empty()) LoadKeyAliases(fileName);
}

#endif
