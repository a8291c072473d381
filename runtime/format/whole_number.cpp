#include "whole_number.h"

#include "../value/value.h"

namespace {

WholeNumber Signed(int64_t v, bool wide) { return {v < 0, v < 0 ? 0 - uint64_t(v) : uint64_t(v), wide}; }

}  // namespace

bool WholeNumberOf(const Value& v, WholeNumber& out) {
  switch (v.Type()) {
    case varSmallint: out = Signed(v.AsInt16Raw(), false); return true;
    case varInteger: out = Signed(v.AsInt32Raw(), false); return true;
    case varShortInt: out = Signed(v.AsInt8Raw(), false); return true;
    case varByte: out = Signed(v.AsUInt8Raw(), false); return true;
    case varWord: out = Signed(v.AsUInt16Raw(), false); return true;
    case varLongWord: out = Signed(v.AsUInt32Raw(), false); return true;
    case varInt64: out = Signed(v.AsInt64Raw(), true); return true;
    case varUInt64: out = {false, v.AsUInt64Raw(), true}; return true;
    default: return false;
  }
}
