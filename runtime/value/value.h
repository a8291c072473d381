// Type codes of script values (the OLE variant codes plus the runtime's own).
#pragma once
#include <cstdint>

#include "runtime/base/base.h"
#include "runtime/text.h"
#include "runtime/value/text_rep.h"

namespace runtime {

using VarType = uint16_t;

enum : VarType {
  varEmpty = 0,
  varNull = 1,
  varSmallint = 2,
  varInteger = 3,
  varSingle = 4,
  varDouble = 5,
  varCurrency = 6,
  varDate = 7,
  varOleStr = 8,
  varDispatch = 9,
  varError = 10,
  varBoolean = 11,
  varVariant = 12,
  varUnknown = 13,
  varShortInt = 16,
  varByte = 17,
  varWord = 18,
  varLongWord = 19,
  varInt64 = 20,
  varUInt64 = 21,
  varString = 256,   // 8-bit text with its code page
  varUString = 258,  // UTF-16 text
  varObject = 2010,         // plain interpreter-object reference
  varCountedObject = 2011,  // counted interpreter-object reference
  varArray = 0x2000,
  varByRef = 0x4000,
  varTypeMask = 0x0FFF,
};

// A script value: 16 bytes in the OLE VARIANT layout (type code, three reserved
// words, then the payload at offset 8). Copy and clear are the runtime's own.
class ArrayRep;

// The text buffer of the build's own kind.
using BuildTextRep = TextRep<Char>;

// Array value types: a variant array and a byte array.
inline constexpr VarType varVariantArray = varArray | varVariant;
inline constexpr VarType varByteArray = varArray | varByte;

class Value {
public:
  Value() : type_(varEmpty), reserved_{}, bits_(0) {}
  Value(const Value& other) : type_(other.type_), reserved_{}, bits_(other.bits_) {
    if (NeedsClear(type_)) TakeReference();
  }
  Value(Value&& other) noexcept : type_(other.type_), reserved_{}, bits_(other.bits_) { other.Forget(); }
  ~Value() { if (NeedsClear(type_)) ClearSlow(); }

  Value& operator=(const Value& other) {
    // Numbers and plain references are copied inline: they own nothing.
    if (!NeedsClear(type_) && !NeedsClear(other.type_)) {
      type_ = other.type_;
      bits_ = other.bits_;
      return *this;
    }
    return AssignSlow(other);
  }
  Value& operator=(Value&& other) noexcept {
    if (this != &other) {
      Clear();
      type_ = other.type_;
      bits_ = other.bits_;
      other.Forget();
    }
    return *this;
  }

  VarType Type() const { return type_; }
  bool IsEmpty() const { return type_ == varEmpty; }

  void Clear() { if (NeedsClear(type_)) ClearSlow(); else Forget(); }
  void SetNull() { Clear(); type_ = varNull; }
  void SetInt(int32_t v) { Clear(); type_ = varInteger; bits_ = 0; i32_ = v; }
  void SetDouble(double v) { Clear(); type_ = varDouble; dbl_ = v; }
  void SetDate(double v) { Clear(); type_ = varDate; dbl_ = v; }
  void SetBool(bool v) { Clear(); type_ = varBoolean; bits_ = 0; i16_ = v ? -1 : 0; }
  void SetInt64(int64_t v) { Clear(); type_ = varInt64; i64_ = v; }
  void SetUInt32(uint32_t v) { Clear(); type_ = varLongWord; bits_ = 0; u32_ = v; }
  void SetSingle(float v) { Clear(); type_ = varSingle; bits_ = 0; f32_ = v; }
  // Currency: the amount times 10000.
  void SetCurrency(int64_t scaled) { Clear(); type_ = varCurrency; i64_ = scaled; }
  // Sets a payload as it stands, for the integer and floating types.
  void SetRaw(VarType type, uint64_t bits) { Clear(); type_ = type; bits_ = bits; }

  // Texts: the build's own kind (UTF-16 in qelu, 8-bit in qel).
  void SetText(TextView text);
  void SetUString(std::u16string_view text);
  void SetAnsiString(std::string_view text, uint16_t codePage);
  // Takes over one reference of a buffer.
  void AdoptText(TextRep16* rep, VarType type = varUString);
  void AdoptText(TextRep8* rep);
  // A text of the kind concatenation makes: UTF-16 in qelu, 8-bit in the
  // default code page in qel.
  bool HoldsBuildText() const;
  // Such a text whose buffer no other value shares, so it may grow in place.
  bool OwnsText() const;
  // Appends in place to a text the value owns; tail must not lie in it.
  void AppendOwnText(TextView tail);

  // Object references: plain ones do not keep the object alive.
  void SetObject(CBase* object);
  void SetCountedObject(CBase* object);
  void SetObjectRef(CBase* object, VarType type);

  // COM interfaces (varDispatch, varUnknown): takes over one reference; a
  // null interface makes an empty value.
  void AdoptInterface(void* unknown, VarType type = varDispatch);

  // Arrays (varVariantArray, varByteArray): copies share the buffer until one
  // of them asks for a mutable array. Adopting takes over one reference.
  void AdoptArray(ArrayRep* rep);
  ArrayRep* Array() const { return static_cast<ArrayRep*>(ptr_); }
  // The array for writing, first copied when it is shared; null for a non-array.
  ArrayRep* MutableArray();

  int32_t AsInt32Raw() const { return i32_; }
  uint32_t AsUInt32Raw() const { return u32_; }
  int64_t AsInt64Raw() const { return i64_; }
  double AsDoubleRaw() const { return dbl_; }
  int16_t AsBoolRaw() const { return i16_; }
  int8_t AsInt8Raw() const { return i8_; }
  uint8_t AsUInt8Raw() const { return u8_; }
  int16_t AsInt16Raw() const { return i16_; }
  uint16_t AsUInt16Raw() const { return u16_; }
  uint64_t AsUInt64Raw() const { return bits_; }
  float AsSingleRaw() const { return f32_; }
  int64_t AsCurrencyRaw() const { return i64_; }
  uint64_t Bits() const { return bits_; }
  TextRep16* Text16() const { return static_cast<TextRep16*>(ptr_); }
  TextRep8* Text8() const { return static_cast<TextRep8*>(ptr_); }
  void* Pointer() const { return ptr_; }
  // The object of a 2010 or 2011 value, else null.
  CBase* AsObject() const {
    return type_ == varObject || type_ == varCountedObject ? static_cast<CBase*>(ptr_) : nullptr;
  }

private:
  // Types whose payload owns nothing: below varOleStr, varError, varBoolean,
  // varShortInt to varUInt64 (a bit mask, as every copy asks), and varObject.
  static constexpr uint32_t kPlainBelow32 = 0xFFu | 1u << varError | 1u << varBoolean | 0x3Fu << varShortInt;
  static bool IsPlain(VarType t) { return t < 32 ? (kPlainBelow32 >> t) & 1 : t == varObject; }
  static bool NeedsClear(VarType t) { return !IsPlain(t); }
  // The copy's own reference to what the payload points at.
  void TakeReference();
  Value& AssignSlow(const Value& other);
  void ClearSlow();
  void Forget() { type_ = varEmpty; bits_ = 0; }

  VarType type_;
  [[maybe_unused]] uint16_t reserved_[3];
  union {
    uint64_t bits_;
    int32_t i32_;
    uint32_t u32_;
    int16_t i16_;
    uint16_t u16_;
    int8_t i8_;
    uint8_t u8_;
    float f32_;
    int64_t i64_;
    double dbl_;
    void* ptr_;
  };
};

static_assert(sizeof(Value) == 16, "script values keep the OLE variant size");

// Object references in values, for code that works on raw values.
CBase* VariantObject(const Value& value);
void ClearCountedObject(Value& value);
void SetVariantObject(Value& value, CBase* object, VarType type);

// The shared empty value for nodes and operators that have none of their own.
const Value& DefaultValue();

}  // namespace runtime
