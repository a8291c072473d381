#include "platform/errors.h"

#include <string>

#include "platform/common/os.h"

namespace platform {
namespace {

// Windows texts end in ".\r\n"; both builds drop such endings alike.
std::u16string Trimmed(std::u16string text) {
  const auto end = text.find_last_not_of(u"\r\n. ");
  text.erase(end == std::u16string::npos ? 0 : end + 1);
  return text;
}

std::u16string UnknownText(int code) {
  const std::string number = std::to_string(code);
  return u"Unknown error " + std::u16string(number.begin(), number.end());
}

}  // namespace

std::u16string ErrorText(int code) {
  std::u16string text = Trimmed(detail::OsErrorText(code));
  return text.empty() ? UnknownText(code) : text;
}

std::u16string LastErrorText() { return ErrorText(LastError()); }

}  // namespace platform
