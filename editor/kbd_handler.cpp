#include "editor/kbd_handler.h"

namespace editor {

void TCodeEditKbdHandler::RunKeyPressChain(toolkit::Object* sender, toolkit::Char& key) {
  KeyPressChain.ForEachFromLast([&](const auto& handler) {
    handler(sender, key);
    return key != 0;
  });
}

void TCodeEditKbdHandler::RunKeyDownChain(toolkit::Object* sender, std::uint16_t& key, toolkit::ShiftState shift) {
  KeyDownChain.ForEachFromLast([&](const auto& handler) {
    handler(sender, key, shift);
    return key != 0;
  });
}

void TCodeEditKbdHandler::RunKeyUpChain(toolkit::Object* sender, std::uint16_t& key, toolkit::ShiftState shift) {
  KeyUpChain.ForEachFromLast([&](const auto& handler) {
    handler(sender, key, shift);
    return key != 0;
  });
}

void TCodeEditKbdHandler::RunMouseDownChain(toolkit::Object* sender, toolkit::MouseButton button,
                                            toolkit::ShiftState shift, int x, int y) {
  MouseDownChain.ForEachFromLast([&](const auto& handler) {
    handler(sender, button, shift, x, y);
    return true;
  });
}

void TCodeEditKbdHandler::RunMouseUpChain(toolkit::Object* sender, toolkit::MouseButton button,
                                          toolkit::ShiftState shift, int x, int y) {
  MouseUpChain.ForEachFromLast([&](const auto& handler) {
    handler(sender, button, shift, x, y);
    return true;
  });
}

void TCodeEditKbdHandler::RunMouseCursorChain(toolkit::Object* sender, const BufferPos& position, int& cursor) {
  MouseCursorChain.ForEachFromLast([&](const auto& handler) {
    handler(sender, position, cursor);
    return true;
  });
}

}  // namespace editor
