// Closing forms, with and without a running loop, and the loop's ends.
#include <vector>

#include "kit_fixture.h"

using namespace runtime;

namespace kit_test {
namespace {

class KitLoop : public KitTest {};

// Refuses the first close and asks again by posting another.
void RefuseOnce(void* data, TKitControl& form, bool& accept) {
  int& asked = *static_cast<int*>(data);
  if (++asked == 1) {
    accept = false;
    PostClose(form);
  }
}

void Refuse(void* data, TKitControl&, bool& accept) {
  ++*static_cast<int*>(data);
  accept = false;
}

TEST_F(KitLoop, ACloseRefusedOnceThenAcceptedEndsTheLoop) {
  Held<TKitForm> form(NewForm(nullptr, QT("Close twice")));
  int asked = 0;
  SetOnClose(*form, &RefuseOnce, &asked);
  ASSERT_TRUE(CreateControlWindow(*form));
  HWND window = form->Window();
  PostClose(*form);
  {
    Watchdog watchdog(kPatience);
    RunMessageLoop(*form);
  }
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(form->Window(), nullptr);
  EXPECT_TRUE(Terminated());
  EXPECT_EQ(MainForm(), nullptr);
}

TEST_F(KitLoop, ARefusalCountsOnlyOnceALoopOrShowHasStarted) {
  for (uint8_t running : {0, 1}) {
    SCOPED_TRACE(running);
    ResetKitState();
    SetRunningCount(running);
    Held<TKitForm> form(NewHiddenForm(QT("Refusing")));
    int asked = 0;
    SetOnClose(*form, &Refuse, &asked);
    ASSERT_TRUE(CreateControlWindow(*form));
    HWND window = form->Window();
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(::IsWindow(window) != 0, running != 0);
    DestroyControl(*form);
    EXPECT_FALSE(::IsWindow(window));
  }
}

struct TwoForms {
  TKitControl* main = nullptr;
  TKitControl* second = nullptr;
  bool runningWhenSecondClosed = false;
  bool secondGoneThen = false;
};

constexpr UINT kSecondClosed = WM_USER + 7;

void SecondClosing(void* data, TKitControl&, bool&) {
  ::PostMessageW(static_cast<TwoForms*>(data)->main->Window(), kSecondClosed, 0, 0);
}

bool MainSeesSecondClosed(void* data, TKitControl&, TKitMessage& message) {
  auto& forms = *static_cast<TwoForms*>(data);
  if (message.message != kSecondClosed) return false;
  forms.runningWhenSecondClosed = !Terminated() && RunningCount() != 0;
  forms.secondGoneThen = forms.second->Window() == nullptr;
  PostClose(*forms.main);
  return true;
}

TEST_F(KitLoop, ClosingASecondFormKeepsTheLoopAndLaterFormsEndWithTheMainForm) {
  Held<TKitForm> main(NewForm(nullptr, QT("Main")));
  SetMainForm(main.get());
  Held<TKitForm> second(NewHiddenForm(QT("Second")));
  Held<TKitForm> third(NewHiddenForm(QT("Third, left open")));
  AttachToMainForm(*second);
  AttachToMainForm(*third);
  TwoForms forms{main.get(), second.get()};
  SetOnClose(*second, &SecondClosing, &forms);
  SetOnMessage(*main, &MainSeesSecondClosed, &forms);
  ASSERT_TRUE(CreateControlWindow(*second));
  ASSERT_TRUE(CreateControlWindow(*third));
  HWND thirdWindow = third->Window();
  PostClose(*second);
  {
    Watchdog watchdog(kPatience);
    RunMessageLoop(*main);
  }
  EXPECT_TRUE(forms.runningWhenSecondClosed);
  EXPECT_TRUE(forms.secondGoneThen);
  EXPECT_FALSE(::IsWindow(thirdWindow));
  EXPECT_TRUE(third->IsDestroyed());
}

struct Seen {
  std::vector<UINT> messages;
};

bool Record(void* data, TKitControl&, TKitMessage& message) {
  if (message.message == WM_NULL || message.message >= WM_USER)
    static_cast<Seen*>(data)->messages.push_back(message.message);
  return false;
}

TEST_F(KitLoop, AQueuedNullMessageEndsAPassOfProcessMessages) {
  Held<TKitForm> form(NewHiddenForm(QT("Passes")));
  Seen seen;
  SetOnMessage(*form, &Record, &seen);
  ASSERT_TRUE(CreateControlWindow(*form));
  ProcessMessages();
  seen.messages.clear();
  ::PostMessageW(form->Window(), WM_USER + 1, 0, 0);
  ::PostMessageW(form->Window(), WM_NULL, 0, 0);
  ::PostMessageW(form->Window(), WM_USER + 2, 0, 0);
  ProcessMessages();
  EXPECT_EQ(seen.messages, (std::vector<UINT>{WM_USER + 1, WM_NULL}));
  ProcessMessages();
  EXPECT_EQ(seen.messages, (std::vector<UINT>{WM_USER + 1, WM_NULL, WM_USER + 2}));
  // An empty queue: the pass returns at once.
  ProcessMessages();
  EXPECT_EQ(seen.messages.size(), 3u);
}

void RaiseInClose(void*, TKitControl&, bool&) { RaiseError(QT("close failed")); }

bool RaiseInMessage(void*, TKitControl&, TKitMessage& message) {
  if (message.message != WM_USER + 2) return false;
  RaiseError(QT("message failed"));
}

TEST_F(KitLoop, AScriptErrorInAnEventEndsTheLoopAndReachesTheCaller) {
  const struct {
    const char* name;
    bool inClose;
    const char* message;
  } cases[] = {{"OnClose", true, "close failed"}, {"OnMessage", false, "message failed"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetKitState();
    Held<TKitForm> form(NewForm(nullptr, QT("Failing")));
    if (c.inClose)
      SetOnClose(*form, &RaiseInClose, nullptr);
    else
      SetOnMessage(*form, &RaiseInMessage, nullptr);
    ASSERT_TRUE(CreateControlWindow(*form));
    HWND window = form->Window();
    if (c.inClose) {
      PostClose(*form);
    } else {
      // Sent: the procedure answers by default processing, never by unwinding.
      EXPECT_EQ(::SendMessageW(window, WM_USER + 2, 0, 0), 0);
      EXPECT_TRUE(host::ErrorRelay::Pending());
    }
    std::string raised;
    {
      Watchdog watchdog(kPatience);
      try {
        RunMessageLoop(*form);
      } catch (const EScriptError& error) {
        raised = std::string(error.Message().begin(), error.Message().end());
      }
    }
    EXPECT_EQ(raised, c.message);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_FALSE(host::ErrorRelay::Pending());
  }
}

TEST_F(KitLoop, CloseMainFormEndsTheFormAndLaterLoopsReturnAtOnce) {
  Held<TKitForm> form(NewHiddenForm(QT("Ended")));
  int asked = 0;
  SetOnClose(*form, &Refuse, &asked);
  SetMainForm(form.get());
  SetRunningCount(1);
  ASSERT_TRUE(CreateControlWindow(*form));
  HWND window = form->Window();
  CloseMainForm();
  EXPECT_EQ(asked, 1);  // asked, but refusing no longer counts
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_TRUE(Terminated());
  EXPECT_EQ(RunningCount(), 0);
  EXPECT_EQ(MainForm(), nullptr);

  Held<TKitForm> later(NewForm(nullptr, QT("Too late")));
  RunMessageLoop(*later);
  EXPECT_EQ(later->Window(), nullptr);
}

}  // namespace
}  // namespace kit_test
