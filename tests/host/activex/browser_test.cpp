// The browser host: the system's browser control made and activated in a
// form (Wine has no HTML engine here, so no page ever loads), the document
// host handler's answers, the navigation hook with a fake document, and the
// keyboard filter with windows of the test's own.
#include <string>
#include <vector>

#include "activex_fixture.h"
#include "fake_web_browser.h"
#include "host/browser/doc_host_handler.h"
#include "host/browser/keyboard_filter.h"
#include "host/browser/web_browser.h"
#include "host/com/variant_convert.h"
#include "host/error_relay.h"
#include "runtime/error.h"

namespace activex_test {
namespace {

using namespace host::browser;
using host::kit::TKitForm;

// {8856F961-340A-11D0-A96B-00C04FD705A2}
constexpr CLSID kWebBrowserClass = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};

class Browser : public ActiveXTest {};

void PutProperty(TKitWebBrowser& browser, const wchar_t* name, const VARIANT& value) {
  BSTR key = SysAllocString(name);
  ASSERT_EQ(browser.WebBrowser()->PutProperty(key, value), S_OK);
  SysFreeString(key);
}

TEST_F(Browser, TheSystemBrowserIsMadeAndActivatedInItsForm) {
  Held<TKitForm> form(kit_test::NewHiddenForm(QT("Browser")));
  Held<TKitWebBrowser> browser(CreateBrowserControl(form.get()));
  host::kit::SetAlign(*browser, host::kit::kAlignClient);
  ASSERT_TRUE(host::kit::CreateControlWindow(*form));
  ASSERT_NE(browser->Window(), nullptr);
  EXPECT_EQ(::GetParent(browser->Window()), form->Window());
  // Wine's in-place window; with no page it has no inner windows to filter.
  EXPECT_EQ(kit_test::ClassOf(browser->Window()), L"Shell Embedding");
  EXPECT_EQ(host::kit::ControlOfWindow(browser->Window()), browser.get());
  EXPECT_NE(browser->InPlaceObject(), nullptr);
  EXPECT_NE(browser->HostHandler(), nullptr);
  IDispatch* application = BrowserApplication(browser.get());
  ASSERT_NE(application, nullptr);
  application->Release();
  EXPECT_EQ(BrowserApplication(nullptr), nullptr);
  // No page has loaded: the navigation hook finds no document and does nothing.
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  EXPECT_EQ(browser->Site()->Events()->Invoke(kNavigateComplete2, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr,
                                             nullptr, nullptr),
            S_OK);
  EXPECT_FALSE(host::ErrorRelay::Pending());
  host::kit::DestroyControl(*form);
  EXPECT_EQ(browser->Window(), nullptr);
  EXPECT_EQ(browser->InPlaceObject(), nullptr);
}

TEST_F(Browser, TheDocumentHostHandlerGivesTheStoredExternalObjectOrNone) {
  // Wine's browser keeps no named properties: a stand-in does.
  CFakeWebBrowser webBrowser;
  fake->webBrowser = &webBrowser;
  CFakeClassRegistration registration(kWebBrowserClass, *fake);
  Held<TKitForm> form(kit_test::NewHiddenForm(QT("External")));
  Held<TKitWebBrowser> browser(CreateBrowserControl(form.get()));
  ASSERT_TRUE(host::kit::CreateControlWindow(*form));
  IDocHostUIHandler* handler = browser->HostHandler();
  ASSERT_NE(handler, nullptr);

  DOCHOSTUIINFO info{};
  info.cbSize = sizeof info;
  EXPECT_EQ(handler->GetHostInfo(&info), S_OK);
  EXPECT_EQ(info.dwFlags, 4u);
  EXPECT_EQ(handler->ShowContextMenu(0, nullptr, nullptr, nullptr), S_FALSE);
  EXPECT_EQ(handler->TranslateAccelerator(nullptr, nullptr, 0), S_FALSE);
  IDropTarget* target = reinterpret_cast<IDropTarget*>(1);
  EXPECT_EQ(handler->GetDropTarget(nullptr, &target), S_FALSE);
  EXPECT_EQ(target, nullptr);

  // Before the script stored "Qel:Host", the page has no external object.
  IDispatch* external = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(handler->GetExternal(&external), S_OK);
  EXPECT_EQ(external, nullptr);

  CFakeDocument host;
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_DISPATCH;
  value.pdispVal = static_cast<IDispatch*>(&host);
  PutProperty(*browser, kExternalProperty, value);
  EXPECT_EQ(handler->GetExternal(&external), S_OK);
  EXPECT_EQ(external, static_cast<IDispatch*>(&host));
  if (external) external->Release();

  // A value that is no object gives none, and no error for the script.
  VARIANT number;
  VariantInit(&number);
  number.vt = VT_I4;
  number.lVal = 5;
  PutProperty(*browser, kExternalProperty, number);
  EXPECT_EQ(handler->GetExternal(&external), S_OK);
  EXPECT_EQ(external, nullptr);
  EXPECT_FALSE(host::ErrorRelay::Pending());

  // A failed lookup leaves no exception in COM: the page gets none and the
  // error waits for the script.
  webBrowser.failure = E_ACCESSDENIED;
  EXPECT_EQ(handler->GetExternal(&external), E_FAIL);
  EXPECT_EQ(external, nullptr);
  EXPECT_TRUE(host::ErrorRelay::Pending());
  host::ErrorRelay::Discard();
  webBrowser.failure = S_OK;

  // The automation object "html" gives is the browser's own.
  IDispatch* application = BrowserApplication(browser.get());
  EXPECT_EQ(application, static_cast<IDispatch*>(&webBrowser));
  if (application) application->Release();

  // A document that outlives the control finds no external object.
  handler->AddRef();
  host::kit::DestroyControl(*form);
  external = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(handler->GetExternal(&external), S_OK);
  EXPECT_EQ(external, nullptr);
  handler->Release();
  EXPECT_EQ(webBrowser.refs, 1u);
}

TEST_F(Browser, EachCompletedNavigationGivesTheDocumentTheHostHandler) {
  // The fake stands in for the browser: Wine has no document to give.
  CFakeClassRegistration registration(kWebBrowserClass, *fake);
  Held<TKitForm> form(kit_test::NewHiddenForm(QT("Pages")));
  Held<TKitWebBrowser> browser(CreateBrowserControl(form.get()));
  ASSERT_TRUE(host::kit::CreateControlWindow(*form));
  CFakeDocument document;
  VARIANT& slot = fake->properties[kBrowserDocument];
  slot.vt = VT_DISPATCH;
  slot.pdispVal = static_cast<IDispatch*>(&document);
  document.AddRef();

  VARIANT url;
  VariantInit(&url);
  std::vector<VARIANT> args(2);
  VariantInit(&args[0]);
  args[0].vt = VT_BYREF | VT_VARIANT;
  args[0].pvarVal = &url;
  args[1].vt = VT_DISPATCH;
  args[1].pdispVal = static_cast<IDispatch*>(fake.get());
  DISPPARAMS params{args.data(), nullptr, 2, 0};
  EXPECT_EQ(browser->Site()->Events()->Invoke(kNavigateComplete2, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr,
                                             nullptr, nullptr),
            S_OK);
  EXPECT_EQ(document.handler, browser->HostHandler());

  // Other browser events reach empty slots.
  for (DISPID other : {102, 250, 259, 260})
    EXPECT_EQ(browser->Site()->Events()->Invoke(other, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr,
                                               nullptr),
              S_OK);

  // The browser answers forwarded keys through the control's accelerators.
  HWND window = browser->Window();
  EXPECT_EQ(::SendMessageW(window, WM_KEYDOWN + kForwardedKeyOffset, 'C', 0), kKeyEaten);
  EXPECT_EQ(::SendMessageW(window, WM_KEYUP + kForwardedKeyOffset, 'D', 0), 0);
  EXPECT_TRUE(fake->Called("TranslateAccelerator " + std::to_string(WM_KEYDOWN)));
  host::kit::DestroyControl(*form);
  document.SetUIHandler(nullptr);
  VariantClear(&slot);
}

// A browser window with two inner windows, each recording what reaches it.
struct KeyLog {
  std::vector<std::pair<UINT, WPARAM>> browser;
  std::vector<std::pair<UINT, WPARAM>> inner;
  WPARAM eaten = 'E';
};

KeyLog* keys = nullptr;

LRESULT CALLBACK FakeBrowserProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (keys && message >= WM_KEYDOWN + kForwardedKeyOffset && message <= WM_SYSKEYUP + kForwardedKeyOffset) {
    keys->browser.push_back({message, wParam});
    return wParam == keys->eaten ? kKeyEaten : 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK FakeInnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (keys && message >= WM_KEYDOWN && message <= WM_SYSKEYUP) keys->inner.push_back({message, wParam});
  return ::DefWindowProcW(window, message, wParam, lParam);
}

struct FakeBrowserWindows {
  FakeBrowserWindows() {
    static bool registered = false;
    if (!registered) {
      WNDCLASSW browserClass{};
      browserClass.lpfnWndProc = &FakeBrowserProc;
      browserClass.hInstance = ::GetModuleHandleW(nullptr);
      browserClass.lpszClassName = L"QelTestBrowser";
      ::RegisterClassW(&browserClass);
      WNDCLASSW innerClass = browserClass;
      innerClass.lpfnWndProc = &FakeInnerProc;
      innerClass.lpszClassName = L"QelTestInner";
      ::RegisterClassW(&innerClass);
      registered = true;
    }
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    browser = ::CreateWindowExW(0, L"QelTestBrowser", L"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, instance,
                                nullptr);
    inner = ::CreateWindowExW(0, L"QelTestInner", L"", WS_CHILD, 0, 0, 90, 90, browser, nullptr, instance, nullptr);
    innermost =
        ::CreateWindowExW(0, L"QelTestInner", L"", WS_CHILD, 0, 0, 80, 80, inner, nullptr, instance, nullptr);
  }
  ~FakeBrowserWindows() { ::DestroyWindow(browser); }
  HWND browser;
  HWND inner;
  HWND innermost;
};

void HoldCtrl(bool held) {
  BYTE state[256];
  ::GetKeyboardState(state);
  state[VK_CONTROL] = held ? 0x80 : 0;
  ::SetKeyboardState(state);
}

TEST_F(Browser, TheKeyboardFilterKeepsChosenKeysFromTheBrowser) {
  KeyLog log;
  keys = &log;
  FakeBrowserWindows windows;
  ASSERT_TRUE(InstallKeyboardFilter(windows.browser));
  using Entry = std::pair<UINT, WPARAM>;
  const UINT forwarded = kForwardedKeyOffset;
  struct Case {
    const char* name;
    bool innermost;
    UINT message;
    WPARAM key;
    bool ctrl;
    std::vector<Entry> browser;
    std::vector<Entry> inner;
  } cases[] = {
      {"F5 does not reload", true, WM_KEYDOWN, VK_F5, false, {}, {{WM_KEYDOWN, VK_F5}}},
      {"Alt", true, WM_SYSKEYDOWN, VK_MENU, false, {}, {{WM_SYSKEYDOWN, VK_MENU}}},
      {"Ctrl+N opens nothing", true, WM_KEYDOWN, 'N', true, {}, {{WM_KEYDOWN, 'N'}}},
      {"N alone is translated", true, WM_KEYDOWN, 'N', false, {{WM_KEYDOWN + forwarded, 'N'}},
       {{WM_KEYDOWN, 'N'}}},
      {"a translated key is eaten", true, WM_KEYDOWN, 'E', false, {{WM_KEYDOWN + forwarded, 'E'}}, {}},
      {"Tab", true, WM_KEYDOWN, VK_TAB, false, {{WM_KEYDOWN + forwarded, VK_TAB}}, {{WM_KEYDOWN, VK_TAB}}},
      {"F10 does nothing", true, WM_SYSKEYDOWN, VK_F10, false, {}, {{WM_KEYDOWN, 0}}},
      {"F10 up", true, WM_SYSKEYUP, VK_F10, false, {{WM_KEYUP + forwarded, VK_F10}}, {{WM_KEYUP, VK_F10}}},
      {"first inner window", false, WM_KEYUP, 'B', false, {{WM_KEYUP + forwarded, 'B'}}, {{WM_KEYUP, 'B'}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log.browser.clear();
    log.inner.clear();
    HoldCtrl(c.ctrl);
    ::SendMessageW(c.innermost ? windows.innermost : windows.inner, c.message, c.key, 0);
    EXPECT_EQ(log.browser, c.browser);
    EXPECT_EQ(log.inner, c.inner);
  }
  HoldCtrl(false);

  // A second browser while the first lives is not filtered; once the first
  // is gone, a later one is.
  {
    FakeBrowserWindows second;
    EXPECT_TRUE(InstallKeyboardFilter(second.browser));
    log.browser.clear();
    ::SendMessageW(second.innermost, WM_KEYDOWN, 'N', 0);
    EXPECT_TRUE(log.browser.empty());
  }
  ::DestroyWindow(windows.browser);
  FakeBrowserWindows later;
  EXPECT_TRUE(InstallKeyboardFilter(later.browser));
  log.browser.clear();
  ::SendMessageW(later.innermost, WM_KEYDOWN, 'N', 0);
  EXPECT_EQ(log.browser.size(), 1u);
  keys = nullptr;
}

}  // namespace
}  // namespace activex_test
