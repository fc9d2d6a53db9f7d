#include "ui/label.h"

#include <cstring>

#include "ui/win_text.h"

namespace ui {

TLabel::TLabel(TComponent* owner) : TCustomControl(owner) {
  SetOpaque(false);
}

void TLabel::CreateWnd() {
  TCustomControl::CreateWnd();
  fittedSize_ = {-1, -1}; // a new window measures afresh
  AdjustSize();
}

void TLabel::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustSize();
}

void TLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void TLabel::SetText(const std::string& text) {
  if (text == text_)
    return;
  text_ = text;
  AdjustSize();
  Invalidate();
}

void TLabel::FontChanged() {
  AdjustSize();
  Invalidate();
}

SIZE TLabel::TextSize() {
  HWND window = Handle();
  WindowDC dc(window);
  ScopedSelect font(dc.get(), Font().Handle());
  RECT rect{0, 0, 0, 0};
  const std::wstring text = ToWide(text_.empty() ? std::string(" ") : text_);
  DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &rect,
            DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  // An italic last letter leans past its advance width; without room for it the label would
  // clip it ("example/" loses half its slash).
  int overhang = 0;
  ABC last{};
  if (GetCharABCWidthsW(dc.get(), text.back(), text.back(), &last) && last.abcC < 0)
    overhang = -last.abcC;
  return {rect.right - rect.left + overhang, rect.bottom - rect.top};
}

void TLabel::AdjustSize() {
  if (!autoSize_ || !HandleAllocated())
    return;
  // A caption that pulses in colour ten times a second is not measured and moved each time.
  const LOGFONTW font = Font().LogFont();
  if (fittedSize_.cx == Width() && fittedSize_.cy == Height() && fittedText_ == text_ &&
      std::memcmp(&fittedFont_, &font, sizeof font) == 0)
    return;
  const SIZE size = TextSize();
  SetBounds(Left(), Top(), size.cx, size.cy);
  fittedFont_ = font;
  fittedText_ = text_;
  fittedSize_ = {Width(), Height()};
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  RECT client = ClientRect();
  if (transparent_) {
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
  } else {
    canvas.Brush.SetStyle(TBrushStyle::bsSolid);
    canvas.Brush.SetColor(Color());
    canvas.FillRect(client);
  }
  canvas.Font = Font();
  canvas.Prepare();
  SetBkMode(canvas.Handle(), TRANSPARENT);
  const std::wstring text = ToWide(text_);
  DrawTextW(canvas.Handle(), text.c_str(), static_cast<int>(text.size()), &client,
            DT_NOPREFIX | DT_EXPANDTABS);
}

} // namespace ui
