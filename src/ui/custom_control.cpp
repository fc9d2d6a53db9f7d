#include "ui/custom_control.h"

#include <windowsx.h>

namespace ui {

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

TCustomControl::~TCustomControl() {
  canvas_.SetHandle(nullptr);
  DestroyHandle();
}

void TCustomControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"Tarvel.CustomControl";
}

void TCustomControl::CreateWnd() {
  if (GetClassLongPtrW(Handle(), GCL_STYLE) & CS_OWNDC) {
    ownDC_ = GetDC(Handle());
    canvas_.SetHandle(ownDC_);
  }
}

void TCustomControl::DestroyWnd() {
  canvas_.SetHandle(nullptr);
  if (ownDC_) {
    ReleaseDC(Handle(), ownDC_);
    ownDC_ = nullptr;
  }
}

void TCustomControl::ChangeScale(int oldDpi, int newDpi) {
  TWinControl::ChangeScale(oldDpi, newDpi);
  canvas_.Font.ScaleTo(newDpi);
}

void TCustomControl::SysColorChanged() {
  canvas_.SysColorsChanged();
  TWinControl::SysColorChanged();
}

void TCustomControl::PaintHandler() {
  PAINTSTRUCT ps;
  HWND window = Handle();
  HDC dc = BeginPaint(window, &ps);
  // The paint ends (the window validated, the DC given back) even when Paint throws, so a failing
  // paint is not retried in a tight loop. It ends on the window it began on, even if Paint made
  // the control a new one.
  struct EndPaintGuard {
    TCustomControl* self;
    HWND window;
    PAINTSTRUCT* ps;
    ~EndPaintGuard() {
      if (!self->ownDC_)
        self->canvas_.SetHandle(nullptr);
      EndPaint(window, ps);
    }
  } guard{this, window, &ps};
  if (!ownDC_)
    canvas_.SetHandle(dc);
  Paint();
}

LRESULT TCustomControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_PAINT:
    PaintHandler();
    return 0;
  case WM_ERASEBKGND:
    if (opaque_)
      return TRUE;
    return TWinControl::WndProc(message, wParam, lParam);
  // A click is a press and a release on this control: the mouse is captured while pressed, so
  // the release comes here wherever it happens, and a press that loses the mouse is over.
  case WM_LBUTTONDOWN:
    leftPressed_ = true;
    SetCapture(Handle());
    return TWinControl::WndProc(message, wParam, lParam);
  case WM_LBUTTONUP: {
    const bool wasPressed = leftPressed_;
    leftPressed_ = false;
    const LRESULT result = TWinControl::WndProc(message, wParam, lParam);
    if (!HandleAllocated())
      return result;
    if (GetCapture() == Handle())
      ReleaseCapture();
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const RECT client = ClientRect();
    if (wasPressed && PtInRect(&client, at))
      Click();
    return result;
  }
  case WM_CAPTURECHANGED:
    leftPressed_ = false;
    return TWinControl::WndProc(message, wParam, lParam);
  default:
    return TWinControl::WndProc(message, wParam, lParam);
  }
}

} // namespace ui
