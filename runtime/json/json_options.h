// How "@toJson" writes an object.
#pragma once
#include <cstdint>

struct TJsonOptions {
  // Nesting levels laid out one member per line; 0 writes one line, and a
  // negative format writes only the values, run together.
  int32_t format = 0;
  // Strict JSON instead of the language's own literal notation.
  bool json = false;
  // qel only: a byte above 128 leads a two-byte character whose second byte
  // is copied unescaped.
  bool gbk = false;
};
