// Records of value nodes (ids 23, 25, 27 and 6: the value), stack variables
// (26: function and variable stack), object values (32, 34, 35: members),
// copies (33: operand) and regex values (46: flags and pattern). Objects and
// regex values refer to themselves, whatever their record's value says.
#pragma once
#include "text.h"
#include "treeimage/node_streamer.h"

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
