#include <gtest/gtest.h>

#include <string>

#include "editor/kbd_handler.h"

using namespace editor;

namespace {

class KeyListener : public toolkit::Object {
 public:
  KeyListener(char name, std::string& log) : name_(name), log_(log) {}
  void KeyDown(toolkit::Object*, std::uint16_t& key, toolkit::ShiftState) {
    log_ += name_;
    if (swallow) key = 0;
    if (onKey) onKey();
  }
  void MouseDown(toolkit::Object*, toolkit::MouseButton, toolkit::ShiftState, int, int) { log_ += name_; }
  TKeyEvent KeyEvent() { return TKeyEvent(this, &KeyListener::KeyDown); }
  bool swallow = false;
  std::function<void()> onKey;

 private:
  char name_;
  std::string& log_;
};

class KbdHandlerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (KeyListener* listener : {&a, &b, &c}) handler.KeyDownChain.Add(listener->KeyEvent());
  }
  std::uint16_t Press() {
    std::uint16_t key = u'K';
    handler.RunKeyDownChain(nullptr, key, 0);
    return key;
  }

  std::string log;
  KeyListener a{'a', log}, b{'b', log}, c{'c', log};
  TCodeEditKbdHandler handler;
};

TEST_F(KbdHandlerTest, LastAddedRunsFirstAndASwallowedKeyStopsTheChain) {
  EXPECT_EQ(Press(), u'K');
  EXPECT_EQ(log, "cba");
  log.clear();
  b.swallow = true;
  EXPECT_EQ(Press(), 0);
  EXPECT_EQ(log, "cb") << "a, added before b, never sees the key";
}

TEST_F(KbdHandlerTest, MouseChainsCallEveryHandler) {
  handler.MouseDownChain.Add(TMouseEvent(&a, &KeyListener::MouseDown));
  handler.MouseDownChain.Add(TMouseEvent(&b, &KeyListener::MouseDown));
  handler.RunMouseDownChain(nullptr, toolkit::MouseButton::Left, 0, 1, 2);
  EXPECT_EQ(log, "ba");
  handler.RunMouseUpChain(nullptr, toolkit::MouseButton::Left, 0, 1, 2);
  EXPECT_EQ(log, "ba") << "the up chain is another list";
}

TEST_F(KbdHandlerTest, AChainDoesNotReenterItself) {
  c.onKey = [&] { Press(); };
  Press();
  EXPECT_EQ(log, "cba");
  c.onKey = nullptr;
  log.clear();
  Press();
  EXPECT_EQ(log, "cba") << "the running mark is cleared";
}

TEST_F(KbdHandlerTest, HandlersChangingTheChainWhileItRuns) {
  c.onKey = [&] {
    handler.KeyDownChain.Remove(b.KeyEvent());
    handler.KeyDownChain.Add(b.KeyEvent());
  };
  Press();
  EXPECT_EQ(log, "ca") << "b was removed before its turn; its new entry waits";
  c.onKey = nullptr;
  log.clear();
  Press();
  EXPECT_EQ(log, "bca");
}

TEST_F(KbdHandlerTest, TheMarkIsClearedWhenAHandlerThrows) {
  c.onKey = [] { throw std::runtime_error("boom"); };
  EXPECT_THROW(Press(), std::runtime_error);
  c.onKey = nullptr;
  log.clear();
  Press();
  EXPECT_EQ(log, "cba");
}

}  // namespace
