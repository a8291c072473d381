#include "toolkit/win32/win32_backend.h"

#include "toolkit/core/exceptions.h"
#include "toolkit/win32/drag_drop.h"
#include "toolkit/win32/gdi_device.h"
#include "toolkit/win32/ole_data_object.h"
#include "toolkit/win32/win32_clipboard.h"

namespace toolkit::win32 {

namespace {

HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle W(HWND window) { return reinterpret_cast<WindowHandle>(window); }

constexpr wchar_t kUtilityClass[] = L"ToolkitUtilityWindow";

LPCWSTR SystemCursor(int cursor) {
  switch (cursor) {
    case cr::Cross: return IDC_CROSS;
    case cr::IBeam: return IDC_IBEAM;
    case cr::SizeNESW: return IDC_SIZENESW;
    case cr::SizeNS:
    case cr::VSplit: return IDC_SIZENS;
    case cr::SizeNWSE: return IDC_SIZENWSE;
    case cr::SizeWE:
    case cr::HSplit: return IDC_SIZEWE;
    case cr::UpArrow: return IDC_UPARROW;
    case cr::HourGlass: return IDC_WAIT;
    case cr::NoDrop:
    case cr::No: return IDC_NO;
    case cr::AppStart: return IDC_APPSTARTING;
    case cr::Help: return IDC_HELP;
    case cr::HandPoint: return IDC_HAND;
    case cr::SizeAll: return IDC_SIZEALL;
    default: return IDC_ARROW;
  }
}

}  // namespace

Win32Backend::Win32Backend() : instance_(::GetModuleHandleW(nullptr)), mainThread_(::GetCurrentThreadId()) {
  WNDCLASSEXW utilityClass{};
  utilityClass.cbSize = sizeof utilityClass;
  utilityClass.lpfnWndProc = ::DefWindowProcW;
  utilityClass.hInstance = instance_;
  utilityClass.lpszClassName = kUtilityClass;
  ::RegisterClassExW(&utilityClass);
  utility_ = ::CreateWindowExW(0, kUtilityClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance_, nullptr);
  clipboard_ = std::make_unique<Win32Clipboard>(utility_);
}

Win32Backend::~Win32Backend() {
  if (utility_) ::DestroyWindow(utility_);
  if (ole_ == OleState::Ready) ::OleUninitialize();
}

bool Win32Backend::EnsureOle() {
  if (ole_ == OleState::Untried) ole_ = SUCCEEDED(::OleInitialize(nullptr)) ? OleState::Ready : OleState::Refused;
  return ole_ == OleState::Ready;
}

bool Win32Backend::RegisterDropTarget(WindowHandle window, DropTarget& target) {
  return EnsureOle() && RegisterOleDropTarget(H(window), target) == S_OK;
}

void Win32Backend::RevokeDropTarget(WindowHandle window) { ::RevokeDragDrop(H(window)); }

DropEffects Win32Backend::DoDragDrop(DataObject& data, DropSource& source, DropEffects allowed) {
  return EnsureOle() ? RunOleDrag(data, source, allowed) : de::None;
}

bool Win32Backend::SetClipboardObject(std::shared_ptr<DataObject> data) {
  if (!EnsureOle()) return false;
  if (!data) return ::OleSetClipboard(nullptr) == S_OK;
  auto* offered = new OleDataObject(std::move(data));
  const HRESULT result = ::OleSetClipboard(offered);
  offered->Release();  // the clipboard keeps its own reference
  return result == S_OK;
}

std::shared_ptr<DataObject> Win32Backend::ClipboardObject() {
  IDataObject* data = nullptr;
  if (!EnsureOle() || ::OleGetClipboard(&data) != S_OK || !data) return nullptr;
  auto object = std::make_shared<ForeignDataObject>(data);
  data->Release();
  return object;
}

void Win32Backend::FlushClipboard() {
  if (EnsureOle()) ::OleFlushClipboard();
}

LRESULT CALLBACK Win32Backend::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* client = reinterpret_cast<WindowClient*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!client) return ::DefWindowProcW(window, msg, wParam, lParam);
  Message message{msg, wParam, lParam, 0};
  // No exception may unwind through the system's frames.
  try {
    client->WindowProc(message);
  } catch (...) {
    return 0;
  }
  return message.result;
}

void Win32Backend::RegisterClassOnce(const CreateParams& params) {
  if (classes_.count(params.windowClassName)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = params.classStyle;
  windowClass.lpfnWndProc = &WindowProcedure;
  windowClass.hInstance = instance_;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = Wide(params.windowClassName);
  if (!::RegisterClassExW(&windowClass)) throw OutOfResources(messages::kOutOfResources);
  classes_.insert(params.windowClassName);
}

WindowHandle Win32Backend::CreateWindow(WindowClient& client, const CreateParams& params) {
  CreateParams effective = params;
  if (effective.windowClassName.empty()) {
    // Windows that only receive messages (timers and the like).
    effective.windowClassName = u"ToolkitMessageWindow";
    effective.parent = W(HWND_MESSAGE);
  }
  RegisterClassOnce(effective);
  const Rect& b = effective.bounds;
  HWND window = ::CreateWindowExW(effective.exStyle, Wide(effective.windowClassName), Wide(effective.caption),
                                  effective.style, b.left, b.top, b.Width(), b.Height(), H(effective.parent),
                                  nullptr, instance_, nullptr);
  if (!window) return 0;
  // Messages reach the client once it knows its window; creation runs on the defaults.
  ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&client));
  return W(window);
}

void Win32Backend::DestroyWindow(WindowHandle window) {
  // The registration would keep its adapter, and the target it names, forever.
  if (ole_ == OleState::Ready) ::RevokeDragDrop(H(window));
  ::SetWindowLongPtrW(H(window), GWLP_USERDATA, 0);
  painting_.erase(H(window));
  ::DestroyWindow(H(window));
}

void Win32Backend::SetWindowBounds(WindowHandle window, const Rect& bounds) {
  ::SetWindowPos(H(window), nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Win32Backend::WindowBounds(WindowHandle window) {
  RECT r{};
  ::GetWindowRect(H(window), &r);
  HWND parent = (::GetWindowLongPtrW(H(window), GWL_STYLE) & WS_CHILD) ? ::GetParent(H(window)) : nullptr;
  if (parent) ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return FromRECT(r);
}

void Win32Backend::ShowWindow(WindowHandle window, bool visible) {
  const bool popup = (::GetWindowLongPtrW(H(window), GWL_STYLE) & WS_POPUP) != 0;
  ::ShowWindow(H(window), !visible ? SW_HIDE : popup ? SW_SHOWNOACTIVATE : SW_SHOW);
}

void Win32Backend::EnableWindow(WindowHandle window, bool enabled) { ::EnableWindow(H(window), enabled); }

void Win32Backend::SetWindowText(WindowHandle window, StringView text) {
  const String terminated(text);
  ::SetWindowTextW(H(window), Wide(terminated));
}

Rect Win32Backend::ClientRect(WindowHandle window) {
  RECT r{};
  ::GetClientRect(H(window), &r);
  return FromRECT(r);
}

Point Win32Backend::ClientToScreen(WindowHandle window, Point point) {
  POINT p{point.x, point.y};
  ::ClientToScreen(H(window), &p);
  return {p.x, p.y};
}

Point Win32Backend::ScreenToClient(WindowHandle window, Point point) {
  POINT p{point.x, point.y};
  ::ScreenToClient(H(window), &p);
  return {p.x, p.y};
}

WindowHandle Win32Backend::WindowFromPoint(Point screenPoint) {
  return W(::WindowFromPoint(POINT{screenPoint.x, screenPoint.y}));
}

void Win32Backend::Invalidate(WindowHandle window, const Rect* rect, bool erase) {
  RECT r{};
  if (rect) r = ToRECT(*rect);
  ::InvalidateRect(H(window), rect ? &r : nullptr, erase);
}

void Win32Backend::UpdateWindow(WindowHandle window) { ::UpdateWindow(H(window)); }

std::unique_ptr<CanvasDevice> Win32Backend::BeginPaint(WindowHandle window, Rect& updateRect) {
  PAINTSTRUCT& paint = painting_[H(window)];
  HDC dc = ::BeginPaint(H(window), &paint);
  updateRect = FromRECT(paint.rcPaint);
  return std::make_unique<GdiDevice>(dc, nullptr);
}

void Win32Backend::EndPaint(WindowHandle window, std::unique_ptr<CanvasDevice> device) {
  device.reset();
  const auto it = painting_.find(H(window));
  if (it == painting_.end()) return;
  ::EndPaint(H(window), &it->second);
  painting_.erase(it);
}

std::unique_ptr<CanvasDevice> Win32Backend::WindowDevice(WindowHandle window) {
  HWND handle = H(window);
  return std::make_unique<GdiDevice>(::GetDC(handle), [handle](HDC dc) { ::ReleaseDC(handle, dc); });
}

std::unique_ptr<CanvasDevice> Win32Backend::FrameDevice(WindowHandle window) {
  HWND handle = H(window);
  return std::make_unique<GdiDevice>(::GetWindowDC(handle), [handle](HDC dc) { ::ReleaseDC(handle, dc); });
}

std::unique_ptr<CanvasDevice> Win32Backend::MeasuringDevice() {
  return std::make_unique<GdiDevice>(::CreateCompatibleDC(nullptr), [](HDC dc) { ::DeleteDC(dc); });
}

std::unique_ptr<BitmapSurface> Win32Backend::CreateBitmapSurface(int width, int height) {
  return std::make_unique<DibSurface>(width, height);
}

void Win32Backend::SetFocus(WindowHandle window) { ::SetFocus(H(window)); }

WindowHandle Win32Backend::Focus() { return W(::GetFocus()); }

void Win32Backend::SetCapture(WindowHandle window) { ::SetCapture(H(window)); }

void Win32Backend::ReleaseCapture() { ::ReleaseCapture(); }

WindowHandle Win32Backend::Capture() { return W(::GetCapture()); }

void Win32Backend::SetScrollInfo(WindowHandle window, ScrollBarKind bar, const ScrollInfo& info, bool redraw) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = info.min;
  si.nMax = info.max;
  si.nPage = static_cast<UINT>(info.page < 0 ? 0 : info.page);
  si.nPos = info.pos;
  ::SetScrollInfo(H(window), bar == ScrollBarKind::Horizontal ? SB_HORZ : SB_VERT, &si, redraw);
}

ScrollInfo Win32Backend::GetScrollInfo(WindowHandle window, ScrollBarKind bar) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (!::GetScrollInfo(H(window), bar == ScrollBarKind::Horizontal ? SB_HORZ : SB_VERT, &si)) return {};
  return {si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos, si.nTrackPos};
}

void Win32Backend::ShowScrollBar(WindowHandle window, ScrollBarKind bar, bool show) {
  ::ShowScrollBar(H(window), bar == ScrollBarKind::Horizontal ? SB_HORZ : SB_VERT, show);
}

std::intptr_t Win32Backend::DefaultWindowProc(WindowHandle window, Message& message) {
  return ::DefWindowProcW(H(window), message.msg, message.wParam, message.lParam);
}

std::intptr_t Win32Backend::SendMessage(WindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
  return ::SendMessageW(H(window), msg, wParam, lParam);
}

bool Win32Backend::PostMessage(WindowHandle window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
  return ::PostMessageW(H(window), msg, wParam, lParam) != 0;
}

bool Win32Backend::ProcessMessage() {
  MSG msg{};
  if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
  return true;
}

void Win32Backend::WaitMessage() { ::WaitMessage(); }

void Win32Backend::WakeMainThread() { ::PostThreadMessageW(mainThread_, WM_NULL, 0, 0); }

void Win32Backend::SetTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds) {
  ::SetTimer(H(window), id, milliseconds, nullptr);
}

void Win32Backend::KillTimer(WindowHandle window, std::uintptr_t id) { ::KillTimer(H(window), id); }

Point Win32Backend::CursorPos() {
  POINT p{};
  ::GetCursorPos(&p);
  return {p.x, p.y};
}

void Win32Backend::SetCursorShape(int cursor) {
  HCURSOR registered = cursors_.Registered(cursor);
  ::SetCursor(registered ? registered : ::LoadCursorW(nullptr, SystemCursor(cursor)));
}

ShiftState Win32Backend::KeyboardShiftState() {
  ShiftState shift = 0;
  if (::GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (::GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (::GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

Rect Win32Backend::ScreenRect() { return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

Rect Win32Backend::WorkArea() {
  RECT r{};
  if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) return ScreenRect();
  return FromRECT(r);
}

int Win32Backend::WheelScrollLines() {
  UINT lines = 3;
  ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return static_cast<int>(lines);
}

std::uint32_t Win32Backend::TickCount() { return ::GetTickCount(); }

int Win32Backend::DragThreshold() { return ::GetSystemMetrics(SM_CXDRAG); }

Color Win32Backend::SystemColorValue(int index) { return static_cast<Color>(::GetSysColor(index)); }

ClipboardStore& Win32Backend::Clipboard() { return *clipboard_; }

bool Win32Backend::ThemesAvailable() { return ::IsThemeActive() && ::IsAppThemed(); }

std::unique_ptr<CanvasDevice> Win32Backend::ScreenDevice() {
  return std::make_unique<GdiDevice>(::GetDC(nullptr), [](HDC dc) { ::ReleaseDC(nullptr, dc); });
}

CursorHandle Win32Backend::CreateCursor(const Bitmap& image, Color transparentColor, Point hotSpot) {
  return reinterpret_cast<CursorHandle>(cursors_.Create(image, transparentColor, hotSpot));
}

void Win32Backend::RegisterCursor(int number, CursorHandle cursor) {
  cursors_.Register(number, reinterpret_cast<HCURSOR>(cursor));
}

CursorHandle Win32Backend::RegisteredCursor(int number) {
  return reinterpret_cast<CursorHandle>(cursors_.Registered(number));
}

}  // namespace toolkit::win32
