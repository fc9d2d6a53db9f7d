#include "widgets/fc_label.h"

#include "ui/accel_text.h"
#include "widgets/fc_text_dc_canvas.h"

#include "ui/handles.h"
#include "ui/offscreen_paint.h"

namespace widgets {

TfcCustomLabel::TfcCustomLabel(ui::TComponent* owner)
    : ui::TCustomControl(owner), FTextOptions({[this] { Invalidate(); }, [this] { AdjustBounds(); },
                                               [this] { return Enabled(); }}) {
  SetOpaque(true); // the paint covers every pixel, background included
  SetBounds(Left(), Top(), 65, 17);
}

void TfcCustomLabel::Loaded() {
  FLoading = false;
  AdjustBounds();
}

void TfcCustomLabel::SetText(const std::string& text) {
  if (text == FCaption)
    return;
  FCaption = text;
  ui::TCustomControl::SetText(text); // keeps the window text for accessibility tools
  AdjustBounds();
  Invalidate();
}

void TfcCustomLabel::SetAutoSize(bool v) {
  if (SetIfChanged(FAutoSize, v))
    AdjustBounds();
}

void TfcCustomLabel::SetTransparent(bool v) {
  if (SetIfChanged(FTransparent, v))
    Invalidate();
}

void TfcCustomLabel::FontChanged() {
  ui::TCustomControl::FontChanged();
  AdjustBounds();
}

void TfcCustomLabel::ChangeScale(int oldDpi, int newDpi) {
  ui::TCustomControl::ChangeScale(oldDpi, newDpi);
  AdjustBounds();
  Invalidate();
}

void TfcCustomLabel::AdjustBounds() {
  if (!FAutoSize || FLoading)
    return;
  ui::WindowDC screen(nullptr);
  TfcDCTextCanvas canvas(screen.get());
  FTextOptions.SetText(FCaption);
  FTextOptions.SetFont(FontSpecOf(Font()));
  FTextOptions.SetDpi(Dpi());
  FTextOptions.SetRect(Bounds(0, 0, Width(), Height()));
  const TRect box = FTextOptions.Measure(canvas, false);
  // Right-justified text keeps its right edge where the window description put it.
  const int left = FTextOptions.Alignment() == TAlignment::taRightJustify
                       ? Left() + Width() - box.Width()
                       : Left();
  if (left != Left() || box.Width() != Width() || box.Height() != Height())
    SetBounds(left, Top(), box.Width(), box.Height());
}

bool TfcCustomLabel::DialogChar(char character) {
  if (!FFocusControl || !FTextOptions.Options().Contains(TfcTextOption::toShowAccel) ||
      !ui::IsAccelerator(character, FCaption) || !FFocusControl->Enabled() ||
      !FFocusControl->Visible() || !FFocusControl->HandleAllocated() ||
      !IsWindowVisible(FFocusControl->Handle()))
    return false;
  FFocusControl->SetFocus();
  return true;
}

void TfcCustomLabel::Paint() {
  const RECT client = ClientRect();
  const int w = client.right;
  const int h = client.bottom;
  if (w <= 0 || h <= 0)
    return;
  // Drawn off-screen and copied in one step, so the layers never flicker.
  ui::TOffscreenPaint paint(Canvas().Handle(), w, h);
  if (FTransparent) {
    PaintParentBackground(paint.DC(), client);
  } else {
    ui::UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(ui::ColorToRGB(Color()))));
    FillRect(paint.DC(), &client, brush.get());
  }
  DrawCaption(paint.DC(), client);
  paint.CopyToTarget();
}

void TfcCustomLabel::DrawCaption(HDC dc, const RECT& client) {
  TfcDCTextCanvas canvas(dc);
  FTextOptions.SetText(FCaption);
  FTextOptions.SetFont(FontSpecOf(Font()));
  FTextOptions.SetDpi(Dpi());
  FTextOptions.SetRect({client.left, client.top, client.right, client.bottom});
  FTextOptions.Draw(canvas);
}

void TfcCustomLabel::PaintParentBackground(HDC dc, const RECT& client) {
  // The parent erases its own background into our bitmap, shifted so that our corner lands on
  // (0, 0); what the parent paints beside its background does not show through.
  if (Parent() && Parent()->HandleAllocated()) {
    POINT previous;
    SetViewportOrgEx(dc, -Left(), -Top(), &previous);
    SendMessageW(Parent()->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
    return;
  }
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

} // namespace widgets
