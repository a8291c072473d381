// Node images in tests: the node records registered, a context that records
// what a tree prints and stops it after a number of statements, and a check
// that every node a test made is gone by its end.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "runtime/lib/context.h"
#include "support/bad_format_message.h"
#include "runtime/text.h"
#include "runtime/tree/node.h"

using namespace runtime;

namespace runtime {
class CModule;
}  // namespace runtime

// Prints into a text; raises once its statements are spent, so that a
// damaged tree that loops forever still ends.
class CBoundedContext : public CContext {
public:
  explicit CBoundedContext(int32_t statements) : left_(statements) { WantStatements(); }

  void Print(TextView text) override { output.append(text); }
  void BeforeStatement(CNode* node) override;

  Text output;

private:
  int32_t left_;
};

// What the module prints, then the message of the error that stops it.
std::string RunModule(CModule* module, int32_t statements = 100000);
// The same with the runner's libraries, as the process-wide context.
std::string RunWithLibraries(CModule* module);
// The output of the image's module, or "refused: " and the message.
std::string LoadAndRun(std::string image, int32_t statements = 100000);

// Counts the nodes alive when it is made, before any other base of a
// fixture builds a tree.
class NodeImageTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override { EXPECT_EQ(CNode::LiveCount(), nodesBefore_) << "nodes outlived their tree"; }

private:
  int32_t nodesBefore_ = CNode::LiveCount();
};
