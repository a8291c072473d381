// The runtime's failure: an exception that carries a message text.
#pragma once
#include <exception>
#include <string>
#include "runtime/text.h"

namespace runtime {

class EScriptError : public std::exception {
public:
  explicit EScriptError(Text message);
  const Text& Message() const { return message_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

private:
  Text message_;
  std::string utf8_;
};

[[noreturn]] void RaiseError(Text message);

// The script error a failed allocation (std::bad_alloc, or std::length_error
// from a container asked for more than it can hold) stands for: "Out of
// memory". Scripts catch it with try like any other.
Text OutOfMemoryMessage();
bool IsOutOfMemory(const std::exception& error);

}  // namespace runtime
