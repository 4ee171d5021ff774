#pragma once
// TTimer: OnTimer every Interval milliseconds while Enabled, on the user-interface thread.
#include "framework/component.h"
#include "framework/handles.h"
#include "framework/types.h"

namespace fw {

class TTimer : public TComponent {
  FW_CLASS()
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);

  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();

  unsigned interval_ = 1000;
  bool enabled_ = true;
  bool running_ = false;
  UniqueHwnd window_;
};

}  // namespace fw
