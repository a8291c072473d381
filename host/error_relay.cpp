#include "host/error_relay.h"

namespace host {

namespace {

// Per thread: foreign code calls back on the thread that called it.
thread_local std::exception_ptr kept;

}  // namespace

bool ErrorRelay::Pending() { return kept != nullptr; }

void ErrorRelay::RaisePending() {
  if (!kept) return;
  std::exception_ptr error = std::move(kept);
  kept = nullptr;
  std::rethrow_exception(error);
}

void ErrorRelay::Discard() { kept = nullptr; }

void ErrorRelay::Keep(std::exception_ptr error) noexcept {
  if (!kept) kept = std::move(error);
}

}  // namespace host
