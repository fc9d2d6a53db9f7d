#pragma once
// A top-level window. Closing by any command (close box, system menu, Alt+F4, the task bar,
// Close()) goes through OnClose, whose action decides: hide (a secondary form), end the program
// (the main form) or stay open. A handler that throws abandons the close.
#include "ui/win_control.h"

namespace ui {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

// Results of a modal form; 0 keeps it running.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

class TForm : public TWinControl {
public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState state);
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control) { activeControl_ = control; }

  // Runs after the window description is applied: the form is scaled to its window's DPI, then
  // Loaded runs on every component, then OnCreate.
  void AfterConstruction();
  // Shows the form, described at the design DPI, at its window's DPI. Once: AfterConstruction
  // does it, and a form built without it is scaled as it is first shown. Later changes of DPI
  // (WM_DPICHANGED: another monitor, another scale) rescale it from its designed sizes.
  void ScaleToWindowDpi();
  // The client size is remembered at the design DPI and kept through changes of DPI, as long as
  // nothing else has resized the window since.
  void SetClientSize(int width, int height) override;

  void SetVisible(bool visible) override;
  void Close();
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool Modal() const { return modal_; }

  TNotifyEvent OnCreate;
  TCloseEvent OnClose;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  // After the form and its controls have taken a new DPI.
  TNotifyEvent OnDpiChanged;

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  void CreateParams(TCreateParams& params) override;
  virtual void DoClose(TCloseAction& action);
  void ScaleBounds(int oldDpi) override;
  void ChangeScale(int oldDpi, int newDpi) override;

private:
  void DpiChanged(int dpi, const RECT& suggested);
  // The window size the form takes at `dpi`, asked before a change of DPI; false where the
  // system cannot measure a frame at another DPI.
  bool ScaledWindowSize(int dpi, SIZE& size);
  // Whether the client size is still the designed one, shown at `dpi`.
  bool ClientAsDesigned(int dpi);
  // On first showing: a window that does not fit its monitor's work area is moved into it.
  void MoveIntoWorkArea();

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TWindowState windowState_ = TWindowState::wsNormal;
  TWinControl* activeControl_ = nullptr;
  int modalResult_ = mrNone;
  bool modal_ = false;
  bool scaledToWindow_ = false;
  bool shownOnce_ = false;
  // The client size at the design DPI, once SetClientSize has set one.
  bool hasDesignedClient_ = false;
  int designedClientWidth_ = 0, designedClientHeight_ = 0;
  // While a change of DPI is applied: the window rectangle the system suggests for it.
  const RECT* suggested_ = nullptr;
};

} // namespace ui
