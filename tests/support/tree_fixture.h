// The fixture of the tree tests: a builder, a recording runner context, and a
// check that every node and object made by the test is gone afterwards.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "support/live_object.h"
#include "support/program_builder.h"
#include "support/recording_context.h"
#include "runtime/tree/function.h"

using namespace runtime;

// The nodes alive before the test builds anything.
struct NodesAtStart {
  int32_t nodesBefore_ = CNode::LiveCount();
};

class TreeTest : public ::testing::Test, protected NodesAtStart, public ProgramBuilder {
protected:
  TreeTest() : context_(new RecordingContext()) { SetCurrentContext(context_); }

  void TearDown() override {
    ReleaseTree();
    SetCurrentContext(nullptr);
    context_->Release();
    EXPECT_EQ(CNode::LiveCount(), nodesBefore_) << "nodes left alive";
    EXPECT_EQ(LiveObject::alive, 0) << "objects left alive";
  }

  RecordingContext& Context() { return *context_; }

  // Runs the main module and gives what it printed.
  std::string Run() {
    Module()->Execute(*context_);
    return context_->Output();
  }

  // Runs the main module as a call (every time) and gives the error message.
  std::string RunError() {
    try {
      Module()->Call(*context_, nullptr);
    } catch (const EScriptError& e) {
      return e.what();
    }
    return "no error";
  }

  // Calls a function as host code does, with integer arguments.
  const Value& Invoke(CNode* callable, std::initializer_list<int32_t> args) {
    std::vector<Value> values(args.size());
    size_t i = 0;
    for (int32_t arg : args) values[i++].SetInt(arg);
    return CallWithArgs(callable, *context_, values.data(), int32_t(values.size()));
  }

  // Prints afresh from here on.
  std::string Again() {
    context_->output.clear();
    Module()->Call(*context_, nullptr);
    return context_->Output();
  }

private:
  RecordingContext* context_;
};
