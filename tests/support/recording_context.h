// A runner context that records what the script prints.
#pragma once
#include <string>

#include "runtime/lib/library_chain.h"

using namespace runtime;

class RecordingContext : public CRunner {
public:
  RecordingContext() { WantStatements(); }
  void Print(TextView text) override { output.append(text.begin(), text.end()); }
  void BeforeStatement(CNode* node) override {
    ++statements;
    CRunner::BeforeStatement(node);
  }

  // The output as ASCII, for short expectations.
  std::string Output() const { return std::string(output.begin(), output.end()); }

  Text output;
  int statements = 0;
};
