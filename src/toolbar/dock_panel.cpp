#include "toolbar/dock_panel.h"

namespace toolbar {

TDockPanel::TDockPanel(ui::TComponent* owner, ui::TAlign edge, int thickness)
    : ui::TCustomControl(owner) {
  SetOpaque(true);
  SetColor(ui::RGBColor(0xDA, 0xE5, 0xF3));
  if (edge == ui::TAlign::alTop || edge == ui::TAlign::alBottom)
    SetBounds(0, 0, 100, thickness);
  else
    SetBounds(0, 0, thickness, 100);
  SetAlign(edge);
}

void TDockPanel::Paint() {
  const RECT client = ClientRect();
  FillGradient(Canvas().Handle(), client, ui::RGBColor(0xE3, 0xEF, 0xFF),
               ui::RGBColor(0xC4, 0xD7, 0xEE));
}

void FillGradient(HDC dc, const RECT& rect, ui::TColor top, ui::TColor bottom) {
  const int height = rect.bottom - rect.top;
  if (height <= 0 || rect.right <= rect.left)
    return;
  for (int y = 0; y < height; ++y) {
    auto mix = [&](int a, int b) { return a + (b - a) * y / std::max(height - 1, 1); };
    const COLORREF colour =
        RGB(mix(ui::RedOf(top), ui::RedOf(bottom)), mix(ui::GreenOf(top), ui::GreenOf(bottom)),
            mix(ui::BlueOf(top), ui::BlueOf(bottom)));
    ui::UniqueBrush brush(CreateSolidBrush(colour));
    const RECT line{rect.left, rect.top + y, rect.right, rect.top + y + 1};
    FillRect(dc, &line, brush.get());
  }
}

} // namespace toolbar
