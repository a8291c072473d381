// The runner's context: script output goes to the runner's output.
#pragma once
#include "lib/runner.h"

class CConsoleRunner : public CRunner {
public:
  // Callbacks bound with "thread" get a console runner with a chain of its own.
  CContext* NewContext() override;
  void Print(TextView text) override;
};
