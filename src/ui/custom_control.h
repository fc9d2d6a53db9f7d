#pragma once
// A windowed control that paints itself on its own canvas. The canvas holds the paint's DC while
// Paint runs; a control whose class keeps its own DC (CS_OWNDC) holds that DC for its life.
#include "ui/win_control.h"

namespace ui {

class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;

  TCanvas& Canvas() { return canvas_; }

  // An opaque control paints every pixel itself, so nothing erases under it.
  bool Opaque() const { return opaque_; }
  void SetOpaque(bool opaque) { opaque_ = opaque; }

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void ChangeScale(int oldDpi, int newDpi) override; // the canvas font too
  void SysColorChanged() override;                   // the canvas's objects too
  virtual void Paint() {}

private:
  void PaintHandler();

  TCanvas canvas_;
  HDC ownDC_ = nullptr;
  bool opaque_ = false;
  bool leftPressed_ = false;
};

} // namespace ui
