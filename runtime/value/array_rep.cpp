#include "runtime/value/array_rep.h"

#include <cstring>
#include <new>

#include "runtime/error.h"

namespace runtime {

namespace {

// Limits that keep an array's storage addressable on 32-bit Windows.
constexpr int64_t kMaxValues = int64_t(1) << 26;
constexpr int64_t kMaxBytes = 0x3FFFFFF0;

int32_t CountElements(VarType type, std::span<const ArrayBound> bounds) {
  if (type != varVariantArray && type != varByteArray) RaiseError(QT("Unsupported array type"));
  if (bounds.empty()) RaiseError(QT("An array needs at least one dimension"));
  int64_t limit = type == varByteArray ? kMaxBytes : kMaxValues;
  int64_t count = 1;
  for (const ArrayBound& b : bounds) {
    if (b.count < 0 || int64_t(b.lower) + b.count - 1 > INT32_MAX) RaiseError(QT("Invalid array bounds"));
    count *= b.count;
    if (count > limit) RaiseError(QT("Array too large"));
  }
  return int32_t(count);
}

}  // namespace

ArrayRep::ArrayRep(VarType type, std::span<const ArrayBound> bounds, int32_t count)
    : type_(type), count_(count), bounds_(bounds.begin(), bounds.end()) {
  if (type == varByteArray)
    bytes_.resize(size_t(count));
  else
    values_.resize(size_t(count));
}

ArrayRep* ArrayRep::Make(VarType type, std::span<const ArrayBound> bounds) {
  return new ArrayRep(type, bounds, CountElements(type, bounds));
}

ArrayRep* ArrayRep::MakeBytes(std::string_view bytes) {
  if (bytes.size() > size_t(kMaxBytes)) RaiseError(QT("Array too large"));
  ArrayBound bound{0, int32_t(bytes.size())};
  ArrayRep* rep = Make(varByteArray, {&bound, 1});
  if (!bytes.empty()) std::memcpy(rep->Bytes(), bytes.data(), bytes.size());
  return rep;
}

ArrayRep* ArrayRep::Clone() const { return new ArrayRep(*this); }

// Arrays that an array's elements release while it is destroyed wait in a
// per-thread list, so that arrays nested in arrays are freed in a loop. The
// list is made only then and is a plain pointer, which outlives static
// destructors; out of memory for it, the array goes at once.
void ArrayRep::Release() {
  if (--refs_ > 0) return;
  thread_local constinit bool destroying = false;
  thread_local constinit std::vector<ArrayRep*>* pending = nullptr;
  if (destroying) {
    try {
      if (!pending) pending = new std::vector<ArrayRep*>();
      pending->push_back(this);
    } catch (const std::bad_alloc&) {
      delete this;
    }
    return;
  }
  destroying = true;
  delete this;
  if (pending) {
    while (!pending->empty()) {
      ArrayRep* next = pending->back();
      pending->pop_back();
      delete next;
    }
    delete pending;
    pending = nullptr;
  }
  destroying = false;
}

int32_t ArrayRep::Position(std::span<const int32_t> indexes) const {
  if (indexes.size() != bounds_.size()) RaiseError(QT("Wrong number of array indexes"));
  int32_t position = 0;
  int32_t stride = 1;
  for (size_t d = 0; d < bounds_.size(); ++d) {
    int64_t offset = int64_t(indexes[d]) - bounds_[d].lower;
    if (offset < 0 || offset >= bounds_[d].count) RaiseError(QT("Array index out of bounds"));
    position += int32_t(offset) * stride;
    stride *= bounds_[d].count;
  }
  return position;
}

}  // namespace runtime
