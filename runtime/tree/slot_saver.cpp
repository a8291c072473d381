#include "slot_saver.h"

#include <utility>
#include <vector>

#include "value_node.h"

namespace {

// One stack for the process: savers nest like the calls that own them, and
// its storage is reused from call to call.
std::vector<std::pair<Value**, Value*>> saved;

}  // namespace

CSlotSaver::CSlotSaver() : mark_(saved.size()) {}

void CSlotSaver::Save(CValue* node) {
  Value** slot = node->SlotAddress();
  saved.emplace_back(slot, *slot);
}

void CSlotSaver::Restore() {
  while (saved.size() > mark_) {
    *saved.back().first = saved.back().second;
    saved.pop_back();
  }
}
