// Bounds, alignment and display scale of the one window base class.
#include "ui/win_control.h"

#include <algorithm>

namespace ui {
namespace {

// A top-level window's restored bounds (rcNormalPosition) are in workspace coordinates, which
// start at the top-left of its monitor's work area, not of the screen: with the taskbar on the
// top or left edge they differ by its thickness. Tool windows' are in screen coordinates.
POINT WorkspaceOrigin(HWND window) {
  if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
    return {0, 0};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
    return {0, 0};
  return {monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top};
}

} // namespace

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
    const POINT origin = WorkspaceOrigin(handle_);
    OffsetRect(&rect, origin.x, origin.y);
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
    const POINT origin = WorkspaceOrigin(handle_);
    placement.rcNormalPosition = {left_ - origin.x, top_ - origin.y, left_ + width_ - origin.x,
                                  top_ + height_ - origin.y};
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

void TWinControl::SetVisible(bool visible) {
  visible_ = visible;
  if (handle_)
    ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
  if (parent_ && align_ != TAlign::alNone)
    parent_->AlignChildren();
}

} // namespace ui
