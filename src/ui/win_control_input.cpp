// Mouse and keyboard messages of the one window base class, and the events they raise.
#include "ui/win_control.h"

#include "ui/win_text.h"

#include <optional>

#include <windowsx.h>

namespace ui {

namespace {

TMouseButton ButtonOf(UINT message) {
  switch (message) {
  case WM_RBUTTONDOWN:
  case WM_RBUTTONUP:
  case WM_RBUTTONDBLCLK:
    return TMouseButton::mbRight;
  case WM_MBUTTONDOWN:
  case WM_MBUTTONUP:
  case WM_MBUTTONDBLCLK:
    return TMouseButton::mbMiddle;
  default:
    return TMouseButton::mbLeft;
  }
}

// The shift state a mouse message carries, plus Alt, which it does not.
TShiftState MouseShiftState(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT)
    shift |= ssShift;
  if (keys & MK_CONTROL)
    shift |= ssCtrl;
  if (keys & MK_LBUTTON)
    shift |= ssLeft;
  if (keys & MK_RBUTTON)
    shift |= ssRight;
  if (keys & MK_MBUTTON)
    shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0)
    shift |= ssAlt;
  return shift;
}

} // namespace

// The mouse and keyboard messages, turned into the control's events; nothing for any other.
std::optional<LRESULT> TWinControl::InputMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
  case WM_RBUTTONDBLCLK:
  case WM_MBUTTONDBLCLK: {
    TShiftState shift = MouseShiftState(wParam);
    const bool doubleClick =
        message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
    if (doubleClick)
      shift |= ssDouble;
    const LRESULT result = DefaultHandler(message, wParam, lParam);
    if (!handle_)
      return result;
    MouseDown(ButtonOf(message), shift, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (message == WM_LBUTTONDBLCLK && !standardProc_) // system controls notify their own
      DblClick();
    return result;
  }
  case WM_LBUTTONUP:
  case WM_RBUTTONUP:
  case WM_MBUTTONUP: {
    const LRESULT result = DefaultHandler(message, wParam, lParam);
    if (!handle_)
      return result;
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    MouseUp(ButtonOf(message), MouseShiftState(wParam), x, y);
    return result;
  }
  case WM_MOUSEMOVE: {
    if (!mouseInside_) {
      mouseInside_ = true;
      TRACKMOUSEEVENT track{};
      track.cbSize = sizeof track;
      track.dwFlags = TME_LEAVE;
      track.hwndTrack = handle_;
      TrackMouseEvent(&track);
      MouseEnter();
    }
    MouseMove(MouseShiftState(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return DefaultHandler(message, wParam, lParam);
  }
  case WM_MOUSELEAVE:
    mouseInside_ = false;
    MouseLeave();
    return DefaultHandler(message, wParam, lParam);
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN: {
    std::uint16_t key = static_cast<std::uint16_t>(wParam);
    KeyDown(key, KeyboardShiftState());
    if (key == 0)
      return 0;
    return DefaultHandler(message, key, lParam);
  }
  case WM_KEYUP: {
    std::uint16_t key = static_cast<std::uint16_t>(wParam);
    if (OnKeyUp)
      OnKeyUp(this, key, KeyboardShiftState());
    if (key == 0)
      return 0;
    return DefaultHandler(message, key, lParam);
  }
  case WM_CHAR: {
    const std::string narrow = FromWide(std::wstring(1, static_cast<wchar_t>(wParam)));
    char key = narrow.empty() ? '?' : narrow[0];
    KeyPress(key);
    if (key == 0)
      return 0;
    // Pass on what the program's text can hold: a character Windows-1251 lacks arrives as '?'.
    return DefaultHandler(message, ToWide(std::string(1, key))[0], lParam);
  }
  default:
    return std::nullopt;
  }
}

bool TWinControl::DialogChar(char character) {
  for (TWinControl* child : std::vector<TWinControl*>(children_))
    if (child->DialogChar(character))
      return true;
  return false;
}

bool TWinControl::DialogKey(WORD key) {
  for (TWinControl* child : std::vector<TWinControl*>(children_))
    if (child->DialogKey(key))
      return true;
  return false;
}

TShiftState TWinControl::KeyboardShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0)
    shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0)
    shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0)
    shift |= ssAlt;
  if (GetKeyState(VK_LBUTTON) < 0)
    shift |= ssLeft;
  if (GetKeyState(VK_RBUTTON) < 0)
    shift |= ssRight;
  if (GetKeyState(VK_MBUTTON) < 0)
    shift |= ssMiddle;
  return shift;
}

void TWinControl::Click() {
  if (OnClick)
    OnClick(this);
}
void TWinControl::DblClick() {
  if (OnDblClick)
    OnDblClick(this);
}
void TWinControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown)
    OnMouseDown(this, button, shift, x, y);
}
void TWinControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove)
    OnMouseMove(this, shift, x, y);
}
void TWinControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp)
    OnMouseUp(this, button, shift, x, y);
}
void TWinControl::MouseEnter() {
  if (OnMouseEnter)
    OnMouseEnter(this);
}
void TWinControl::MouseLeave() {
  if (OnMouseLeave)
    OnMouseLeave(this);
}
void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  if (OnKeyDown)
    OnKeyDown(this, key, shift);
}
void TWinControl::KeyPress(char& key) {
  if (OnKeyPress)
    OnKeyPress(this, key);
}
void TWinControl::Resize() {
  if (OnResize)
    OnResize(this);
}

} // namespace ui
