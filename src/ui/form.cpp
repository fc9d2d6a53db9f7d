#include "ui/form.h"

#include "ui/application.h"
#include "ui/window_dpi.h"

namespace ui {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
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

void TForm::ScaleBounds(int oldDpi) {
  if (!HandleAllocated()) {
    TWinControl::ScaleBounds(oldDpi);
    return;
  }
  HWND window = Handle();
  const bool normal = !IsZoomed(window) && !IsIconic(window);
  // A client size still as designed stays so: frames do not scale as their clients do.
  const RECT client = ClientRect();
  const bool keepClient = hasDesignedClient_ && normal &&
                          client.right == ScaleToDpi(designedClientWidth_, oldDpi) &&
                          client.bottom == ScaleToDpi(designedClientHeight_, oldDpi);
  if (!suggested_) {
    TWinControl::ScaleBounds(oldDpi);
  } else if (normal) {
    const RECT& r = *suggested_;
    SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  } else {
    // The restored bounds scale as designed; the maximised window takes the system's rectangle.
    TWinControl::ScaleBounds(oldDpi);
    if (IsZoomed(window)) {
      const RECT& r = *suggested_;
      SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (keepClient)
    TWinControl::SetClientSize(Scaled(designedClientWidth_), Scaled(designedClientHeight_));
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
  modal_ = true;
  modalResult_ = mrNone;
  HWND owner = GetActiveWindow();
  std::vector<HWND> disabled = Application().DisableTopLevelWindowsExcept(Handle());
  Show();
  Application().RunModalLoop([this] { return modalResult_ != mrNone; });
  modal_ = false;
  for (HWND window : disabled)
    EnableWindow(window, TRUE);
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
