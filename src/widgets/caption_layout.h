#pragma once
// Where a button puts its glyph and caption: both boxes are placed around an anchor given by
// the caption's alignment, stacked or side by side by the layout, then moved by the offsets.
#include "widgets/fc_text.h"
#include "widgets/fc_types.h"

#include "ui/display_scale.h"

namespace widgets {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TfcOffsets {
  int GlyphX = 0;
  int GlyphY = 0;
  int TextX = 0;
  int TextY = 0;
  friend bool operator==(const TfcOffsets&, const TfcOffsets&) = default;
};

// Shifts while the button is down.
struct TfcImgDownOffsets : TfcOffsets {
  int TextDownX = 1;
  int TextDownY = 1;
  int ImageDownX = 2;
  int ImageDownY = 2;
  friend bool operator==(const TfcImgDownOffsets&, const TfcImgDownOffsets&) = default;
};

struct TfcCaptionLayoutInput {
  TSize Client; // the button's width and height
  TSize Text;   // caption box measured without clamping, effects included
  TSize Glyph;  // one image of the glyph, (0, 0) without one
  bool HasCaption = false;
  TAlignment Alignment = TAlignment::taCenter;
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  int Margin = -1; // -1 means 4
  int Spacing = 4;
  TfcImgDownOffsets Offsets;
  bool Down = false;
  // The button's DPI: margin, spacing, offsets and the layout's own distances are designed
  // values, placed scaled to it (the sizes above are measured, already at this DPI).
  int Dpi = ui::kDesignDpi;
};

struct TfcCaptionPlacement {
  TRect Glyph;
  TRect Caption; // clipped to the client area less a two-pixel border
  TRect Focus;   // around both boxes, for the focus rectangle
};

TfcCaptionPlacement LayoutCaption(const TfcCaptionLayoutInput& in);

} // namespace widgets
