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

  // Runs after the window description is applied: Loaded on every component, then OnCreate.
  void AfterConstruction();

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

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  void CreateParams(TCreateParams& params) override;
  virtual void DoClose(TCloseAction& action);

private:
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TWindowState windowState_ = TWindowState::wsNormal;
  TWinControl* activeControl_ = nullptr;
  int modalResult_ = mrNone;
  bool modal_ = false;
};

} // namespace ui
