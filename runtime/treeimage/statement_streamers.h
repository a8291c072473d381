// Records of the one-line statements: jumps (ids 14, 15, 42, 43, 45: value
// expression and target), assignments (16), expression statements (17) and
// print statements (18).
#pragma once
#include "treeimage/node_streamer.h"

class CJumpStmtStreamer : public CLineStatementStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
};

class CAssignStmtStreamer : public CLineStatementStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

class CExprStmtStreamer : public CLineStatementStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

class CPrintStmtStreamer : public CExprStmtStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
};
