// A hosted ActiveX control as a kit control: its window is the control's own
// in-place window, subclassed to the kit's window procedure. Beside it stand
// the site (TOleCtlIntf) the control talks to and the sink of its events.
//
// Making one: new the kind, then CreateOleControl (raises on failure); the
// window comes with the kit's CreateControlWindow, by in-place activation.
// Ending one deactivates it in place, closes it and takes the site back from
// it before the last reference goes, so the control never calls into a site
// that is gone.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <vector>

#include "host/activex/control_data.h"
#include "host/kit/kit_control.h"

namespace host::activex {

using namespace runtime;

class TOleCtlIntf;

class TOleControl : public host::kit::TKitControl {
public:
  explicit TOleControl(TOleControlData& data);
  ~TOleControl() override;

  std::string KindName() const override { return "OleCtl"; }
  bool MakeOwnWindow(HWND parentWindow) override;
  void WindowEnding() override;
  // The kit moved or sized the window: the in-place object is told.
  void AfterMessage(const host::kit::TKitMessage& message) override;

  TOleControlData& Data() const { return data_; }
  IOleObject* OleObject() const { return oleObject_; }
  DWORD MiscStatus() const { return miscStatus_; }
  TOleCtlIntf* Site() const { return site_; }
  IOleInPlaceObject* InPlaceObject() const { return inPlaceObject_; }
  IOleInPlaceActiveObject* ActiveObject() const { return activeObject_; }
  IOleControl* OleControl() const { return oleControl_; }
  IDispatch* ControlDispatch() const { return dispatch_; }
  bool CanFocus() const { return canFocus_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The handler slot of the event with this DISPID, or null for one the
  // kind does not list.
  TOleEventSlot* EventSlot(DISPID id);

  // The name the control sees as its ambient DISPLAYNAME; a caption or text
  // property that still shows the old name follows it.
  const Text& Name() const { return name_; }
  void SetName(TextView name);

  // The persistent state to load instead of a new one (a global memory
  // block the control takes over), before the control is loaded.
  void SetSavedState(HGLOBAL state);

  // Set by the site when the control goes in-place active or leaves it.
  void SetInPlaceInterfaces(IOleInPlaceObject* object, IOleInPlaceActiveObject* active);

protected:
  // A kind's own site class; the default is TOleCtlIntf.
  virtual TOleCtlIntf* NewSite();
  // Sees the new object before anything is asked of it.
  virtual void InterfaceHook(IOleObject*) {}

private:
  friend void CreateOleControl(TOleControl& control);
  friend void CreateControlInstance(TOleControl& control);
  friend void LoadControlFromStream(TOleControl& control);
  friend class TOleCtlIntf;

  void Connect();
  void Disconnect();
  void ReleaseInterfaces();
  // Deactivates, closes and lets go of the COM side; once.
  void Shutdown();
  static void ShutdownOnDestroy(void* control);

  TOleControlData& data_;
  IOleObject* oleObject_ = nullptr;
  DWORD miscStatus_ = 0;
  TOleCtlIntf* site_ = nullptr;
  IPersistStreamInit* persist_ = nullptr;
  IOleInPlaceObject* inPlaceObject_ = nullptr;
  IOleInPlaceActiveObject* activeObject_ = nullptr;
  IOleControl* oleControl_ = nullptr;
  IDispatch* dispatch_ = nullptr;
  IUnknown* perPropertyBrowsing_ = nullptr;
  DWORD propertyCookie_ = 0;
  DWORD eventCookie_ = 0;
  HGLOBAL savedState_ = nullptr;
  Text name_;
  std::vector<HFONT> fonts_;
  std::vector<TOleEventSlot> slots_;
  bool enabled_ = true;
  bool canFocus_ = true;
  bool counted_ = false;
  bool loaded_ = false;
  bool creatingWindow_ = false;
  bool placing_ = false;
  bool shutDown_ = false;
};

// Makes the COM side of a new control: the object, its status, the site and
// its persistence interface, and the size from the control's extent. Raises
// the OLE error of a failing step.
void CreateOleControl(TOleControl& control);
// CoCreateInstance of the kind's class for IOleObject; raises on failure.
void CreateControlInstance(TOleControl& control);
// Once per control: the client site, the saved or a new state, the control
// interfaces and both connections. On failure nothing of it stays.
void LoadControlFromStream(TOleControl& control);

// Properties by DISPID through the control's IDispatch; failures raise the
// server's exception or the status's OLE error. A put of an IDispatch value
// is a put by reference.
void GetOleProperty(TOleControl& control, DISPID id, VARIANT& result);
void SetOleProperty(TOleControl& control, DISPID id, const VARIANT& value);

}  // namespace host::activex
