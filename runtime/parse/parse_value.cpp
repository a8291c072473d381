#include "parse_value.h"

#include <stdexcept>

TParseValue& TRuleValues::operator[](int i) const {
  const int index = first_ + i - 1;
  if (index < 0 || i > length_) throw std::out_of_range("no parser value at this offset");
  return stack_[index];
}
