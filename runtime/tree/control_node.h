// Base of the select, loop and try statements.
#pragma once
#include "compound.h"

class CControlNode : public CCompound {
public:
  using CCompound::CCompound;
  ClassId Id() const override { return ClassId::kControlNode; }
};
