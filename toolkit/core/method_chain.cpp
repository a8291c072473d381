#include "toolkit/core/method_chain.h"

namespace toolkit {

bool NotifyEventChain::FireOne(const NotifyEvent& handler) {
  try {
    handler(sender_);
    return true;
  } catch (const std::exception& error) {
    if (!OnException) throw;
    bool continueFiring = true;
    OnException(sender_, error, continueFiring);
    return continueFiring;
  }
}

void NotifyEventChain::FireAll() {
  handlers_.ForEach([this](const NotifyEvent& handler) { return FireOne(handler); });
}

}  // namespace toolkit
