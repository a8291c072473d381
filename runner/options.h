// The runner's command-line options. An option is an argument that starts
// with an option prefix ("-"; on Windows also "/") with the option's name
// directly after it, matched case-sensitively; the rest, less one ":" or "="
// that has more after it, is the value, and an empty value reads "true". The
// first matching argument wins.
#pragma once
#include <vector>

#include "runtime/text.h"

class CRunnerOptions {
public:
  // The arguments after the program's own path; position 1 is the first.
  explicit CRunnerOptions(std::vector<runtime::Text> arguments) : arguments_(std::move(arguments)) {}

  const std::vector<runtime::Text>& Arguments() const { return arguments_; }
  // Empty when no argument names the option.
  runtime::Text GetOption(runtime::TextView name) const;
  // Without the option and with a position above 0: the first argument from
  // that position on that is not an option.
  runtime::Text GetOptionOrArg(runtime::TextView name, int position) const;
  // Read as the values' text-to-boolean conversion does; what does not
  // convert is false.
  bool GetBoolOption(runtime::TextView name, int position) const;

private:
  std::vector<runtime::Text> arguments_;
};

bool IsOptionArgument(runtime::TextView argument);

// Key aliases: qelu loads the file that the "key" option names before the
// script compiles; qel has no key-alias table and reads no such option. An
// unreadable file raises.
void LoadKeyOption(const CRunnerOptions& options);
