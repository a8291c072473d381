// "x": a text repeated, reversed or with its code units sorted.
#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "../tree/value_node.h"
#include "../value/convert.h"
#include "../value/text_rep.h"
#include "builtin_args.h"
#include "builtin_handlers.h"

namespace {

// The size is checked before anything is allocated, so a huge count fails
// at once instead of exhausting memory.
void SetRepeated(const Text& text, int32_t count, Value& result) {
  const uint64_t length = uint64_t(text.size()) * uint64_t(count);
  CheckBuiltTextLength(length);
  TextRep<Char>* rep = TextRep<Char>::Allocate(size_t(length), 0, 0);
  for (int32_t i = 0; i < count && !text.empty(); ++i)
    std::memcpy(rep->data + size_t(i) * text.size(), text.data(), text.size() * sizeof(Char));
  result.AdoptText(rep);
}

// A counting sort: one counter per possible code unit.
Text Sorted(const Text& text) {
  std::vector<size_t> counts(size_t(std::numeric_limits<std::make_unsigned_t<Char>>::max()) + 1);
  for (Char c : text) ++counts[CodeUnit(c)];
  Text sorted;
  sorted.reserve(text.size());
  for (size_t unit = 0; unit < counts.size(); ++unit) sorted.append(counts[unit], Char(unit));
  return sorted;
}

}  // namespace

void DoX(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const Text text = ReceiverText(receiver);
  CValue* countArg = ArgAt(args, 0);
  const int32_t n = countArg ? ToInt32(countArg->ValueRef()) : 0;
  if (n >= 0) return SetRepeated(text, n, result);
  if (n == -1) return result.SetText(Text(text.rbegin(), text.rend()));
  result.SetText(n == -2 ? Sorted(text) : Text());
}
