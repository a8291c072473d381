#include "try_node.h"

#include <exception>
#include <new>
#include <stdexcept>

#include "../error.h"
#include "../lib/context.h"
#include "block.h"
#include "held_variable.h"
#include "variable.h"

CTryNode::~CTryNode() {
  ReleaseObject(message_);
  ReleaseObject(finally_);
  ReleaseObject(except_);
}

CBlock* CTryNode::MakeExcept() {
  if (!except_) {
    except_ = new CBlock(this);
    message_ = DeclareHeld(except_, QT("@"));
  }
  return except_;
}

CBlock* CTryNode::MakeFinally() {
  if (!finally_) finally_ = new CBlock(this);
  return finally_;
}

// The finally block runs outside any handler; an error it raises replaces
// the pending one.
void CTryNode::Execute(CContext& context) {
  std::exception_ptr pending;
  try {
    RunGuarded(context);
  } catch (...) {
    pending = std::current_exception();
  }
  if (finally_) finally_->Execute(context);
  if (pending) std::rethrow_exception(pending);
}

void CTryNode::RunGuarded(CContext& context) {
  Text message;
  try {
    Body()->Execute(context);
    return;
  } catch (const EScriptError& error) {
    message = error.Message();
  } catch (const std::bad_alloc&) {
    message = OutOfMemoryMessage();
  } catch (const std::length_error&) {
    message = OutOfMemoryMessage();
  }
  if (!except_) RaiseError(std::move(message));
  RunExcept(context, message);
}

void CTryNode::RunExcept(CContext& context, TextView message) {
  context.SaveCurrentNode();
  Value text;
  text.SetText(message);
  message_->SetValue(text);
  except_->Execute(context);
}
