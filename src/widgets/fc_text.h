#pragma once
// The caption engine of the decorative controls: measures and draws one caption (CR LF
// separated lines) into a rectangle with an optional extrusion, drop shadow and letter style.
// `TfcText` holds the behaviour; `TfcCaptionText` is the form the controls publish.
#include "widgets/fc_text_canvas.h"
#include "widgets/fc_text_effects.h"
#include "widgets/fc_types.h"

#include "ui/display_scale.h"

#include <string>
#include <string_view>
#include <vector>

namespace widgets {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TfcVAlignment { vaTop, vaVCenter, vaBottom };
enum class TfcTextOption { toShowAccel, toShowEllipsis, toFullJustify };
using TfcTextOptions = TfcSet<TfcTextOption>;
enum class TfcTextStyle { fclsDefault, fclsLowered, fclsRaised, fclsOutline };

// Degrees folded into 0..359, so -360 and 360 both mean "not turned".
constexpr int NormalizeRotation(int degrees) {
  return ((degrees % 360) + 360) % 360;
}

class TfcText {
public:
  explicit TfcText(TfcTextOwner owner = {});
  TfcText(const TfcText&) = delete;
  TfcText& operator=(const TfcText&) = delete;
  virtual ~TfcText() = default;

  // The owner passes its caption, layout rectangle and font before every measure and draw.
  void SetText(std::string text) { FText = std::move(text); }
  const std::string& Text() const { return FText; }
  void SetRect(const TRect& r) { FRect = r; }
  const TRect& Rect() const { return FRect; }
  void SetFont(const TfcFontSpec& font) { FFont = font; }
  const TfcFontSpec& Font() const { return FFont; }
  // The DPI the owner is shown at (its font already is): depths, offsets and spacings are
  // designed values and are drawn scaled to it.
  void SetDpi(int dpi) { FDpi = dpi; }
  int Dpi() const { return FDpi; }

  // The box the caption and its effects occupy for the current rectangle. Unclamped, it may be
  // larger than the rectangle (the size a control should take to show everything).
  TRect Measure(TfcTextCanvas& canvas, bool clamp);
  // Aligns the rectangle to the caption, then draws in the current style.
  void Draw(TfcTextCanvas& canvas);

  // Text-format flags for the platform's text drawing.
  unsigned TextFlags() const;
  // Room the extrusion and the shadow need beyond the letters.
  TPoint ExtrudeExtent() const;
  TPoint ShadowExtent() const;

protected:
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { Change(FAlignment, v, false); }
  TfcVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TfcVAlignment v) { Change(FVAlignment, v, false); }
  TfcTextOptions Options() const { return FOptions; }
  void SetOptions(TfcTextOptions v) { Change(FOptions, v, true); }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v) { Change(FWordWrap, v, true); }
  int LineSpacing() const { return FLineSpacing; }
  void SetLineSpacing(int v) { Change(FLineSpacing, v, true); }
  int Rotation() const { return FRotation; }
  void SetRotation(int degrees);
  TfcTextStyle Style() const { return FStyle; }
  void SetStyle(TfcTextStyle v) { Change(FStyle, v, true); }
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor v) { Change(FHighlightColor, v, false); }
  TColor ShadeColor() const { return FShadeColor; }
  void SetShadeColor(TColor v) { Change(FShadeColor, v, false); }
  TColor OutlineColor() const { return FOutlineColor; }
  void SetOutlineColor(TColor v) { Change(FOutlineColor, v, false); }
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool v) { Change(FDoubleBuffered, v, false); }
  TfcExtrudeEffects& ExtrudeEffects() { return FExtrudeEffects; }
  const TfcExtrudeEffects& ExtrudeEffects() const { return FExtrudeEffects; }
  TfcShadowEffects& Shadow() { return FShadow; }
  const TfcShadowEffects& Shadow() const { return FShadow; }
  TfcDisabledColors& DisabledColors() { return FDisabledColors; }
  const TfcDisabledColors& DisabledColors() const { return FDisabledColors; }

private:
  template <class T> void Change(T& field, const T& value, bool resizes) {
    if (SetIfChanged(field, value))
      Changed(resizes);
  }
  void Changed(bool resizes) const;
  bool OwnerEnabled() const;

  // Everything below expects the caption's font to be selected into the canvas.
  TSize TextSize(TfcTextCanvas& canvas) const;
  TSize BlockSize(TfcTextCanvas& canvas) const; // unturned lines, for rotated text
  TRect Box(const TRect& r, TSize text, bool clamp) const;
  void AlignRect(TSize box);
  // Where the letters go inside the box, before the extrusion moves them.
  TRect LetterRect(TfcTextCanvas& canvas);
  void DrawTextRect(TfcTextCanvas& canvas, TRect r, TColor color);
  void DrawRotated(TfcTextCanvas& canvas, const TRect& r, TColor color);
  int DrawJustified(TfcTextCanvas& canvas, std::string_view paragraph, const TRect& r,
                    TColor color);
  int ColumnWidth(int boxWidth) const;
  std::string Shown(std::string_view raw) const;
  int Px(int designed) const { return ui::ScaleToDpi(designed, FDpi); }

  TfcTextOwner FOwner;
  std::string FText;
  TRect FRect;
  TfcFontSpec FFont;
  int FDpi = ui::kDesignDpi;

  TAlignment FAlignment = TAlignment::taLeftJustify;
  TfcVAlignment FVAlignment = TfcVAlignment::vaTop;
  TfcTextOptions FOptions{TfcTextOption::toShowAccel};
  bool FWordWrap = false;
  int FLineSpacing = 5;
  int FRotation = 0;
  TfcTextStyle FStyle = TfcTextStyle::fclsDefault;
  TColor FHighlightColor = clBtnHighlight;
  TColor FShadeColor = clBtnShadow;
  TColor FOutlineColor = clBlack;
  bool FDoubleBuffered = false;
  TfcExtrudeEffects FExtrudeEffects{FOwner};
  TfcShadowEffects FShadow{FOwner};
  TfcDisabledColors FDisabledColors{FOwner};
};

class TfcCaptionText : public TfcText {
public:
  using TfcText::Alignment;
  using TfcText::DisabledColors;
  using TfcText::DoubleBuffered;
  using TfcText::ExtrudeEffects;
  using TfcText::HighlightColor;
  using TfcText::LineSpacing;
  using TfcText::Options;
  using TfcText::OutlineColor;
  using TfcText::Rotation;
  using TfcText::SetAlignment;
  using TfcText::SetDoubleBuffered;
  using TfcText::SetHighlightColor;
  using TfcText::SetLineSpacing;
  using TfcText::SetOptions;
  using TfcText::SetOutlineColor;
  using TfcText::SetRotation;
  using TfcText::SetShadeColor;
  using TfcText::SetStyle;
  using TfcText::SetVAlignment;
  using TfcText::SetWordWrap;
  using TfcText::ShadeColor;
  using TfcText::Shadow;
  using TfcText::Style;
  using TfcText::TfcText;
  using TfcText::VAlignment;
  using TfcText::WordWrap;
};

// Splits a caption at CR LF; a caption without one is a single line.
std::vector<std::string_view> SplitCaptionLines(std::string_view text);

} // namespace widgets
