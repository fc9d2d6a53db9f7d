#pragma once
// A text surface with fixed metrics that records what the caption engine draws: every byte is
// 8 pixels wide and every line 20 pixels high.
#include "ui/accel_text.h"
#include "test_print.h"
#include "widgets/fc_text_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace widgets::fake {

inline constexpr int kCharWidth = 8;
inline constexpr int kLineHeight = 20;

struct TPainted {
  std::string Text;
  TRect Rect; // for PaintTextAt: the origin in Left/Top, zero size
  unsigned Format = 0;
  TColor Color = 0;
};

class TFakeTextCanvas : public TfcTextCanvas {
public:
  void SelectFont(const TfcFontRequest& font) override {
    Fonts.push_back(font);
    ++Selected;
  }
  void ReleaseFont() override { --Selected; }
  TSize TextExtent(std::string_view text) override {
    return {static_cast<int>(text.size()) * kCharWidth, kLineHeight};
  }
  TSize MeasureText(std::string_view text, int width, unsigned format) override {
    const std::string shown =
        (format & kDtNoPrefix) ? std::string(text) : ui::StripAccelerators(text);
    const int w = static_cast<int>(shown.size()) * kCharWidth;
    if (!(format & kDtWordBreak) || w <= width || width <= 0)
      return {w, kLineHeight};
    const int perLine = std::max(1, width / kCharWidth);
    const int lines = (static_cast<int>(shown.size()) + perLine - 1) / perLine;
    return {perLine * kCharWidth, lines * kLineHeight};
  }
  void PaintText(std::string_view text, const TRect& rect, unsigned format, TColor color) override {
    EXPECT_TRUE(Transparent) << "text drawn over an opaque background";
    EXPECT_EQ(Selected, 1) << "text drawn without the caption's font";
    Painted.push_back({std::string(text), rect, format, color});
  }
  void PaintTextAt(std::string_view text, TPoint origin, TColor color) override {
    Painted.push_back({std::string(text), {origin.x, origin.y, origin.x, origin.y}, 0, color});
  }
  bool SetTransparent(bool on) override {
    const bool was = Transparent;
    Transparent = on;
    return was;
  }
  TColor ColorToRGB(TColor color) override { return IsSystemColor(color) ? 0x808080 : color; }

  std::vector<TfcFontRequest> Fonts;
  std::vector<TPainted> Painted;
  int Selected = 0;
  bool Transparent = false;
};

} // namespace widgets::fake
