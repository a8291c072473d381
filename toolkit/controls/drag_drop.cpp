#include "toolkit/controls/drag_drop.h"

#include "toolkit/core/messages.h"

namespace toolkit {

DragAction DropSource::QueryContinueDrag(bool escapePressed, std::uint32_t keys) {
  if (escapePressed) return DragAction::Cancel;
  if (!(keys & (mkLButton | mkRButton | mkMButton))) return DragAction::Drop;
  return DragAction::Continue;
}

bool DropSource::GiveFeedback(DropEffects) { return true; }

}  // namespace toolkit
