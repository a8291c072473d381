// Input from outside the program, driven by tests: the mouse and its wheel,
// and files dropped from the shell.
#include "toolkit/headless/headless_backend.h"

namespace toolkit::headless {

namespace {
// A non-client mouse message lies this far below its client-area twin.
constexpr std::uint32_t kNonClientOffset = msg::MouseMove - msg::NcMouseMove;
}  // namespace

void HeadlessBackend::SendMouse(std::uint32_t msg, Point screen, std::uintptr_t keys) {
  cursor_ = screen;
  const WindowHandle target = capture_ ? capture_ : WindowFromPoint(screen);
  if (!target) return;
  if (!capture_) {
    const std::intptr_t hit = SendMessage(target, msg::NcHitTest, 0, PackPoint(screen.x, screen.y));
    SendMessage(target, msg::SetCursor, target, hit);
    if (hit != ht::Client && msg >= msg::MouseMove && msg <= msg::MButtonDblClk) {
      SendMessage(target, msg - kNonClientOffset, static_cast<std::uintptr_t>(hit), PackPoint(screen.x, screen.y));
      return;
    }
  }
  const Point client = ScreenToClient(target, screen);
  SendMessage(target, msg, keys, PackPoint(client.x, client.y));
}

void HeadlessBackend::MouseMove(Point screen, std::uintptr_t keys) { SendMouse(msg::MouseMove, screen, keys); }

void HeadlessBackend::MouseButton(std::uint32_t msg, Point screen, std::uintptr_t keys) {
  SendMouse(msg, screen, keys);
}

void HeadlessBackend::MouseWheel(Point screen, int delta, std::uintptr_t keys) {
  cursor_ = screen;
  const WindowHandle target = focus_ ? focus_ : WindowFromPoint(screen);
  if (!target) return;
  const std::uintptr_t wParam = (keys & 0xFFFF) | static_cast<std::uintptr_t>(static_cast<std::uint16_t>(delta)) << 16;
  SendMessage(target, msg::MouseWheel, wParam, PackPoint(screen.x, screen.y));
}

std::uintptr_t HeadlessBackend::DropFiles(WindowHandle window, Point client, std::vector<String> names) {
  // The shell hands the drop to the nearest window that accepts files.
  const Point screen = ClientToScreen(window, client);
  WindowRecord* record = Window(window);
  while (record && !record->acceptsFiles) {
    window = record->parent;
    record = Window(window);
  }
  if (!record) return 0;
  const std::uintptr_t drop = nextDrop_++;
  drops_[drop] = {ScreenToClient(window, screen), std::move(names)};
  SendMessage(window, msg::DropFiles, drop, 0);
  return drop;
}

void HeadlessBackend::AcceptFiles(WindowHandle window, bool accept) {
  if (WindowRecord* record = Window(window)) record->acceptsFiles = accept;
}

DroppedFiles HeadlessBackend::ReadDroppedFiles(std::uintptr_t drop) {
  const auto it = drops_.find(drop);
  return it == drops_.end() ? DroppedFiles{} : it->second;
}

void HeadlessBackend::ReleaseDrop(std::uintptr_t drop) { drops_.erase(drop); }

}  // namespace toolkit::headless
