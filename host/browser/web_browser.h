// The system's web-browser control hosted as a kit control. Every "ui" form
// holds one that fills it. Beside plain control hosting it keeps a document
// host handler for each page (border, menus, the external object
// "Qel:Host") and filters the browser's accelerator keys.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <exdisp.h>
#include <mshtmhst.h>

#include "host/activex/ole_control.h"
#include "host/kit/form.h"

namespace host::browser {

using namespace runtime;

class TDocHostUIHandler;

// The DISPIDs of the browser's automation object that the host reads.
constexpr DISPID kBrowserApplication = 200;
constexpr DISPID kBrowserDocument = 203;
constexpr DISPID kNavigateComplete2 = 252;

class TKitWebBrowser : public host::activex::TOleControl {
public:
  TKitWebBrowser();
  ~TKitWebBrowser() override;

  void WindowEnding() override;

  // The control's IWebBrowser2, queried once; raises when the control has
  // none. Not counted for the caller.
  IWebBrowser2* WebBrowser();
  IDocHostUIHandler* HostHandler() const { return hostHandler_; }

private:
  friend void CreateBrowserOle(TKitWebBrowser& control);

  static bool BrowserMessages(host::kit::TKitControl& control, host::kit::TKitMessage& message);
  static void NavigateComplete(void* data, host::activex::TOleControl& control, uintptr_t word);
  void LetGoOfHandler();

  IWebBrowser2* webBrowser_ = nullptr;
  IDocHostUIHandler* hostHandler_ = nullptr;
  TDocHostUIHandler* handler_ = nullptr;
  bool filtered_ = false;
};

// The browser kind's description: its class, DWebBrowserEvents2 and its
// events.
host::activex::TOleControlData& BrowserControlData();

// A new browser control, child of the form, with its COM side made; counted
// once for the caller. Raises when the browser cannot be created.
TKitWebBrowser* CreateBrowserControl(host::kit::TKitForm* form);
// The creation step: the control, its document host handler and the
// navigation hook.
void CreateBrowserOle(TKitWebBrowser& control);

// IWebBrowser2::GetProperty; a failing status raises its error.
void GetBrowserProperty(TKitWebBrowser& control, const wchar_t* name, VARIANT& result);

// The browser's automation object (its property 200) for scripts: a new
// reference, or null for no control or no object. Dispatch errors raise.
IDispatch* BrowserApplication(TKitWebBrowser* control);

}  // namespace host::browser
