// One directive of a text pattern: "%" [index ":"] ["-"] [width] ["." precision]
// type, where index, width and precision may be "*" to take them from the
// next argument.
#pragma once
#include <span>

#include "../text.h"
#include "../value/value.h"

// The arguments of a text pattern, taken in order; an index moves the next one.
class FormatArguments {
public:
  explicit FormatArguments(std::span<const Value> values) : values_(values) {}

  const Value& Next(TextView directive);
  // An integer argument, for a "*".
  int NextCount(TextView directive);
  void MoveTo(size_t index) { next_ = index; }

private:
  std::span<const Value> values_;
  size_t next_ = 0;
};

struct Directive {
  TextView text;  // "%-8.3f", for messages
  bool leftAlign = false;
  int width = 0;
  int precision = -1;  // -1: the type's default
  char type = 0;       // in lower case: d u x p e f g n s
};

// Widths and precisions stop here, so a short pattern cannot ask for a huge text.
inline constexpr int kMaxFieldSize = 4096;

// Reads the directive whose "%" is at start, taking the arguments its "*"
// stand for; end is set after it. A bad directive raises an error.
Directive ReadDirective(TextView pattern, size_t start, FormatArguments& args, size_t& end);
