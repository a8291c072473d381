#include "runner/options.h"

#include "runtime/parse/key_alias.h"
#include "runtime/value/text_forms.h"

using namespace runtime;

namespace {

#ifdef _WIN32
constexpr TextView kOptionPrefixes = QT("-/");
#else
// An absolute path starts with "/".
constexpr TextView kOptionPrefixes = QT("-");
#endif

Text ValueAfterName(TextView rest) {
  if (rest.size() > 1 && (rest[0] == Char(':') || rest[0] == Char('='))) rest.remove_prefix(1);
  return rest.empty() ? Text(QT("true")) : Text(rest);
}

}  // namespace

bool IsOptionArgument(TextView argument) {
  return !argument.empty() && kOptionPrefixes.find(argument[0]) != TextView::npos;
}

Text CRunnerOptions::GetOption(TextView name) const {
  for (const Text& argument : arguments_) {
    if (!IsOptionArgument(argument)) continue;
    const TextView named = TextView(argument).substr(1);
    if (named.starts_with(name)) return ValueAfterName(named.substr(name.size()));
  }
  return {};
}

Text CRunnerOptions::GetOptionOrArg(TextView name, int position) const {
  Text value = GetOption(name);
  if (!value.empty() || position <= 0) return value;
  for (size_t i = size_t(position) - 1; i < arguments_.size(); ++i)
    if (!IsOptionArgument(arguments_[i])) return arguments_[i];
  return {};
}

bool CRunnerOptions::GetBoolOption(TextView name, int position) const {
  Value text;
  text.SetText(GetOptionOrArg(name, position));
  return BoolOfText(text).value_or(false);
}

#ifdef QEL_ANSI

void LoadKeyOption(const CRunnerOptions&) {}

#else

void LoadKeyOption(const CRunnerOptions& options) {
  const Text fileName = options.GetOptionOrArg(QT("key"), 0);
  if (!fileName.empty()) LoadKeyAliases(fileName);
}

#endif
