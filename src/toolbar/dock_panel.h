#pragma once
// A dock strip along one edge of a form: the frame that toolbars sit in, drawn in the office
// style (a soft vertical gradient).
#include "ui/custom_control.h"

namespace toolbar {

class TDockPanel : public ui::TCustomControl {
public:
  TDockPanel(ui::TComponent* owner, ui::TAlign edge, int thickness);

protected:
  void Paint() override;
};

// Fills a rectangle with a vertical gradient from top to bottom colour.
void FillGradient(HDC dc, const RECT& rect, ui::TColor top, ui::TColor bottom);

} // namespace toolbar
