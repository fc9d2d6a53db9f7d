#pragma once
// A message timer: OnTimer runs on the user-interface thread every Interval milliseconds while
// the timer is enabled.
#include "ui/component.h"
#include "ui/events.h"

#include <windows.h>

namespace ui {

class TTimer : public TComponent {
public:
  // Raises ui::Exception when its message-only window, which the ticks reach, cannot be made.
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned milliseconds);

  TNotifyEvent OnTimer;

  // Runs one tick now, as the timer would (tests).
  void Tick();

private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  void Update();

  HWND window_ = nullptr;
  bool enabled_ = true;
  unsigned interval_ = 1000;
};

} // namespace ui
