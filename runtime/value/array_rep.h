// Shared, counted storage of an array value: its bounds and its elements,
// script values for a variant array, bytes for a byte array. Elements are
// stored with the first index varying fastest, as OLE arrays are.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/value/value.h"

namespace runtime {

struct ArrayBound {
  int32_t lower;
  int32_t count;
};

class ArrayRep {
public:
  // A new array of empty values or zero bytes; one reference, held by the caller.
  static ArrayRep* Make(VarType type, std::span<const ArrayBound> bounds);
  // A one-dimensional byte array indexed from 0.
  static ArrayRep* MakeBytes(std::string_view bytes);
  ArrayRep* Clone() const;

  void AddRef() { ++refs_; }
  void Release();
  int32_t RefCount() const { return refs_; }

  VarType Type() const { return type_; }
  int32_t DimCount() const { return int32_t(bounds_.size()); }
  const ArrayBound& Bound(int32_t dim) const { return bounds_[dim]; }
  int32_t Count() const { return count_; }

  // The position of the element with one index per dimension; raises when
  // an index is out of its bounds or the number of indexes is wrong.
  int32_t Position(std::span<const int32_t> indexes) const;
  Value& Element(int32_t position) { return values_[position]; }
  const Value& Element(int32_t position) const { return values_[position]; }
  uint8_t* Bytes() { return bytes_.data(); }
  const uint8_t* Bytes() const { return bytes_.data(); }

private:
  ArrayRep(VarType type, std::span<const ArrayBound> bounds, int32_t count);
  // A copy with its own single reference.
  ArrayRep(const ArrayRep& other)
      : type_(other.type_), count_(other.count_), bounds_(other.bounds_), values_(other.values_), bytes_(other.bytes_) {}

  int32_t refs_ = 1;
  VarType type_;
  int32_t count_;
  std::vector<ArrayBound> bounds_;
  std::vector<Value> values_;
  std::vector<uint8_t> bytes_;
};

}  // namespace runtime
