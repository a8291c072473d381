// The operators of the operator table. The values are the codes compiled
// images store (one byte each), so they never change; a code read from an
// image that names no operator has no routine.
#pragma once

namespace runtime {

enum class Operator : char16_t {
  kNone = 0,
  kAdd = '+',
  kSubtract = '-',
  kMultiply = '*',
  kDivide = '/',
  kDiv = 'd',
  kMod = 'm',
  kPower = '^',
  kJoin = '&',
  kEqual = '=',
  kUnequal = '!',
  kLess = '<',
  kGreater = '>',
  kNotGreater = 'l',
  kNotLess = 'g',
  kIn = 'i',
  kMatch = '~',
  kNoMatch = '$',
  kNot = 'n',
  kAnd = 'a',
  kOr = 'o',
  kXor = 'x',
  kBitNot = 'N',
  kBitAnd = 'A',
  kBitOr = 'O',
  kBitXor = 'X',
  kShiftLeft = 'L',
  kShiftRight = 'R',
};

}  // namespace runtime
