#include "ui/form.h"

#include "ui/application.h"
#include "ui/window_dpi.h"

#include <algorithm>

namespace ui {

namespace {
constexpr UINT kGetDpiScaledSize = 0x02E4; // WM_GETDPISCALEDSIZE, newer than the headers' target
} // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  TForm::SetVisible(false); // qualified: from a constructor no derived override is reached
  SetColor(clBtnFace);
}

TForm::~TForm() {
  DestroyHandle();
}

void TForm::CreateParams(TCreateParams& params) {
  params.ClassName = L"Tarvel.Form";
  params.ClassStyle = CS_DBLCLKS;
  params.ExStyle = 0;
  switch (borderStyle_) {
  case TFormBorderStyle::bsNone:
    params.Style = WS_POPUP;
    break;
  case TFormBorderStyle::bsSingle:
    params.Style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER;
    break;
  case TFormBorderStyle::bsDialog:
    params.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    params.ExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    break;
  case TFormBorderStyle::bsSizeable:
    params.Style = WS_OVERLAPPEDWINDOW;
    break;
  }
  params.Style |= WS_CLIPCHILDREN;
}

void TForm::AfterConstruction() {
  ScaleToWindowDpi();
  for (int i = 0; i < ComponentCount(); ++i)
    Components(i)->Loaded();
  if (OnCreate)
    OnCreate(this);
}

void TForm::ScaleToWindowDpi() {
  if (scaledToWindow_)
    return;
  scaledToWindow_ = true;
  ScaleForDpi(WindowDpi(Handle()));
}

void TForm::SetClientSize(int width, int height) {
  designedClientWidth_ = DesignedFor(width, Dpi(), designedClientWidth_);
  designedClientHeight_ = DesignedFor(height, Dpi(), designedClientHeight_);
  hasDesignedClient_ = true;
  TWinControl::SetClientSize(width, height);
}

bool TForm::ClientAsDesigned(int dpi) {
  HWND window = Handle();
  const RECT client = ClientRect();
  return hasDesignedClient_ && !IsZoomed(window) && !IsIconic(window) &&
         client.right == ScaleToDpi(designedClientWidth_, dpi) &&
         client.bottom == ScaleToDpi(designedClientHeight_, dpi);
}

void TForm::ScaleBounds(int oldDpi) {
  if (!HandleAllocated()) {
    TWinControl::ScaleBounds(oldDpi);
    return;
  }
  HWND window = Handle();
  const bool normal = !IsZoomed(window) && !IsIconic(window);
  if (suggested_ && normal) {
    // The system's rectangle is taken as it comes: it was measured for the new monitor, from
    // the size this form gave for it (WM_GETDPISCALEDSIZE), and resizing it again could move the
    // window back across the monitor's edge.
    const RECT& r = *suggested_;
    SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    return;
  }
  // A client size still as designed stays so: frames do not scale as their clients do.
  const bool keepClient = ClientAsDesigned(oldDpi);
  TWinControl::ScaleBounds(oldDpi);
  if (suggested_ && IsZoomed(window)) {
    // The restored bounds scale as designed; the maximised window takes the system's rectangle.
    const RECT& r = *suggested_;
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (keepClient)
    TWinControl::SetClientSize(Scaled(designedClientWidth_), Scaled(designedClientHeight_));
}

bool TForm::ScaledWindowSize(int dpi, SIZE& size) {
  // Looked up at run time: systems before the per-monitor frames have neither the function nor
  // the message that asks for it.
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = [] {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<AdjustForDpiFn>(
                        reinterpret_cast<void*>(GetProcAddress(user32, "AdjustWindowRectExForDpi")))
                  : nullptr;
  }();
  if (!adjustForDpi || dpi <= 0)
    return false;
  HWND window = Handle();
  if (!ClientAsDesigned(Dpi())) {
    size = {ScaleToDpi(DesignedWidth(), dpi), ScaleToDpi(DesignedHeight(), dpi)};
    return true;
  }
  // The designed client size inside the frame the new monitor's DPI gives.
  const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  RECT rect{0, 0, ScaleToDpi(designedClientWidth_, dpi), ScaleToDpi(designedClientHeight_, dpi)};
  if (!adjustForDpi(&rect, style, GetMenu(window) != nullptr,
                    static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)),
                    static_cast<UINT>(dpi)))
    return false;
  size = {rect.right - rect.left, rect.bottom - rect.top};
  return true;
}

void TForm::ChangeScale(int oldDpi, int newDpi) {
  TWinControl::ChangeScale(oldDpi, newDpi);
  if (OnDpiChanged)
    OnDpiChanged(this);
}

void TForm::DpiChanged(int dpi, const RECT& suggested) {
  scaledToWindow_ = true; // the window's own DPI from here on
  if (dpi == Dpi()) {
    SetBounds(suggested.left, suggested.top, suggested.right - suggested.left,
              suggested.bottom - suggested.top);
    return;
  }
  suggested_ = &suggested;
  struct Reset {
    const RECT*& suggested;
    ~Reset() { suggested = nullptr; }
  } reset{suggested_};
  ScaleForDpi(dpi);
}

void TForm::SetWindowState(TWindowState state) {
  windowState_ = state;
  if (HandleAllocated() && Visible())
    ShowWindow(Handle(), state == TWindowState::wsMaximized   ? SW_SHOWMAXIMIZED
                         : state == TWindowState::wsMinimized ? SW_SHOWMINIMIZED
                                                              : SW_SHOWNORMAL);
}

void TForm::SetVisible(bool visible) {
  if (!visible) {
    TWinControl::SetVisible(false);
    if (OnHide)
      OnHide(this);
    return;
  }
  HWND window = Handle();
  ScaleToWindowDpi();
  const bool wasVisible = IsWindowVisible(window) != FALSE;
  if (!shownOnce_) {
    shownOnce_ = true;
    if (windowState_ == TWindowState::wsNormal && !IsZoomed(window) && !IsIconic(window))
      MoveIntoWorkArea();
  }
  TWinControl::SetVisible(true);
  if (!wasVisible) {
    if (windowState_ == TWindowState::wsMaximized)
      ShowWindow(window, SW_SHOWMAXIMIZED);
    if (OnShow)
      OnShow(this);
    if (activeControl_ && activeControl_->HandleAllocated())
      activeControl_->SetFocus();
  }
  SetForegroundWindow(window);
  BringToFront();
}

void TForm::MoveIntoWorkArea() {
  // A designed position, scaled, can put a window past the edge of a small screen, and its
  // close button with it. Where it fits, it stays; otherwise it is moved, never resized, and a
  // window larger than the work area keeps its top-left corner on it.
  HWND window = Handle();
  RECT r;
  GetWindowRect(window, &r);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor))
    return;
  const RECT& work = monitor.rcWork;
  const int left = std::max<int>(work.left, std::min<int>(r.left, work.right - (r.right - r.left)));
  const int top = std::max<int>(work.top, std::min<int>(r.top, work.bottom - (r.bottom - r.top)));
  if (left != r.left || top != r.top)
    SetBounds(left, top, Width(), Height());
}

void TForm::DoClose(TCloseAction& action) {
  if (OnClose)
    OnClose(this, action);
}

void TForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  const bool isMain = Application().MainForm() == this;
  TCloseAction action = isMain ? TCloseAction::caFree : TCloseAction::caHide;
  DoClose(action); // throws to abandon the close
  if (action == TCloseAction::caNone)
    return;
  if (isMain) {
    Application().Terminate();
    return;
  }
  switch (action) {
  case TCloseAction::caHide:
    Hide();
    break;
  case TCloseAction::caMinimize:
    ShowWindow(Handle(), SW_MINIMIZE);
    break;
  case TCloseAction::caFree:
    Hide();
    Application().ReleaseLater(this);
    break;
  default:
    break;
  }
}

int TForm::ShowModal() {
  if (auto& seam = Application().Seams().RunModal)
    return seam(*this);
  modalResult_ = mrNone;
  HWND owner = GetActiveWindow();
  {
    // However it ends (showing may raise), the other windows are enabled again.
    struct Modal {
      bool& modal;
      std::vector<HWND> disabled;
      ~Modal() {
        modal = false;
        for (HWND window : disabled)
          EnableWindow(window, TRUE);
      }
    } running{modal_, Application().DisableTopLevelWindowsExcept(Handle())};
    modal_ = true;
    Show();
    Application().RunModalLoop([this] { return modalResult_ != mrNone; });
  }
  Hide();
  if (owner && IsWindow(owner))
    SetActiveWindow(owner);
  return modalResult_;
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_CLOSE:
    Close();
    return 0;
  case WM_ACTIVATE:
    if (LOWORD(wParam) != WA_INACTIVE && activeControl_ && activeControl_->HandleAllocated() &&
        !IsIconic(Handle())) {
      activeControl_->SetFocus();
      return 0;
    }
    return TWinControl::WndProc(message, wParam, lParam);
  case kGetDpiScaledSize: // before WM_DPICHANGED: the size the form wants at the new DPI
    return ScaledWindowSize(static_cast<int>(wParam), *reinterpret_cast<SIZE*>(lParam)) ? TRUE
                                                                                        : FALSE;
  case WM_DPICHANGED: // another monitor, or the display scale changed
    DpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    return 0;
  case WM_SYSCHAR:
    // Access letters of the form's menus, which live on a toolbar rather than a menu bar.
    if (Application().DispatchAccelerator(this, static_cast<wchar_t>(wParam)))
      return 0;
    return TWinControl::WndProc(message, wParam, lParam);
  default:
    return TWinControl::WndProc(message, wParam, lParam);
  }
}

} // namespace ui
