#include "ui/timer.h"

#include "ui/application.h"
#include "ui/exception.h"

namespace ui {
namespace {
constexpr wchar_t kTimerClass[] = L"Tarvel.Timer";
constexpr UINT_PTR kTimerId = 1;
} // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(instance, kTimerClass, &wc)) {
    wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kTimerClass;
    RegisterClassExW(&wc);
  }
  // A message-only window of its own, so ticks reach this timer whatever else exists.
  window_ =
      CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  // Without it SetTimer would make a thread timer that nothing stops and whose ticks go nowhere.
  if (!window_)
    RaiseWindowNotCreated(GetLastError());
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Update();
}

TTimer::~TTimer() {
  if (window_) {
    KillTimer(window_, kTimerId);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled != enabled_) {
    enabled_ = enabled;
    Update();
  }
}

void TTimer::SetInterval(unsigned milliseconds) {
  if (milliseconds != interval_) {
    interval_ = milliseconds;
    Update();
  }
}

void TTimer::Update() {
  KillTimer(window_, kTimerId);
  if (enabled_ && interval_ > 0)
    SetTimer(window_, kTimerId, interval_, nullptr);
}

void TTimer::Tick() {
  if (OnTimer)
    OnTimer(this);
}

LRESULT CALLBACK TTimer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTimerId) {
    auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (timer) {
      try {
        timer->Tick();
      } catch (...) {
        Application().HandleException(timer);
      }
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace ui
