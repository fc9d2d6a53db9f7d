#pragma once
// The one window base class. Every control is a window; its C++ object is attached when the
// window is created and detached at WM_NCDESTROY, and every message goes through one virtual
// WndProc. Properties are kept in fields and applied to the window once it exists, so a window
// description can set them in any order. Exceptions never leave a window procedure: they are
// handed to the application object, which shows the error box.
#include "ui/color.h"
#include "ui/component.h"
#include "ui/display_scale.h"
#include "ui/events.h"
#include "ui/graphics.h"

#include <optional>
#include <string>

#include <windows.h>

namespace ui {

enum class TCursor { crDefault, crArrow, crHandPoint, crIBeam, crCross, crSizeAll };

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

struct TCreateParams {
  std::wstring ClassName;       // ours (registered on demand) or a standard one such as L"EDIT"
  bool StandardClass = false;   // a system class: subclassed after creation
  UINT ClassStyle = CS_DBLCLKS; // for our own classes
  DWORD Style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD ExStyle = 0;
};

class TWinControl : public TComponent {
public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  static TWinControl* FromHandle(HWND window);

  // The window, created on first need.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  void DestroyHandle();

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT ClientRect();
  int ClientWidth();
  int ClientHeight();
  virtual void SetClientSize(int width, int height);

  // Display scale: the DPI the control's bounds and font are in. Controls are described at the
  // design DPI; ScaleForDpi shows them at another, this control and its children, bounds and font
  // taken from their designed values. A child parented to a control already at another DPI (made
  // at run time) takes its parent's: its font, described at the design DPI, is scaled; its
  // bounds, computed at run time in its parent's pixels, are kept.
  int Dpi() const { return dpi_; }
  void ScaleForDpi(int dpi);
  // A designed size (pixels at the design DPI) at the control's DPI.
  int Scaled(int designed) const { return ScaleToDpi(designed, dpi_); }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The window text (a form's title, a control's caption), Windows-1251.
  virtual std::string Text();
  virtual void SetText(const std::string& text);
  std::string Caption() { return Text(); }
  void SetCaption(const std::string& text) { SetText(text); }

  TFont& Font() { return font_; }
  // The font is taken as described and shown at the control's DPI.
  void SetFont(const TFont& font) {
    font_ = font;
    font_.ScaleTo(dpi_);
  }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }

  void SetFocus();
  bool Focused() const;
  // Repaint request: the whole client area, without erasing; requests coalesce into one paint.
  void Invalidate();
  void Update();
  void Repaint() {
    Invalidate();
    Update();
  }
  void BringToFront();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnResize;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // An access letter (Alt + letter, Windows-1251) that the form's menus did not take, offered to
  // the controls of the form in creation order; true when one of them took it. Controls that
  // answer to access letters (labels with a FocusControl, buttons) override it.
  virtual bool DialogChar(char character);
  // Enter or Escape that the focused control does not want (its WM_GETDLGCODE answer), offered
  // the same way: the form's default or cancel button clicks.
  virtual bool DialogKey(WORD key);

  // Reads the modifier keys and mouse buttons now held.
  static TShiftState KeyboardShiftState();

  // The message dispatch; derived classes handle what they need and pass the rest on.
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();    // after the window exists: apply fields kept so far
  virtual void DestroyWnd() {} // at WM_DESTROY, however the window goes
  LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void KeyDown(std::uint16_t& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void Resize();
  virtual void FontChanged();
  // Display scale: ScaleBounds shows the designed bounds at the new DPI (forms add their frame
  // and client rules); ChangeScale runs once the control and its children are at the new DPI,
  // for sizes of a control's own (its drawing, its layout).
  virtual void ScaleBounds(int oldDpi);
  virtual void ChangeScale(int oldDpi, int newDpi) {
    (void)oldDpi;
    (void)newDpi;
  }
  bool MouseInControl() const { return mouseInside_; }
  // The bounds' size at the design DPI.
  int DesignedWidth() const { return designedWidth_; }
  int DesignedHeight() const { return designedHeight_; }

  // Notifications a parent reflects back to the child they concern.
  virtual bool CommandNotify(WORD code) {
    (void)code;
    return false;
  }
  virtual bool DrawItem(DRAWITEMSTRUCT& item) {
    (void)item;
    return false;
  }
  virtual HBRUSH CtlColor(HDC dc);
  // The system's colours or theme changed (High Contrast on or off): objects made in system
  // colours go, and the control is repainted. Forms are told; they pass it on to their children.
  virtual void SysColorChanged();

  // The background brush of Color(), kept for WM_CTLCOLOR* answers and erasing.
  HBRUSH BackgroundBrush();

  void ApplyFont();
  void AlignChildren();

private:
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK ControlSubclassProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> InputMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Attach(HWND window);
  void Detach();
  void CreateHandle();
  void UpdateBoundsFromWindow();
  void KeepDesignedBounds();
  void AdoptDpi(int dpi);
  void AddChild(TWinControl* child);
  void RemoveChild(TWinControl* child);

  HWND handle_ = nullptr;
  WNDPROC standardProc_ = nullptr; // the system class's procedure, for subclassed controls
  TWinControl* parent_ = nullptr;
  std::vector<TWinControl*> children_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  // The bounds at the design DPI (see ui/display_scale.h).
  int designedLeft_ = 0, designedTop_ = 0, designedWidth_ = 0, designedHeight_ = 0;
  int dpi_ = kDesignDpi;
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  bool tabStop_ = false;
  int tabOrder_ = -1;
  std::string text_;
  TFont font_;
  TColor color_ = clBtnFace;
  UniqueBrush backgroundBrush_;
  TColor backgroundBrushRGB_ = clNone; // what Color() resolved to when the brush was made
  TCursor cursor_ = TCursor::crDefault;
  bool mouseInside_ = false;
  bool settingBounds_ = false;
};

} // namespace ui
