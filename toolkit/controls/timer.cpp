#include "toolkit/controls/timer.h"

namespace toolkit {

namespace {
constexpr std::uintptr_t kTimerId = 1;
}

Timer::Timer(Component* owner) : Component(owner) {}

Timer::~Timer() {
  if (window_ && generation_ == BackendGeneration()) CurrentBackend().DestroyWindow(window_);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Apply();
}

void Timer::SetInterval(unsigned milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  Apply();
}

void Timer::SetOnTimer(const NotifyEvent& handler) {
  onTimer_ = handler;
  Apply();
}

void Timer::Apply() {
  Backend& backend = CurrentBackend();
  if (generation_ != BackendGeneration()) window_ = 0;
  if (window_) backend.KillTimer(window_, kTimerId);
  if (!enabled_ || interval_ == 0 || !onTimer_) return;
  if (!window_) {
    CreateParams params;
    params.windowClassName = u"ToolkitTimer";
    window_ = backend.CreateWindow(*this, params);
    generation_ = BackendGeneration();
  }
  backend.SetTimer(window_, kTimerId, interval_);
}

void Timer::WindowProc(Message& message) {
  if (message.msg == msg::Timer && message.wParam == kTimerId) {
    onTimer_(this);
    return;
  }
  message.result = CurrentBackend().DefaultWindowProc(window_, message);
}

}  // namespace toolkit
