#include "ui/win_control.h"

#include "ui/application.h"
#include "ui/win_text.h"

#include <algorithm>

#include <windowsx.h>

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
      throw Exception("Cannot create window: error " + std::to_string(GetLastError()));
    Attach(window);
    standardProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlSubclassProc)));
  } else {
    RegisterOwnClass(params);
    HWND window =
        CreateWindowExW(params.ExStyle, params.ClassName.c_str(), caption.c_str(), params.Style,
                        left_, top_, width_, height_, parentWindow, nullptr, instance, this);
    if (!window)
      throw Exception("Cannot create window: error " + std::to_string(GetLastError()));
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

void TWinControl::UpdateBoundsFromWindow() {
  if (!handle_ || settingBounds_)
    return;
  RECT rect;
  GetWindowRect(handle_, &rect);
  if (parent_ && parent_->handle_ && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(HWND_DESKTOP, parent_->handle_, reinterpret_cast<POINT*>(&rect), 2);
  else if (!IsIconic(handle_) && !IsZoomed(handle_)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(handle_, &placement);
    rect = placement.rcNormalPosition;
  } else {
    return; // a minimised or maximised window keeps its restored bounds
  }
  left_ = rect.left;
  top_ = rect.top;
  width_ = rect.right - rect.left;
  height_ = rect.bottom - rect.top;
  KeepDesignedBounds();
}

void TWinControl::KeepDesignedBounds() {
  designedLeft_ = DesignedFor(left_, dpi_, designedLeft_);
  designedTop_ = DesignedFor(top_, dpi_, designedTop_);
  designedWidth_ = DesignedFor(width_, dpi_, designedWidth_);
  designedHeight_ = DesignedFor(height_, dpi_, designedHeight_);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  KeepDesignedBounds();
  if (!handle_)
    return;
  settingBounds_ = true;
  if (!(GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) &&
      (IsZoomed(handle_) || IsIconic(handle_))) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(handle_, &placement);
    placement.rcNormalPosition = {left_, top_, left_ + width_, top_ + height_};
    SetWindowPlacement(handle_, &placement);
  } else {
    SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  settingBounds_ = false;
}

RECT TWinControl::ClientRect() {
  RECT rect{0, 0, width_, height_};
  if (handle_)
    GetClientRect(handle_, &rect);
  return rect;
}

int TWinControl::ClientWidth() {
  return ClientRect().right;
}
int TWinControl::ClientHeight() {
  return ClientRect().bottom;
}

void TWinControl::SetClientSize(int width, int height) {
  // The frame comes from the window's styles, not from its present size: a window still smaller
  // than its own frame has a clamped client area that would give a wrong difference.
  HWND window = Handle();
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)),
                     GetMenu(window) != nullptr && !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD),
                     static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  SetBounds(left_, top_, rect.right - rect.left, rect.bottom - rect.top);
  // Menu bars that wrap, or a caption the system draws differently, are corrected once.
  RECT client;
  GetClientRect(window, &client);
  if (client.right != width || client.bottom != height)
    SetBounds(left_, top_, width_ + width - client.right, height_ + height - client.bottom);
}

void TWinControl::ScaleForDpi(int dpi) {
  if (dpi <= 0 || dpi == dpi_)
    return;
  const int oldDpi = dpi_;
  dpi_ = dpi;
  ScaleBounds(oldDpi);
  font_.ScaleTo(dpi); // labels size themselves to the new font here
  for (TWinControl* child : std::vector<TWinControl*>(children_))
    child->ScaleForDpi(dpi);
  AlignChildren();
  ChangeScale(oldDpi, dpi);
}

void TWinControl::AdoptDpi(int dpi) {
  if (dpi == dpi_)
    return;
  const int oldDpi = dpi_;
  dpi_ = dpi;
  KeepDesignedBounds();
  font_.ScaleTo(dpi);
  for (TWinControl* child : std::vector<TWinControl*>(children_))
    child->AdoptDpi(dpi);
  ChangeScale(oldDpi, dpi);
}

void TWinControl::ScaleBounds(int /*oldDpi*/) {
  SetBounds(Scaled(designedLeft_), Scaled(designedTop_), Scaled(designedWidth_),
            Scaled(designedHeight_));
}

void TWinControl::SetAlign(TAlign align) {
  align_ = align;
  if (parent_)
    parent_->AlignChildren();
}

// Children aligned to an edge take it in creation order; a client-aligned child fills the rest.
void TWinControl::AlignChildren() {
  if (!handle_)
    return;
  RECT rest = ClientRect();
  auto place = [](TWinControl* child, int l, int t, int r, int b) {
    child->SetBounds(l, t, std::max(r - l, 0), std::max(b - t, 0));
  };
  for (TAlign edge : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight}) {
    for (TWinControl* child : children_) {
      if (child->align_ != edge || !child->visible_)
        continue;
      switch (edge) {
      case TAlign::alTop:
        place(child, rest.left, rest.top, rest.right, rest.top + child->height_);
        rest.top += child->height_;
        break;
      case TAlign::alBottom:
        place(child, rest.left, rest.bottom - child->height_, rest.right, rest.bottom);
        rest.bottom -= child->height_;
        break;
      case TAlign::alLeft:
        place(child, rest.left, rest.top, rest.left + child->width_, rest.bottom);
        rest.left += child->width_;
        break;
      case TAlign::alRight:
        place(child, rest.right - child->width_, rest.top, rest.right, rest.bottom);
        rest.right -= child->width_;
        break;
      default:
        break;
      }
    }
  }
  for (TWinControl* child : children_)
    if (child->align_ == TAlign::alClient && child->visible_)
      place(child, rest.left, rest.top, rest.right, rest.bottom);
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

void TWinControl::SetVisible(bool visible) {
  visible_ = visible;
  if (handle_)
    ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
  if (parent_ && align_ != TAlign::alNone)
    parent_->AlignChildren();
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
  if (!backgroundBrush_ || backgroundBrushColor_ != color_) {
    backgroundBrush_.reset(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color_))));
    backgroundBrushColor_ = color_;
  }
  return backgroundBrush_.get();
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
