// Kit windows: class names, creation order, the order in which a message is
// offered, appearance read back from the system, and the lifetime of a
// control whose window goes while it is in use.
#include <vector>

#include "kit_fixture.h"

using namespace runtime;

namespace kit_test {
namespace {

class KitWindow : public KitTest {};

const RECT kButtonBounds{10, 10, 110, 40};

TEST_F(KitWindow, ParentsAreMadeFirstAndClassesAreNamedAfterTheKind) {
  Held<TKitForm> form(NewHiddenForm(QT("Classes")));
  Held<TKitSystemControl> button(NewSystemControl(*form, "Button", L"BUTTON", QT("Press"), kButtonBounds));
  Held<TKitSystemControl> label(NewSystemControl(*form, "Label", L"STATIC", QT("Text"), {10, 50, 110, 70}));
  EXPECT_EQ(KitClassName(*form), "obj_Form");
  ASSERT_TRUE(CreateControlWindow(*button));
  ASSERT_NE(form->Window(), nullptr);
  EXPECT_EQ(ClassOf(form->Window()), L"obj_Form");
  EXPECT_EQ(ClassOf(button->Window()), L"obj_Button");
  EXPECT_EQ(::GetParent(button->Window()), form->Window());
  // The form made its other children after itself.
  ASSERT_NE(label->Window(), nullptr);
  EXPECT_EQ(ClassOf(label->Window()), L"obj_Label");
  // The system class does the default processing: the button knows its text.
  wchar_t text[16] = {};
  ::GetWindowTextW(button->Window(), text, 16);
  EXPECT_EQ(std::wstring(text), L"Press");
  EXPECT_EQ(::SendMessageW(button->Window(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // A child of a parent without a window is not made alone.
  Held<TKitSystemControl> orphan(new TKitSystemControl("Button", L"BUTTON", QT("Alone")));
  EXPECT_FALSE(CreateControlWindow(*orphan));
  DestroyControl(*form);
  EXPECT_EQ(button->Window(), nullptr);
  EXPECT_EQ(form->Children().size(), 0u);
}

struct Offer {
  std::vector<std::string> seen;
  UINT claimedByMain = 0;
  UINT claimedByOwn = 0;
};

Offer* offer = nullptr;

bool MainOnMessage(void* data, TKitControl&, TKitMessage& message) {
  if (message.message < WM_USER) return false;
  auto& o = *static_cast<Offer*>(data);
  o.seen.push_back("main");
  if (message.message != o.claimedByMain) return false;
  message.result = 11;
  return true;
}

bool OwnOnMessage(void* data, TKitControl&, TKitMessage& message) {
  if (message.message < WM_USER) return false;
  auto& o = *static_cast<Offer*>(data);
  o.seen.push_back("own");
  if (message.message != o.claimedByOwn) return false;
  message.result = 22;
  return true;
}

bool FirstHandler(TKitControl&, TKitMessage& message) {
  if (message.message < WM_USER) return false;
  offer->seen.push_back("handler");
  if (message.message != WM_USER + 5) return false;
  message.result = 33;
  return true;
}

TEST_F(KitWindow, AMessageIsOfferedToTheMainFormThenTheControlThenItsHandlers) {
  Held<TKitForm> main(NewHiddenForm(QT("Main")));
  Held<TKitForm> other(NewHiddenForm(QT("Other")));
  Offer o;
  offer = &o;
  o.claimedByMain = WM_USER + 3;
  o.claimedByOwn = WM_USER + 4;
  SetMainForm(main.get());
  SetOnMessage(*main, &MainOnMessage, &o);
  SetOnMessage(*other, &OwnOnMessage, &o);
  other->AddHandler(&FirstHandler);
  ASSERT_TRUE(CreateControlWindow(*main));
  ASSERT_TRUE(CreateControlWindow(*other));
  const struct {
    uint8_t running;
    UINT message;
    LRESULT result;
    std::vector<std::string> seen;
  } cases[] = {
      {0, WM_USER + 3, 0, {"own", "handler"}},
      {1, WM_USER + 3, 11, {"main"}},
      {1, WM_USER + 4, 22, {"main", "own"}},
      {1, WM_USER + 5, 33, {"main", "own", "handler"}},
      {1, WM_USER + 6, 0, {"main", "own", "handler"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message - WM_USER);
    SetRunningCount(c.running);
    o.seen.clear();
    EXPECT_EQ(::SendMessageW(other->Window(), c.message, 0, 0), c.result);
    EXPECT_EQ(o.seen, c.seen);
  }
  offer = nullptr;
}

struct ChildSeen {
  HWND child = nullptr;
  bool seenByMain = false;
};

bool CloseOnChildMessage(void* data, TKitControl&, TKitMessage& message) {
  if (message.message != WM_USER + 8) return false;
  auto& seen = *static_cast<ChildSeen*>(data);
  seen.seenByMain = message.window == seen.child;
  PostClose(*MainForm());
  return true;
}

TEST_F(KitWindow, TheMainFormSeesAChildsMessagesWhileTheLoopRuns) {
  Held<TKitForm> main(NewForm(nullptr, QT("Main")));
  Held<TKitSystemControl> button(NewSystemControl(*main, "Button", L"BUTTON", QT("Child"), kButtonBounds));
  ChildSeen seen;
  SetOnMessage(*main, &CloseOnChildMessage, &seen);
  ASSERT_TRUE(CreateControlWindow(*main));
  seen.child = button->Window();
  ::PostMessageW(button->Window(), WM_USER + 8, 0, 0);
  {
    Watchdog watchdog(kPatience);
    RunMessageLoop(*main);
  }
  EXPECT_TRUE(seen.seenByMain);
}

TEST_F(KitWindow, AlphaAndTopMostAreTheWindowsExtendedStyles) {
  Held<TKitForm> early(NewHiddenForm(QT("Set before making")));
  SetTopMost(*early, true);
  SetAlphaBlend(*early, 200);
  ASSERT_TRUE(CreateControlWindow(*early));
  const LONG earlyStyle = ::GetWindowLongW(early->Window(), GWL_EXSTYLE);
  EXPECT_TRUE(earlyStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(earlyStyle & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(early->Window(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 200);
  EXPECT_TRUE(flags & LWA_ALPHA);

  Held<TKitForm> form(NewHiddenForm(QT("Set on the window")));
  ASSERT_TRUE(CreateControlWindow(*form));
  HWND window = form->Window();
  EXPECT_FALSE(::GetWindowLongW(window, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TOPMOST));
  SetAlphaBlend(*form, 128);
  SetTopMost(*form, true);
  EXPECT_TRUE(::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_TRUE(::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  ASSERT_TRUE(::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 128);
  SetAlphaBlend(*form, 255);
  SetTopMost(*form, false);
  EXPECT_FALSE(::GetWindowLongW(window, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TOPMOST));
  for (int bad : {0, 256, -1}) EXPECT_THROW(SetAlphaBlend(*form, bad), EScriptError) << bad;
}

TEST_F(KitWindow, SizeCentreShowAndHide) {
  Held<TKitForm> form(NewForm(nullptr, QT("Placed")));
  SetControlSize(*form, 300, 200);
  CenterControl(*form);
  ASSERT_NE(form->Window(), nullptr);
  RECT outer{};
  ::GetWindowRect(form->Window(), &outer);
  EXPECT_EQ(outer.right - outer.left, 300);
  EXPECT_EQ(outer.bottom - outer.top, 200);
  EXPECT_EQ(outer.left, (::GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
  EXPECT_EQ(outer.top, (::GetSystemMetrics(SM_CYSCREEN) - 200) / 2);
  SetControlSize(*form, 0, 150);
  ::GetWindowRect(form->Window(), &outer);
  EXPECT_EQ(outer.right - outer.left, 300);
  EXPECT_EQ(outer.bottom - outer.top, 150);
  // A child aligned to fill the client area follows the form's size.
  Held<TKitSystemControl> fill(NewSystemControl(*form, "Label", L"STATIC", QT(""), {}));
  ASSERT_TRUE(CreateControlWindow(*fill));
  SetAlign(*fill, kAlignClient);
  SetControlSize(*form, 400, 0);
  RECT client{};
  RECT filled{};
  ::GetClientRect(form->Window(), &client);
  ::GetClientRect(fill->Window(), &filled);
  EXPECT_EQ(filled.right, client.right);
  EXPECT_EQ(filled.bottom, client.bottom);

  HideControl(*form);
  EXPECT_FALSE(IsControlVisible(*form));
  ShowAndActivate(*form);
  EXPECT_TRUE(IsControlVisible(*form));
}

TEST_F(KitWindow, ParentChangeMovesTheWindow) {
  Held<TKitForm> first(NewHiddenForm(QT("First")));
  Held<TKitForm> second(NewHiddenForm(QT("Second")));
  Held<TKitSystemControl> button(NewSystemControl(*first, "Button", L"BUTTON", QT("Moving"), kButtonBounds));
  ASSERT_TRUE(CreateControlWindow(*button));
  button->SetParent(second.get());
  EXPECT_EQ(first->Children().size(), 0u);
  ASSERT_EQ(second->Children().size(), 1u);
  ASSERT_NE(second->Window(), nullptr);
  EXPECT_EQ(::GetParent(button->Window()), second->Window());
  EXPECT_THROW(second->SetParent(button.get()), EScriptError);
  EXPECT_THROW(button->SetParent(button.get()), EScriptError);
  EXPECT_EQ(button->Parent(), second.get());
  // The first form no longer takes the button with it.
  DestroyControl(*first);
  EXPECT_TRUE(::IsWindow(button->Window()));
  EXPECT_FALSE(button->IsDestroyed());
}

// Counts itself: the destructor says when the memory went.
class Probe : public TKitForm {
public:
  Probe(bool* gone, bool* aliveAfterDestroy) : TKitForm(QT("Probe")), gone_(gone), alive_(aliveAfterDestroy) {}
  ~Probe() override { *gone_ = true; }
  void AfterMessage(const TKitMessage& message) override {
    if (message.message == WM_USER + 9) *alive_ = !*gone_ && IsDestroyed() && Window() == nullptr;
  }

private:
  bool* gone_;
  bool* alive_;
};

bool DestroyOwnWindow(void*, TKitControl& control, TKitMessage& message) {
  if (message.message != WM_USER + 9) return false;
  ::DestroyWindow(control.Window());
  // The control is still whole here, with its window gone.
  message.result = control.IsDestroyed() ? 9 : 0;
  return true;
}

TEST_F(KitWindow, AWindowDestroyedInItsOwnHandlerFreesTheControlOnlyAfterTheLastHolder) {
  for (bool scriptHolds : {false, true}) {
    SCOPED_TRACE(scriptHolds);
    bool gone = false;
    bool aliveAfterDestroy = false;
    auto* probe = new Probe(&gone, &aliveAfterDestroy);
    probe->style &= ~DWORD(WS_VISIBLE);
    SetOnMessage(*probe, &DestroyOwnWindow, nullptr);
    ASSERT_TRUE(CreateControlWindow(*probe));
    HWND window = probe->Window();
    if (!scriptHolds) probe->Release();  // only the window holds it now
    EXPECT_FALSE(gone);
    EXPECT_EQ(::SendMessageW(window, WM_USER + 9, 0, 0), 9);
    EXPECT_TRUE(aliveAfterDestroy);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(gone, !scriptHolds);
    if (scriptHolds) {
      EXPECT_EQ(probe->Window(), nullptr);
      probe->Release();
      EXPECT_TRUE(gone);
    }
  }
}

// qel's windows are ANSI windows, whose procedures get text messages in the
// system code page.
TEST_F(KitWindow, TheWindowsAreOfTheBuildsCharacterForm) {
  constexpr bool eightBit = sizeof(Char) == 1;
  Held<TKitForm> form(NewHiddenForm(QT("Form")));
  Held<TKitSystemControl> edit(NewSystemControl(*form, "Edit", L"EDIT", QT("x"), kButtonBounds));
  ASSERT_TRUE(CreateControlWindow(*edit));
  EXPECT_EQ(::IsWindowUnicode(form->Window()) != FALSE, !eightBit);
  EXPECT_EQ(::IsWindowUnicode(edit->Window()) != FALSE, !eightBit);
  WNDCLASSA ansiClass{};
  EXPECT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), "obj_Form", &ansiClass));
  static_assert(api::kSetFolderSelection == (eightBit ? 0x466u : 0x467u));
  DestroyControl(*form);
}

TEST_F(KitWindow, StringToBstrGoesThroughTheSystemCodePage) {
  const std::string longName(3000, 'k');
  for (const std::string& text : {std::string("obj_Form"), std::string(), longName}) {
    BSTR made = StringToBstr(text);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(::SysStringLen(made), text.size());
    EXPECT_EQ(std::wstring(made, ::SysStringLen(made)), std::wstring(text.begin(), text.end()));
    ::SysFreeString(made);
  }
}

}  // namespace
}  // namespace kit_test
