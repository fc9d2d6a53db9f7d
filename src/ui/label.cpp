#include "ui/label.h"

#include <cstring>

#include "ui/letter_lean.h"
#include "ui/offscreen_paint.h"
#include "ui/win_text.h"

namespace ui {

TLabel::TLabel(TComponent* owner) : TCustomControl(owner) {
  SetOpaque(true); // the paint covers every pixel; a transparent label keeps what was erased
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
  SetOpaque(!transparent);
  Invalidate();
}

void TLabel::SetText(const std::string& text) {
  if (text == text_)
    return;
  text_ = text;
  // The window text names the label for assistive tools; WM_SETTEXT paints nothing on a window
  // without a caption bar, so the label still draws alone.
  TCustomControl::SetText(text);
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
  const int lean = LetterLean(dc.get(), text.back());
  return {rect.right - rect.left + lean, rect.bottom - rect.top};
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
  const RECT client = ClientRect();
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0)
    return;
  // Drawn off-screen and copied in one step: a caption repainted ten times a second in a new
  // colour must never show its background alone.
  HDC target = Canvas().Handle();
  TOffscreenPaint paint(target, width, height);
  if (transparent_) {
    BitBlt(paint.DC(), 0, 0, width, height, target, 0, 0, SRCCOPY); // what lies under it
  } else {
    UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color()))));
    FillRect(paint.DC(), &client, brush.get());
  }
  {
    ScopedSelect selectedFont(paint.DC(), Font().Handle());
    SetTextColor(paint.DC(), static_cast<COLORREF>(ColorToRGB(Font().Color())));
    SetBkMode(paint.DC(), TRANSPARENT);
    const std::wstring text = ToWide(text_);
    RECT rect = client;
    DrawTextW(paint.DC(), text.c_str(), static_cast<int>(text.size()), &rect,
              DT_NOPREFIX | DT_EXPANDTABS);
  }
  paint.CopyToTarget();
}

} // namespace ui
