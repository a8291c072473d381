// The message of the script error that a piece of test code raises.
#pragma once
#include <string>

#include "runtime/error.h"

using namespace runtime;

// In UTF-8; "no error" when the action raises none.
template <class Action>
std::string ErrorOf(Action&& action) {
  try {
    action();
  } catch (const EScriptError& error) {
    return error.what();
  }
  return "no error";
}
