// Printf-like formatting of script values, the "format" of a text.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "runtime/text.h"
#include "runtime/value/value.h"
#include "runtime/format/format_support.h"

namespace runtime {

// Printf-like formatting of script values, the "format" of a text: each
// directive (see format_directive.h) takes the next argument, "%%" is "%".
//
//   %d %u %x %p  integers: signed, unsigned, upper-case hex, 8 hex digits;
//                the precision is the least number of digits
//   %f %n        fixed decimals (2 by default); n puts "," between thousands
//   %e           exponent form, precision significant digits (15 by default)
//   %g           the shorter of fixed and exponent form (15 digits by default)
//   %s           the argument's text, cut to the precision
//
// Type letters count in either case; "-" aligns left in the width.

// Raises an error for a bad directive, an argument that does not fit its
// directive, and too few arguments; extra arguments are ignored.
Text FormatText(TextView pattern, std::span<const Value> arguments);

// One directive of a text pattern: "%" [index ":"] ["-"] [width] ["." precision]
// type, where index, width and precision may be "*" to take them from the
// next argument.

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

// One directive of a text pattern applied to its argument.

// d, u, x and p take the integer types; e, f, g and n take numbers and
// dates; s takes anything that has a text. Another argument raises an error.
// The result is padded with spaces to the directive's width.
Text FormatField(const Directive& d, const Value& argument);

// The floating directives of text patterns, in ASCII. A number that rounds
// to zero loses its sign; NaN and infinities are "NaN", "INF" and "-INF".

// "-1234.50": decimals digits after the point, with "," between thousands
// when grouped.
std::string FixedText(Decimal d, int decimals, bool grouped);
// "-1.2345E+003": digits significant digits, the exponent with a sign and
// at least three digits.
std::string ScientificText(Decimal d, int digits);
// At most digits significant digits without trailing zeros, in exponent form
// ("1.5E-7", "1E+15") when the number is below 0.00001 or has more whole
// digits than that.
std::string GeneralText(Decimal d, int digits);

// Values of the integer types read as a sign and a magnitude, for the
// integer directives of text patterns.
class Value;

struct WholeNumber {
  bool negative = false;
  uint64_t magnitude = 0;
  bool wide = false;  // a 64-bit type
};

// False for any other type, Booleans too.
bool WholeNumberOf(const Value& v, WholeNumber& out);

}  // namespace runtime
