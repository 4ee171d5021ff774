#include "framework/timer.h"

#include "framework/utility_window.h"

namespace fw {

const TClassInfo& TTimer::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TTimer>("TTimer", &TComponent::StaticClassInfo())
                                     .Int("Interval", &TTimer::Interval, &TTimer::SetInterval)
                                     .Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
                                     .Build();
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  window_ = AllocateHWnd([this](TMessage& m) {
    if (m.Msg == WM_TIMER) {
      m.Result = 0;
      Timer();
    }
  });
  UpdateTimer();
}

TTimer::~TTimer() {
  if (running_ && window_) KillTimer(window_.get(), 1);
}

void TTimer::SetInterval(unsigned ms) {
  if (ms == interval_) return;
  interval_ = ms;
  UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (!window_) return;
  if (running_) KillTimer(window_.get(), 1);
  running_ = enabled_ && interval_ > 0 && SetTimer(window_.get(), 1, interval_, nullptr) != 0;
}

void TTimer::Timer() {
  if (enabled_ && OnTimer) OnTimer(this);
}

}  // namespace fw
