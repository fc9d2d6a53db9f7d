#pragma once
// A single-line text field.
#include "ui/win_control.h"

namespace ui {

class TEdit : public TWinControl {
public:
  explicit TEdit(TComponent* owner);
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  void CreateParams(TCreateParams& params) override;
};

} // namespace ui
