#include "char_class.h"

#include <string_view>

bool IsOperatorChar(int c) {
  constexpr std::string_view kOperatorChars = "!#%&*+-/<=>?\\^|~";
  return c > 0 && c < 128 && kOperatorChars.find(static_cast<char>(c)) != std::string_view::npos;
}
