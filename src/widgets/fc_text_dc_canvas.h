#pragma once
// The caption engine's drawing surface over a device context: fonts made from the engine's
// requests, text through the W functions with the program's Windows-1251 text converted.
#include "widgets/fc_text_canvas.h"

#include "ui/graphics.h"
#include "ui/handles.h"

#include <windows.h>

namespace widgets {

class TfcDCTextCanvas final : public TfcTextCanvas {
public:
  explicit TfcDCTextCanvas(HDC dc) : FDC(dc) {}
  ~TfcDCTextCanvas() override { TfcDCTextCanvas::ReleaseFont(); }
  TfcDCTextCanvas(const TfcDCTextCanvas&) = delete;
  TfcDCTextCanvas& operator=(const TfcDCTextCanvas&) = delete;

  void SelectFont(const TfcFontRequest& font) override;
  void ReleaseFont() override;
  TSize TextExtent(std::string_view text) override;
  TSize MeasureText(std::string_view text, int width, unsigned format) override;
  void PaintText(std::string_view text, const TRect& rect, unsigned format, TColor color) override;
  void PaintTextAt(std::string_view text, TPoint origin, TColor color) override;
  bool SetTransparent(bool on) override;
  TColor ColorToRGB(TColor color) override;

private:
  int LineHeight() const;

  HDC FDC;
  ui::UniqueFont FFont;
  HGDIOBJ FPreviousFont = nullptr;
};

// The engine's view of a framework font.
TfcFontSpec FontSpecOf(const ui::TFont& font);

} // namespace widgets
