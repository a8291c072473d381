#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "toolkit/controls/form.h"

using namespace toolkit;
using toolkit::headless::Summaries;

namespace {

class Hinted : public CustomControl {
 public:
  Hinted(Component* owner, int left) : CustomControl(owner) { SetBounds(left, 10, 100, 40); }
  bool refuse = false;
  int halfHeight = 0;  // when set, the hint belongs to the top half only
  int pause = -1;      // when set, the pause before the hint shows

 protected:
  void Dispatch(Message& message) override {
    if (message.msg == cm::HintShow) {
      auto* info = reinterpret_cast<HintInfo*>(message.lParam);
      if (halfHeight) info->cursorRect = {0, 0, Width(), halfHeight};
      message.result = refuse ? 1 : 0;
      return;
    }
    if (message.msg == cm::HintShowPause && pause >= 0) {
      *reinterpret_cast<int*>(message.lParam) = pause;
      return;
    }
    CustomControl::Dispatch(message);
  }
};

struct HintFixture : HeadlessTest {
  void SetUp() override {
    HeadlessTest::SetUp();
    form = std::make_unique<Form>(nullptr);
    form->SetBounds(0, 0, 400, 200);
    left = new Hinted(form.get(), 10);
    left->SetParent(form.get());
    left->SetHint(u"Left|Shown in a status bar");
    right = new Hinted(form.get(), 200);
    right->SetParent(form.get());
    right->SetHint(u"Right");
    form->SetShowHint(true);
    form->Show();
    backend->PumpAll();
  }
  HintWindow* Window() const { return TheApplication().CurrentHintWindow(); }
  bool Showing() const { return TheApplication().HintShowing(); }

  std::unique_ptr<Form> form;
  Hinted* left = nullptr;
  Hinted* right = nullptr;
};

TEST_F(HintFixture, ShowsTheShortHintAfterThePauseAndHidesItLater) {
  backend->MouseMove({20, 20});
  backend->AdvanceClock(499);
  EXPECT_FALSE(Showing());
  backend->AdvanceClock(1);
  ASSERT_TRUE(Showing());
  EXPECT_EQ(Window()->Caption(), u"Left");
  // Below the cursor, sized for the text (4 cells of 5 x 11 plus the margins).
  EXPECT_EQ(Window()->BoundsRect(), (Rect{20, 40, 20 + 20 + 6, 40 + 11 + 4}));
  backend->PumpAll();
  EXPECT_NE(Summaries(backend->Drawing(Window()->Handle())).find("\"Left\""), std::string::npos);
  backend->AdvanceClock(2499);
  EXPECT_TRUE(Showing());
  backend->AdvanceClock(1);
  EXPECT_FALSE(Showing());
}

TEST_F(HintFixture, TheControlMayChooseThePauseBeforeItsHint) {
  left->pause = 100;
  backend->MouseMove({20, 20});
  backend->AdvanceClock(99);
  EXPECT_FALSE(Showing());
  backend->AdvanceClock(1);
  EXPECT_TRUE(Showing());
}

TEST_F(HintFixture, MovingToAnotherControlWhileShownUsesTheShortPause) {
  backend->MouseMove({20, 20});
  backend->AdvanceClock(500);
  ASSERT_TRUE(Showing());
  backend->MouseMove({210, 20});
  EXPECT_FALSE(Showing());
  backend->AdvanceClock(50);
  ASSERT_TRUE(Showing());
  EXPECT_EQ(Window()->Caption(), u"Right");
  // Leaving every hinted control hides it and nothing comes back.
  backend->MouseMove({150, 150});
  EXPECT_FALSE(Showing());
  backend->AdvanceClock(5000);
  EXPECT_FALSE(Showing());
}

TEST_F(HintFixture, MovingOutOfTheCursorRectangleReshowsAfterTheShortPause) {
  left->halfHeight = 20;
  backend->MouseMove({20, 12});
  backend->AdvanceClock(500);
  ASSERT_TRUE(Showing());
  backend->MouseMove({21, 13});  // still inside the part
  EXPECT_TRUE(Showing());
  backend->MouseMove({21, 45});  // the lower half
  EXPECT_FALSE(Showing());
  backend->AdvanceClock(50);
  EXPECT_TRUE(Showing());
}

TEST_F(HintFixture, TheControlOrTheApplicationMayRefuseOrChangeTheHint) {
  left->refuse = true;
  backend->MouseMove({20, 20});
  backend->AdvanceClock(1000);
  EXPECT_FALSE(Showing());
  left->refuse = false;

  struct Changer {
    void Show(String& text, bool& canShow, HintInfo& info) {
      text = u"Changed";
      info.hideTimeout = 100;
      canShow = true;
    }
  } changer;
  TheApplication().OnShowHint = ShowHintEvent(&changer, &Changer::Show);
  backend->MouseMove({210, 20});
  backend->AdvanceClock(500);
  ASSERT_TRUE(Showing());
  EXPECT_EQ(Window()->Caption(), u"Changed");
  backend->AdvanceClock(100);
  EXPECT_FALSE(Showing());
}

TEST_F(HintFixture, SwitchingHintsOffDropsTheWindowAndParentShowHintFollows) {
  backend->MouseMove({20, 20});
  backend->AdvanceClock(500);
  ASSERT_NE(Window(), nullptr);
  TheApplication().SetShowHint(false);
  EXPECT_EQ(Window(), nullptr);
  backend->MouseMove({210, 20});
  backend->AdvanceClock(1000);
  EXPECT_EQ(Window(), nullptr);
  TheApplication().SetShowHint(true);

  form->SetShowHint(false);  // the controls follow their parent
  backend->MouseMove({20, 20});
  backend->AdvanceClock(1000);
  EXPECT_FALSE(Showing());
  left->SetShowHint(true);
  backend->MouseMove({21, 20});
  backend->AdvanceClock(500);
  EXPECT_TRUE(Showing());
}

class BigHint : public HintWindow {
 public:
  using HintWindow::HintWindow;
  Rect CalcHintRect(int, const String&, void*) override { return {0, 0, 300, 100}; }
};

TEST_F(HintFixture, AHintWindowClassOfItsOwnIsKeptOnTheScreen) {
  TheApplication().SetHintWindowClass([](Component* owner) -> HintWindow* { return new BigHint(owner); });
  form->SetBounds(900, 650, 120, 100);
  left->SetBounds(0, 0, 120, 100);
  backend->MouseMove({1000, 700});
  backend->AdvanceClock(500);
  ASSERT_TRUE(Showing());
  EXPECT_NE(dynamic_cast<BigHint*>(Window()), nullptr);
  EXPECT_EQ(Window()->BoundsRect(), (Rect{724, 628, 1024, 728}));  // inside the work area
}

TEST_F(HintFixture, AFreedHintControlCancelsThePendingHint) {
  backend->MouseMove({20, 20});
  delete left;
  backend->AdvanceClock(1000);
  EXPECT_FALSE(Showing());
  EXPECT_EQ(TheApplication().HintControl(), nullptr);
}

TEST_F(HintFixture, TheApplicationHintIsTheLongHintUnderTheMouseEvenWithPopupsOff) {
  struct Listener {
    std::vector<String> heard;
    void Hint(Object*) { heard.push_back(TheApplication().Hint()); }
  } listener;
  TheApplication().OnHint = NotifyEvent(&listener, &Listener::Hint);
  TheApplication().SetShowHint(false);
  form->SetHint(u"Form|The whole form");
  backend->MouseMove({20, 20});
  backend->MouseMove({21, 20});  // unchanged: not told again
  backend->MouseMove({210, 20});
  backend->MouseMove({150, 150});  // the form itself
  right->SetHint(u"");
  backend->MouseMove({210, 20});  // no hint of its own: the parent's
  EXPECT_EQ(listener.heard, (std::vector<String>{u"Shown in a status bar", u"Right", u"The whole form"}));
  EXPECT_EQ(TheApplication().Hint(), u"The whole form");
  EXPECT_EQ(Window(), nullptr);
  form->SetHint(u"");
  backend->MouseMove({211, 20});
  EXPECT_EQ(TheApplication().Hint(), u"");
  EXPECT_EQ(listener.heard.size(), 4u);
}

TEST(HintTextTest, ShortAndLongParts) {
  EXPECT_EQ(GetShortHint(u"Open|Opens a file"), u"Open");
  EXPECT_EQ(GetLongHint(u"Open|Opens a file"), u"Opens a file");
  EXPECT_EQ(GetShortHint(u"Plain"), u"Plain");
  EXPECT_EQ(GetLongHint(u"Plain"), u"Plain");
  EXPECT_EQ(GetLongHint(u"a|b|c"), u"b|c");
}

}  // namespace
