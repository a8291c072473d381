// Records of compounds (ids 21 and 36: the body block) and of the choice and
// try statements: select (37: conditions and else block), case (38: "@" and
// selector) and try (44: "@", except and finally blocks).
#pragma once
#include "treeimage/node_streamer.h"

class CCompoundStreamer : public CLineStatementStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
};

// Conditions are value nodes in an owning list, one per branch block.
class CSelectNodeStreamer : public CCompoundStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

class CCaseNodeStreamer : public CSelectNodeStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

// An except block without its "@" variable gets one, as on its first use.
class CTryNodeStreamer : public CCompoundStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;

private:
  int32_t exceptRecord_ = 0;
};
