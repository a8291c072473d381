// Execution context: told which statement runs next, prints the script's
// output and answers calls of named operations on values.
#pragma once
#include "runtime/base/base.h"
#include "runtime/text.h"

namespace runtime {

class CBlock;
class CNode;
class CValueList;
class Value;

// How a member operation reaches the library chain.
enum class CallKind { kCall = 1, kRead = 2, kWrite = 4 };

class CContext : public CBase {
public:
  // Not handled unless a subclass knows the name; result comes in null.
  virtual bool Call(CNode* receiver, TextView name, CallKind kind, Value& result, CValueList* args);
  // A new context of the same kind, owned by the caller.
  virtual CContext* NewContext();
  virtual void Print(TextView text);
  // Called before each statement only for contexts that asked for it with
  // WantStatements; the others just have the node recorded.
  virtual void BeforeStatement(CNode* node);
  // For a program that follows the run statement by statement (a debugger);
  // the runtime itself never calls it.
  virtual void AfterStatement(CNode* node, bool entering);

  // Text comparisons of case branches and value comparison ignore case.
  bool IsCaseSensitive() const { return false; }
  // The statement hook of the blocks and loops: console runs pay one test.
  void EnterStatement(CNode* node) {
    if (wantsStatements_)
      BeforeStatement(node);
    else
      currentNode_ = node;
  }
  // A return, exit or next under way: every block it passes stops after the
  // statement that ran, loops it passes end, and the target block ends it.
  void StartJump(CBlock* target) { jumpTarget_ = target; }
  CBlock* JumpTarget() const { return jumpTarget_; }
  void EndJump() { jumpTarget_ = nullptr; }

  void SaveCurrentNode() { savedNode_ = currentNode_; }
  CNode* CurrentNode() const { return currentNode_; }
  CNode* SavedNode() const { return savedNode_; }

protected:
  // For subclasses that override BeforeStatement, from their constructor.
  void WantStatements() { wantsStatements_ = true; }

private:
  CNode* currentNode_ = nullptr;
  CBlock* jumpTarget_ = nullptr;
  bool wantsStatements_ = false;
  CNode* savedNode_ = nullptr;
};

// The context of the running program, set by whoever starts a run and
// cleared when the run ends; member reads and writes on COM objects go
// through it. Not counted: the setter keeps it alive.
CContext* CurrentContext();
void SetCurrentContext(CContext* context);

}  // namespace runtime
