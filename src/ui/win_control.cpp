// The one window base class: its window, the attachment of object and window, the message
// dispatch and the properties kept for the window.
#include "ui/win_control.h"

#include "ui/application.h"
#include "ui/win_text.h"

#include <algorithm>
#include <optional>

namespace ui {

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ControlSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

constexpr wchar_t kControlProperty[] = L"Tarvel.Control";

void RegisterOwnClass(const TCreateParams& params) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, params.ClassName.c_str(), &existing))
    return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = params.ClassStyle;
  wc.lpfnWndProc = ControlWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.lpszClassName = params.ClassName.c_str();
  RegisterClassExW(&wc);
}

} // namespace

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = nullptr;
  if (message == WM_NCCREATE) {
    control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (control)
      control->Attach(window);
  } else {
    control = TWinControl::FromHandle(window);
  }
  if (!control)
    return DefWindowProcW(window, message, wParam, lParam);
  return control->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK ControlSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = TWinControl::FromHandle(window);
  if (!control)
    return DefWindowProcW(window, message, wParam, lParam);
  return control->Dispatch(message, wParam, lParam);
}

TWinControl::TWinControl(TComponent* owner) : TComponent(owner) {
  font_.OnChange = [this] { FontChanged(); };
}

TWinControl::~TWinControl() {
  DestroyHandle();
  for (TWinControl* child : children_)
    child->parent_ = nullptr;
  if (parent_)
    parent_->RemoveChild(this);
}

TWinControl* TWinControl::FromHandle(HWND window) {
  return window ? static_cast<TWinControl*>(GetPropW(window, kControlProperty)) : nullptr;
}

HWND TWinControl::Handle() {
  if (!handle_)
    CreateHandle();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.ClassName = L"Tarvel.Control";
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
}

void TWinControl::CreateHandle() {
  TCreateParams params;
  CreateParams(params);
  HWND parentWindow = nullptr;
  if (params.Style & WS_CHILD) {
    if (!parent_)
      throw Exception("Control '" + Name() + "' has no parent window");
    parentWindow = parent_->Handle();
  }
  if (visible_)
    params.Style |= WS_VISIBLE;
  else
    params.Style &= ~WS_VISIBLE;
  if (!enabled_)
    params.Style |= WS_DISABLED;
  if (tabStop_)
    params.Style |= WS_TABSTOP;
  const std::wstring caption = ToWide(text_);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (params.StandardClass) {
    HWND window =
        CreateWindowExW(params.ExStyle, params.ClassName.c_str(), caption.c_str(), params.Style,
                        left_, top_, width_, height_, parentWindow, nullptr, instance, nullptr);
    if (!window)
      RaiseWindowNotCreated(GetLastError());
    Attach(window);
    standardProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlSubclassProc)));
  } else {
    RegisterOwnClass(params);
    HWND window =
        CreateWindowExW(params.ExStyle, params.ClassName.c_str(), caption.c_str(), params.Style,
                        left_, top_, width_, height_, parentWindow, nullptr, instance, this);
    if (!window)
      RaiseWindowNotCreated(GetLastError());
  }
  ApplyFont();
  CreateWnd();
  // Children parented before this window existed get theirs now, in creation order.
  for (TWinControl* child : std::vector<TWinControl*>(children_))
    if (!child->handle_)
      child->CreateHandle();
  AlignChildren();
}

void TWinControl::CreateWnd() {}

void TWinControl::Attach(HWND window) {
  handle_ = window;
  SetPropW(window, kControlProperty, this);
}

void TWinControl::Detach() {
  if (!handle_)
    return;
  if (standardProc_) {
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(standardProc_));
    standardProc_ = nullptr;
  }
  RemovePropW(handle_, kControlProperty);
  handle_ = nullptr;
  mouseInside_ = false;
}

void TWinControl::DestroyHandle() {
  if (!handle_)
    return;
  DestroyWindow(handle_); // children go with it; WM_NCDESTROY detaches each object
  handle_ = nullptr;
}

LRESULT TWinControl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  try {
    if (message == WM_DESTROY)
      DestroyWnd(); // the window still exists: release what is tied to it
    result = WndProc(message, wParam, lParam);
  } catch (...) {
    // A key whose handling failed is abandoned whole: the character TranslateMessage already
    // queued for it goes too, before the error box's own loop could deliver it.
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
      MSG pending;
      while (PeekMessageW(&pending, handle_, WM_CHAR, WM_DEADCHAR, PM_REMOVE) ||
             PeekMessageW(&pending, handle_, WM_SYSCHAR, WM_SYSDEADCHAR, PM_REMOVE)) {
      }
    }
    Application().HandleException(this);
    result = 0;
  }
  if (message == WM_NCDESTROY)
    Detach();
  return result;
}

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
  if (standardProc_)
    return CallWindowProcW(standardProc_, handle_, message, wParam, lParam);
  return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const std::optional<LRESULT> input = InputMessage(message, wParam, lParam))
    return *input;
  switch (message) {
  case WM_SIZE:
  case WM_MOVE: {
    const LRESULT result = DefaultHandler(message, wParam, lParam);
    UpdateBoundsFromWindow();
    if (message == WM_SIZE) {
      AlignChildren();
      Resize();
    }
    return result;
  }
  case WM_SETCURSOR:
    if (LOWORD(lParam) == HTCLIENT && cursor_ != TCursor::crDefault &&
        reinterpret_cast<HWND>(wParam) == handle_) {
      LPCWSTR id = IDC_ARROW;
      switch (cursor_) {
      case TCursor::crHandPoint:
        id = IDC_HAND;
        break;
      case TCursor::crIBeam:
        id = IDC_IBEAM;
        break;
      case TCursor::crCross:
        id = IDC_CROSS;
        break;
      case TCursor::crSizeAll:
        id = IDC_SIZEALL;
        break;
      default:
        break;
      }
      ::SetCursor(LoadCursorW(nullptr, id));
      return TRUE;
    }
    return DefaultHandler(message, wParam, lParam);
  case WM_COMMAND:
    if (lParam != 0) {
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)))
        if (child->CommandNotify(HIWORD(wParam)))
          return 0;
    } else if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1) {
      if (Application().DispatchCommand(LOWORD(wParam)))
        return 0;
    }
    return DefaultHandler(message, wParam, lParam);
  case WM_DRAWITEM: {
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (item->CtlType != ODT_MENU)
      if (TWinControl* child = FromHandle(item->hwndItem))
        if (child->DrawItem(*item))
          return TRUE;
    return DefaultHandler(message, wParam, lParam);
  }
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORSTATIC:
  case WM_CTLCOLORLISTBOX:
  case WM_CTLCOLORBTN:
    if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)))
      if (HBRUSH brush = child->CtlColor(reinterpret_cast<HDC>(wParam)))
        return reinterpret_cast<LRESULT>(brush);
    return DefaultHandler(message, wParam, lParam);
  case WM_ERASEBKGND:
    if (!standardProc_) {
      RECT rect;
      GetClientRect(handle_, &rect);
      FillRect(reinterpret_cast<HDC>(wParam), &rect, BackgroundBrush());
      return TRUE;
    }
    return DefaultHandler(message, wParam, lParam);
  case WM_SYSCOLORCHANGE:
  case WM_THEMECHANGED: {
    // Only top-level windows are told; the children, system controls among them, hear it here.
    const LRESULT result = DefaultHandler(message, wParam, lParam);
    SysColorChanged();
    for (TWinControl* child : std::vector<TWinControl*>(children_))
      if (child->handle_)
        SendMessageW(child->handle_, message, wParam, lParam);
    return result;
  }
  case WM_SETFOCUS: {
    const LRESULT result = DefaultHandler(message, wParam, lParam);
    if (OnEnter)
      OnEnter(this);
    return result;
  }
  case WM_KILLFOCUS: {
    const LRESULT result = DefaultHandler(message, wParam, lParam);
    if (OnExit)
      OnExit(this);
    return result;
  }
  default:
    return DefaultHandler(message, wParam, lParam);
  }
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == parent_)
    return;
  if (parent_)
    parent_->RemoveChild(this);
  parent_ = parent;
  if (!parent_)
    return;
  parent_->AddChild(this);
  AdoptDpi(parent_->dpi_);
  if (parent_->handle_) {
    if (handle_)
      ::SetParent(handle_, parent_->handle_);
    else
      CreateHandle();
    parent_->AlignChildren();
  }
}

void TWinControl::AddChild(TWinControl* child) {
  children_.push_back(child);
}

void TWinControl::RemoveChild(TWinControl* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

void TWinControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (handle_)
    EnableWindow(handle_, enabled);
}

std::string TWinControl::Text() {
  if (handle_)
    return WindowText(handle_);
  return text_;
}

void TWinControl::SetText(const std::string& text) {
  text_ = text;
  if (handle_)
    SetWindowTextW(handle_, ToWide(text).c_str());
}

void TWinControl::SetColor(TColor color) {
  if (color == color_)
    return;
  color_ = color;
  Invalidate();
}

void TWinControl::SetTabStop(bool tabStop) {
  tabStop_ = tabStop;
  if (handle_) {
    LONG style = GetWindowLongW(handle_, GWL_STYLE);
    SetWindowLongW(handle_, GWL_STYLE, tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
}

HBRUSH TWinControl::BackgroundBrush() {
  const TColor rgb = ColorToRGB(color_);
  if (!backgroundBrush_ || backgroundBrushRGB_ != rgb) {
    backgroundBrush_.reset(CreateSolidBrush(static_cast<COLORREF>(rgb)));
    backgroundBrushRGB_ = rgb;
  }
  return backgroundBrush_.get();
}

void TWinControl::SysColorChanged() {
  if (IsSystemColor(color_))
    backgroundBrush_.reset();
  if (handle_)
    InvalidateRect(handle_, nullptr, TRUE);
}

HBRUSH TWinControl::CtlColor(HDC dc) {
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(font_.Color())));
  SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(color_)));
  return BackgroundBrush();
}

void TWinControl::ApplyFont() {
  if (handle_)
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
}

void TWinControl::FontChanged() {
  ApplyFont();
  Invalidate();
}

void TWinControl::SetFocus() {
  if (HWND window = Handle())
    ::SetFocus(window);
}

bool TWinControl::Focused() const {
  return handle_ && GetFocus() == handle_;
}

void TWinControl::Invalidate() {
  if (handle_)
    InvalidateRect(handle_, nullptr, FALSE);
}

void TWinControl::Update() {
  if (handle_)
    UpdateWindow(handle_);
}

void TWinControl::BringToFront() {
  if (handle_)
    SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace ui
