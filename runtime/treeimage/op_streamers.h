// Records of operator nodes: unary (id 7: operand, operator code) and binary
// (8, and "and" and "or" at 9 and 10: the right operand, the inherited
// operand being the left one). The base operator node (6) reads as a value.
#pragma once
#include "treeimage/value_streamers.h"

class CUnaryOpStreamer : public CValueStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

class CBinaryOpStreamer : public CUnaryOpStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};
