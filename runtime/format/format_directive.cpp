#include "format_directive.h"

#include <cstdint>
#include <string_view>

#include "format_error.h"
#include "pattern_text.h"
#include "whole_number.h"

namespace {

constexpr std::string_view kTypes = "duxpefgns";

bool IsDigit(Char c) { return c >= Char('0') && c <= Char('9'); }

bool IsDirectiveBody(Char c) {
  return IsDigit(c) || c == Char('*') || c == Char(':') || c == Char('-') || c == Char('.');
}

// The length of a count at k: digits or a single "*".
size_t CountLength(TextView body, size_t k) {
  if (k < body.size() && body[k] == Char('*')) return 1;
  size_t n = 0;
  while (k + n < body.size() && IsDigit(body[k + n])) ++n;
  return n;
}

class DirectiveReader {
public:
  DirectiveReader(Directive& d, TextView body, FormatArguments& args) : d_(d), body_(body), args_(args) {}

  void Read() {
    size_t n = CountLength(body_, k_);
    if (n > 0 && k_ + n < body_.size() && body_[k_ + n] == Char(':')) {
      args_.MoveTo(size_t(ReadCount()));
      ++k_;
    }
    if (k_ < body_.size() && body_[k_] == Char('-')) {
      d_.leftAlign = true;
      ++k_;
    }
    if (CountLength(body_, k_) > 0) ReadWidth();
    if (k_ < body_.size() && body_[k_] == Char('.')) {
      ++k_;
      d_.precision = ReadCount();
      if (d_.precision < 0) d_.precision = -1;
    }
    if (k_ != body_.size()) RaiseDirectiveError(d_.text, "bad directive");
    if (d_.width > kMaxFieldSize || d_.precision > kMaxFieldSize)
      RaiseDirectiveError(d_.text, "width or precision above 4096");
  }

private:
  void ReadWidth() {
    int width = ReadCount();
    d_.leftAlign = d_.leftAlign || width < 0;
    d_.width = width < 0 ? (width < -kMaxFieldSize ? kMaxFieldSize + 1 : -width) : width;
  }

  // Digits (0 when there are none) or the integer argument of a "*".
  int ReadCount() {
    if (k_ < body_.size() && body_[k_] == Char('*')) {
      ++k_;
      return args_.NextCount(d_.text);
    }
    int value = 0;
    for (; k_ < body_.size() && IsDigit(body_[k_]); ++k_)
      value = value > kMaxFieldSize * 1000 ? value : value * 10 + int(body_[k_] - Char('0'));
    return value;
  }

  Directive& d_;
  TextView body_;
  FormatArguments& args_;
  size_t k_ = 0;
};

}  // namespace

const Value& FormatArguments::Next(TextView directive) {
  if (next_ >= values_.size()) RaiseMissingArgument(directive, values_.size());
  return values_[next_++];
}

int FormatArguments::NextCount(TextView directive) {
  const Value& v = Next(directive);
  WholeNumber n;
  if (!WholeNumberOf(v, n)) RaiseArgumentMismatch(directive, "an integer", v);
  if (n.magnitude > uint64_t(INT32_MAX)) return n.negative ? INT32_MIN + 1 : INT32_MAX;
  return n.negative ? -int(n.magnitude) : int(n.magnitude);
}

Directive ReadDirective(TextView pattern, size_t start, FormatArguments& args, size_t& end) {
  Directive d;
  end = start + 1;
  while (end < pattern.size() && IsDirectiveBody(pattern[end])) ++end;
  if (end == pattern.size()) RaiseDirectiveError(pattern.substr(start), "incomplete directive");
  d.text = pattern.substr(start, end - start + 1);
  Char type = LowerAscii(pattern[end]);
  if (CodeUnit(type) >= 0x80 || kTypes.find(char(type)) == std::string_view::npos)
    RaiseDirectiveError(d.text, "unknown type");
  d.type = char(type);
  DirectiveReader(d, pattern.substr(start + 1, end - start - 1), args).Read();
  ++end;
  return d;
}
