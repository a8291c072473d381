// Semantic values of the parser: one per parse-stack entry.
#pragma once
#include <cstdint>
#include <stdexcept>

#include "../text.h"

class CNode;

// Where a token was written.
struct TSourceSpan {
  int32_t start = 0;  // characters consumed when the token was read, its own included
  int32_t length = 0;
  int32_t line = 0;
  int32_t column = 0;  // of the token's first character, from 1
};

struct TParseValue {
  TSourceSpan span;
  int token = 0;  // the code of the token read; a rule's value keeps its first token's
  Text text;
  CNode* node = nullptr;  // made by the tree builder; not owned here
};

// The values of the rule being reduced, numbered as yacc's $1..$n; $0, $-1,
// ... reach the values before them, which the empty marker rules need.
class TRuleValues {
public:
  TRuleValues(TParseValue* stack, int first, int length) : stack_(stack), first_(first), length_(length) {}
  int Length() const { return length_; }
  // Throws std::out_of_range past the rule's last value or below the stack.
  TParseValue& operator[](int i) const {
    const int index = first_ + i - 1;
    if (index < 0 || i > length_) throw std::out_of_range("no parser value at this offset");
    return stack_[index];
  }

private:
  TParseValue* stack_;
  int first_;
  int length_;
};
