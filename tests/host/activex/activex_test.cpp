// The ActiveX host with a control of the tests' own: creation and in-place
// activation, the site's ambient answers, property access by DISPID, event
// delivery and the order in which a control is let go.
#include <string>

#include "activex_fixture.h"
#include "host/error_relay.h"
#include "host/com/ole_error.h"
#include "host/com/variant_convert.h"
#include "runtime/error.h"
#include "runtime/value/text_access.h"

namespace activex_test {
namespace {

using host::kit::TKitControl;
using host::kit::TKitForm;
using host::kit::TKitMessage;

TOleControlData& GridData() {
  static TOleControlData data{kFakeClass, kFakeEvents, kStockForeColor | kStockCaption, 0, 1, 401, {1, 2, 3}, 0};
  return data;
}

class TGrid : public TOleControl {
public:
  TGrid() : TOleControl(GridData()) {}
};

// A grid on a hidden form, with its window made.
class GridOnForm {
public:
  explicit GridOnForm(UINT_PTR id = 0) : form(kit_test::NewHiddenForm(QT("Host"))), grid(new TGrid()) {
    grid->id = id;
    grid->bounds = {5, 6, 5, 6};
    grid->SetParent(form.get());
    CreateOleControl(*grid);
  }
  Held<TKitForm> form;
  Held<TGrid> grid;
};

TEST_F(ActiveXTest, AControlIsCreatedLoadedAndActivatedInPlaceInItsParent) {
  CFakeClassRegistration registration(kFakeClass, *fake);
  const int before = GridData().instanceCount;
  GridOnForm on;
  EXPECT_EQ(GridData().instanceCount, before + 1);
  // The status asks for the site first; the size comes from the extent.
  EXPECT_EQ(fake->calls.front(), "SetClientSite(site)");
  EXPECT_EQ(on.grid->bounds.right - on.grid->bounds.left, host::activex::HimetricToPixels(2540));
  EXPECT_EQ(on.grid->bounds.bottom - on.grid->bounds.top, host::activex::HimetricToPixels(1270));
  EXPECT_EQ(on.grid->Window(), nullptr);

  ASSERT_TRUE(host::kit::CreateControlWindow(*on.grid));
  ASSERT_NE(on.grid->Window(), nullptr);
  EXPECT_EQ(on.grid->Window(), fake->window);
  EXPECT_EQ(::GetParent(fake->window), on.form->Window());
  EXPECT_EQ(host::kit::ControlOfWindow(fake->window), on.grid.get());
  EXPECT_EQ(fake->frameWindow, on.form->Window());
  // Loaded once, before activation, and told about its ambient properties.
  EXPECT_TRUE(fake->Before("InitNew", "DoVerb -5"));
  EXPECT_TRUE(fake->Called("OnAmbientPropertyChange -1"));
  EXPECT_FALSE(fake->Called("Load"));
  EXPECT_NE(on.grid->InPlaceObject(), nullptr);
  EXPECT_NE(on.grid->ActiveObject(), nullptr);
  // The kit places the window; the in-place object is told.
  host::kit::SetControlSize(*on.grid, 50, 20);
  EXPECT_TRUE(fake->Called("SetObjectRects 50x20 clip 32767"));
  // The window procedure the kit took over is still the control's.
  EXPECT_EQ(::SendMessageW(fake->window, WM_SETTEXT, 0, LPARAM(L"changed")), TRUE);
  wchar_t text[16] = {};
  ::GetWindowTextW(fake->window, text, 16);
  EXPECT_EQ(std::wstring(text), L"changed");
}

TEST_F(ActiveXTest, AControlWithSavedStateIsLoadedFromItInsteadOfANewState) {
  CFakeClassRegistration registration(kFakeClass, *fake);
  GridOnForm on;
  HGLOBAL state = ::GlobalAlloc(GMEM_MOVEABLE, 16);
  ASSERT_NE(state, nullptr);
  on.grid->SetSavedState(state);
  ASSERT_TRUE(host::kit::CreateControlWindow(*on.grid));
  EXPECT_TRUE(fake->Before("Load", "DoVerb -5"));
  EXPECT_FALSE(fake->Called("InitNew"));
}

TEST_F(ActiveXTest, CreationAndActivationFailuresRaiseClearErrors) {
  {
    // No class registered.
    Held<TGrid> grid(new TGrid());
    try {
      CreateOleControl(*grid);
      ADD_FAILURE() << "created";
    } catch (const EScriptError& error) {
      EXPECT_EQ(error.Message(), host::OleErrorText(REGDB_E_CLASSNOTREG));
    }
  }
  CFakeClassRegistration registration(kFakeClass, *fake);
  struct Case {
    bool activates;
    bool makesWindow;
    const char* message;
  } cases[] = {{false, false, "OLE control activation failed"},
               {true, false, "Could not obtain OLE control window handle"}};
  for (const Case& c : cases) {
    fake->activates = c.activates;
    fake->makesWindow = c.makesWindow;
    GridOnForm on;
    try {
      host::kit::CreateControlWindow(*on.grid);
      ADD_FAILURE() << c.message;
    } catch (const EScriptError& error) {
      EXPECT_EQ(error.Message(), TextFromAscii(c.message));
    }
    EXPECT_EQ(on.grid->Window(), nullptr);
    host::kit::DestroyControl(*on.form);
  }
}

TEST_F(ActiveXTest, TheSiteAnswersAmbientPropertiesOnlyToPropertyReads) {
  CFakeClassRegistration registration(kFakeClass, *fake);
  GridOnForm on;
  on.grid->background = 0x00123456;
  on.grid->textColor = 0x80000008;
  on.grid->SetName(QT("Grid one"));
  IDispatch* ambient = fake->AmbientDispatch();
  ASSERT_NE(ambient, nullptr);
  struct Case {
    DISPID id;
    HRESULT status;
    VARTYPE type;
    LONG value;
  } cases[] = {
      {-701, S_OK, VT_I4, 0x00123456},
      {-703, S_OK, VT_EMPTY, 0},
      {-704, S_OK, VT_I4, LONG(0x80000008)},
      {-705, S_OK, VT_I4, LONG(::GetUserDefaultLCID())},
      {-706, S_OK, VT_BOOL, VARIANT_TRUE},
      {-709, S_OK, VT_BOOL, VARIANT_TRUE},
      {-710, S_OK, VT_BOOL, VARIANT_FALSE},
      {-711, S_OK, VT_BOOL, VARIANT_FALSE},
      {-712, S_OK, VT_BOOL, VARIANT_FALSE},
      {-714, S_OK, VT_BOOL, VARIANT_TRUE},
      {-715, S_OK, VT_BOOL, VARIANT_TRUE},
      {-700, DISP_E_MEMBERNOTFOUND, VT_EMPTY, 0},
      {-713, DISP_E_MEMBERNOTFOUND, VT_EMPTY, 0},
      {-716, DISP_E_MEMBERNOTFOUND, VT_EMPTY, 0},
  };
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(ambient->Invoke(c.id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr), c.status);
    EXPECT_EQ(result.vt, c.type);
    if (c.type == VT_I4) {
      EXPECT_EQ(result.lVal, c.value);
    } else if (c.type == VT_BOOL) {
      EXPECT_EQ(result.boolVal, VARIANT_BOOL(c.value));
    }
    VariantClear(&result);
  }
  VARIANT name;
  VariantInit(&name);
  ASSERT_EQ(ambient->Invoke(-702, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &name, nullptr, nullptr), S_OK);
  ASSERT_EQ(name.vt, VT_BSTR);
  EXPECT_EQ(std::wstring(name.bstrVal), L"Grid one");
  VariantClear(&name);
  // A method call, or a read with nowhere to put the value, finds no member.
  VARIANT result;
  VariantInit(&result);
  EXPECT_EQ(ambient->Invoke(-709, IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(ambient->Invoke(-709, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, nullptr, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
  ambient->Release();

  // Sizes cross between HIMETRIC and pixels and back.
  IOleControlSite* controlSite = on.grid->Site();
  POINTL himetric{2540, 1270};
  POINTF pixels{};
  ASSERT_EQ(controlSite->TransformCoords(&himetric, &pixels, XFORMCOORDS_HIMETRICTOCONTAINER | XFORMCOORDS_SIZE),
            S_OK);
  EXPECT_GT(pixels.x, 0.0f);
  EXPECT_EQ(pixels.x, 2 * pixels.y);
  himetric = POINTL{};
  ASSERT_EQ(controlSite->TransformCoords(&himetric, &pixels, XFORMCOORDS_CONTAINERTOHIMETRIC | XFORMCOORDS_SIZE),
            S_OK);
  EXPECT_NEAR(himetric.x, 2540, 30);
  EXPECT_NEAR(himetric.y, 1270, 30);
}

VARIANT IntegerVariant(LONG value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

TEST_F(ActiveXTest, PropertiesAreReadAndWrittenByDispidAndStockChangesReachTheKit) {
  CFakeClassRegistration registration(kFakeClass, *fake);
  GridOnForm on;
  // Not loaded yet: a clear error, no call through a missing interface.
  host::OleVariant early;
  EXPECT_THROW(GetOleProperty(*on.grid, 7, early.Get()), EScriptError);
  ASSERT_TRUE(host::kit::CreateControlWindow(*on.grid));

  SetOleProperty(*on.grid, 7, IntegerVariant(41));
  host::OleVariant read;
  GetOleProperty(*on.grid, 7, read.Get());
  EXPECT_EQ(read.Get().lVal, 41);
  VARIANT object;
  VariantInit(&object);
  object.vt = VT_DISPATCH;
  object.pdispVal = static_cast<IDispatch*>(fake.get());
  SetOleProperty(*on.grid, 8, object);
  EXPECT_TRUE(fake->Called("put 7"));
  EXPECT_TRUE(fake->Called("putref 8"));
  EXPECT_THROW(GetOleProperty(*on.grid, 99, read.Get()), EScriptError);

  // The control's fore colour and enabled state follow into the kit.
  IPropertyNotifySink* notify = on.grid->Site();
  SetOleProperty(*on.grid, -513, IntegerVariant(0x00FF00));
  notify->OnChanged(-513);
  EXPECT_EQ(on.grid->textColor, 0x00FF00u);
  VARIANT off;
  VariantInit(&off);
  off.vt = VT_BOOL;
  off.boolVal = VARIANT_FALSE;
  SetOleProperty(*on.grid, -514, off);
  EXPECT_EQ(notify->OnChanged(-514), S_OK);
  EXPECT_FALSE(::IsWindowEnabled(on.grid->Window()));
  // A property the control lacks changes nothing and is no error.
  EXPECT_EQ(notify->OnChanged(-501), S_OK);

  // A caption that still shows the old name follows a new name.
  on.grid->SetName(QT("Old"));
  VARIANT caption;
  VariantInit(&caption);
  caption.vt = VT_BSTR;
  caption.bstrVal = SysAllocString(L"Old");
  SetOleProperty(*on.grid, -518, caption);
  VariantClear(&caption);
  on.grid->SetName(QT("New"));
  GetOleProperty(*on.grid, -518, read.Get());
  EXPECT_EQ(std::wstring(read.Get().bstrVal), L"New");
  EXPECT_TRUE(fake->Called("OnAmbientPropertyChange -702"));
}

struct Seen {
  std::vector<UINT> messages;
  std::vector<WPARAM> wParams;
  std::vector<LPARAM> lParams;
  WPARAM replaceChar = 0;
};

bool RecordMessage(void* data, TKitControl&, TKitMessage& message) {
  auto& seen = *static_cast<Seen*>(data);
  const UINT m = message.message;
  if (m != WM_COMMAND && m != WM_LBUTTONDOWN && m != WM_LBUTTONUP && m != WM_LBUTTONDBLCLK && m != WM_KEYDOWN &&
      m != WM_KEYUP && m != WM_CHAR)
    return false;
  seen.messages.push_back(m);
  seen.wParams.push_back(message.wParam);
  seen.lParams.push_back(message.lParam);
  if (m == WM_CHAR && seen.replaceChar) message.wParam = seen.replaceChar;
  return true;
}

uintptr_t handledWord = 0;
int handledCount = 0;

void RecordEvent(void*, TOleControl&, uintptr_t word) {
  handledWord = word;
  ++handledCount;
}

HRESULT Fire(TOleControl& control, DISPID id, std::vector<VARIANT> natural = {}) {
  std::vector<VARIANT> reversed(natural.rbegin(), natural.rend());
  DISPPARAMS params{reversed.data(), nullptr, UINT(reversed.size()), 0};
  return control.Site()->Events()->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

TEST_F(ActiveXTest, StockEventsBecomeKitMessagesAndControlEventsReachTheirSlots) {
  CFakeClassRegistration registration(kFakeClass, *fake);
  GridOnForm plain;
  ASSERT_TRUE(host::kit::CreateControlWindow(*plain.grid));
  Seen onPlain;
  host::kit::SetOnMessage(*plain.grid, &RecordMessage, &onPlain);

  // A click: mouse down and up on the control (with an identifier, below, a
  // command to its parent).
  EXPECT_EQ(Fire(*plain.grid, -600), S_OK);
  EXPECT_EQ(onPlain.messages, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));

  // Mouse events change nothing; keys need their arguments.
  onPlain = Seen{};
  for (DISPID mouse : {-605, -606, -607}) EXPECT_EQ(Fire(*plain.grid, mouse, {IntegerVariant(1)}), S_OK);
  EXPECT_EQ(Fire(*plain.grid, -602, {IntegerVariant('K')}), S_OK);
  EXPECT_TRUE(onPlain.messages.empty());
  EXPECT_EQ(Fire(*plain.grid, -602, {IntegerVariant('K'), IntegerVariant(0)}), S_OK);
  EXPECT_EQ(Fire(*plain.grid, -601), S_OK);
  EXPECT_EQ(onPlain.messages, (std::vector<UINT>{WM_KEYDOWN, WM_LBUTTONDBLCLK}));
  EXPECT_EQ(onPlain.wParams[0], WPARAM('K'));

  // A key press by reference takes the character the kit's event left.
  onPlain.replaceChar = 'z';
  SHORT key = 'a';
  VARIANT byRef;
  VariantInit(&byRef);
  byRef.vt = VT_BYREF | VT_I2;
  byRef.piVal = &key;
  EXPECT_EQ(Fire(*plain.grid, -603, {byRef}), S_OK);
  EXPECT_EQ(key, 'z');

  // Control events: the slot's handler gets the first parameter that is
  // not floating; an empty slot and an unknown DISPID reach nothing.
  *plain.grid->EventSlot(1) = {&RecordEvent, nullptr};
  *plain.grid->EventSlot(3) = {reinterpret_cast<TOleEventHandler>(uintptr_t(0x1234)), nullptr};
  handledCount = 0;
  VARIANT real;
  VariantInit(&real);
  real.vt = VT_R8;
  real.dblVal = 1.5;
  EXPECT_EQ(Fire(*plain.grid, 1, {real, IntegerVariant(42)}), S_OK);
  EXPECT_EQ(handledWord, 42u);
  for (DISPID quiet : {2, 3, 99}) EXPECT_EQ(Fire(*plain.grid, quiet, {IntegerVariant(5)}), S_OK);
  EXPECT_EQ(handledCount, 1);
  EXPECT_FALSE(host::ErrorRelay::Pending());
}

TEST_F(ActiveXTest, AClickOnAControlWithAnIdentifierIsACommandToItsParent) {
  CFakeClassRegistration registration(kFakeClass, *fake);
  GridOnForm withId(7);
  ASSERT_TRUE(host::kit::CreateControlWindow(*withId.grid));
  Seen onForm;
  host::kit::SetOnMessage(*withId.form, &RecordMessage, &onForm);
  EXPECT_EQ(Fire(*withId.grid, -600), S_OK);
  ASSERT_EQ(onForm.messages, std::vector<UINT>{WM_COMMAND});
  EXPECT_EQ(LOWORD(onForm.wParams[0]), 7);
  EXPECT_EQ(HWND(onForm.lParams[0]), withId.grid->Window());
}

TEST_F(ActiveXTest, ControlsAreDeactivatedClosedAndUnsitedBeforeTheyAreReleased) {
  for (const bool destroyForm : {false, true}) {
    SCOPED_TRACE(destroyForm ? "form destroyed" : "control destroyed");
    fake = std::make_unique<CFakeControl>();
    CFakeClassRegistration registration(kFakeClass, *fake);
    TOleCtlIntf* site = nullptr;
    {
      GridOnForm on;
      ASSERT_TRUE(host::kit::CreateControlWindow(*on.grid));
      site = on.grid->Site();
      site->AddRef();
      host::kit::DestroyControl(destroyForm ? static_cast<TKitControl&>(*on.form) : *on.grid);
      EXPECT_EQ(on.grid->Window(), nullptr);
      EXPECT_EQ(on.grid->Site(), nullptr);
    }
    EXPECT_TRUE(fake->Before("InPlaceDeactivate", "Close"));
    EXPECT_TRUE(fake->Before("Close", "SetClientSite(null)"));
    EXPECT_EQ(fake->calls.back(), "released");
    EXPECT_EQ(fake->refs, 0u);
    EXPECT_EQ(fake->site, nullptr);
    // A control that calls its old site finds nobody there, safely.
    HWND window = reinterpret_cast<HWND>(1);
    EXPECT_EQ(site->GetWindow(&window), E_FAIL);
    EXPECT_EQ(site->OnUIActivate(), E_UNEXPECTED);
    site->Release();
  }
}

}  // namespace
}  // namespace activex_test
