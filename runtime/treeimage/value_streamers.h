// Records of value nodes, value lists, variable stacks and operator nodes.
#pragma once
#include <cstdint>

#include "runtime/image/base_streamers.h"
#include "runtime/image/streamer.h"
#include "runtime/text.h"
#include "runtime/treeimage/node_streamer.h"

namespace runtime {

// Records of value nodes (ids 23, 25, 27 and 6: the value), stack variables
// (26: function and variable stack), object values (32, 34, 35: members),
// copies (33: operand) and regex values (46: flags and pattern). Objects and
// regex values refer to themselves, whatever their record's value says.
class CFunction;

class CValueStreamer : public CNodeStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
};

// The stack writes to the variable's value slot, so it is the variable's
// alone; without one, the variable gets a stack on its function's levels.
class CStackVariableStreamer : public CValueStreamer {
public:
  // A variable with no stack yet.
  static CBase* NewNode(CStreamer& record);

  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;

private:
  CFunction* function_ = nullptr;
};

class CObjectValueStreamer : public CValueStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

class CCopyExprStreamer : public CValueStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

class CRegexValueStreamer : public CValueStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;

private:
  Text flags_;
  Text pattern_;
};

// Value lists (id 24): named lists of value nodes, read as named lists (id 3).
// Name tables and parameter lists hold variables only; their holders ask for
// that while the records load, before the lists finish.
class CValueListStreamer : public CNamedListStreamer {
public:
  void RequireVariables() { variablesOnly_ = true; }

protected:
  bool AcceptsItem(CBase* item) const override;

private:
  bool variablesOnly_ = false;
};

CBase* NewValueListNode(CStreamer& record);
// The streamer of a value-list record; any other record is a bad format.
CValueListStreamer& ValueListStreamerOf(const CStreamer& holder, int32_t record);

// Variable stacks (id 5): entry count and recursion levels. An image holds
// no running call, so the count is 0; the stack variable that takes the
// stack over binds it to its value.
class CVarStackStreamer : public CStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

// Records of operator nodes: unary (id 7: operand, operator code) and binary
// (8, and "and" and "or" at 9 and 10: the right operand, the inherited
// operand being the left one). The base operator node (6) reads as a value.
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

}  // namespace runtime
