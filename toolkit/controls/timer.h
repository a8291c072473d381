// A component that fires OnTimer every Interval milliseconds while enabled.
#pragma once
#include "toolkit/core/component.h"
#include "toolkit/graphics/backend.h"

namespace toolkit {

class Timer : public Component, public WindowClient {
 public:
  explicit Timer(Component* owner);
  ~Timer() override;

  String ClassName() const override { return u"Timer"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  // 0 stops the timer.
  void SetInterval(unsigned milliseconds);

  // Setting the handler starts an enabled timer; an empty one stops it.
  void SetOnTimer(const NotifyEvent& handler);

  void WindowProc(Message& message) override;

 private:
  void Apply();

  NotifyEvent onTimer_;
  bool enabled_ = true;
  unsigned interval_ = 1000;
  WindowHandle window_ = 0;
  std::uint32_t generation_ = 0;
};

}  // namespace toolkit
