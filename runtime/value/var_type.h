// Type codes of script values (the OLE variant codes plus the runtime's own).
#pragma once
#include <cstdint>

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
