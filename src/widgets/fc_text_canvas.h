#pragma once
// What the caption engine needs from a drawing surface, so that its layout and drawing order
// can be exercised without a window: the window code implements it over a device context.
#include "widgets/fc_types.h"

#include <string>
#include <string_view>

namespace widgets {

// Text-format flags with the window system's values.
inline constexpr unsigned kDtCenter = 0x0001;
inline constexpr unsigned kDtRight = 0x0002;
inline constexpr unsigned kDtWordBreak = 0x0010;
inline constexpr unsigned kDtNoClip = 0x0100;
inline constexpr unsigned kDtNoPrefix = 0x0800;
inline constexpr unsigned kDtEndEllipsis = 0x8000;

inline constexpr int kDefaultCharset = 1;
inline constexpr int kRussianCharset = 204;

// The owner's font as the engine sees it.
struct TfcFontSpec {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  int Charset = kDefaultCharset;
  int Pitch = 0; // 0 default, 1 fixed, 2 variable
  TColor Color = clBlack;
  friend bool operator==(const TfcFontSpec&, const TfcFontSpec&) = default;
};

// The logical font made for one measure or draw, field for field what the font is created from.
struct TfcFontRequest {
  int Height = 0;
  int Escapement = 0;
  int Orientation = 0;
  int Weight = 400;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  int CharSet = 0;
  int OutPrecision = 0;
  int ClipPrecision = 0;
  int Quality = 0;
  int PitchAndFamily = 0;
  std::string FaceName;
  friend bool operator==(const TfcFontRequest&, const TfcFontRequest&) = default;
};

// Rotated text asks for a TrueType outline (precision 7) so that it can turn at all; the
// default character set is passed as 0 so the font mapper keeps to the face's own.
TfcFontRequest MakeFontRequest(const TfcFontSpec& font, int rotation);

class TfcTextCanvas {
public:
  virtual ~TfcTextCanvas() = default;
  // Creates the font and selects it until ReleaseFont, which also deletes it.
  virtual void SelectFont(const TfcFontRequest& font) = 0;
  virtual void ReleaseFont() = 0;
  // Width and height of one line as it stands (no "&" processing); an empty line still has the
  // font's height.
  virtual TSize TextExtent(std::string_view text) = 0;
  // Size of formatted text drawn into a rectangle of the given width.
  virtual TSize MeasureText(std::string_view text, int width, unsigned format) = 0;
  virtual void PaintText(std::string_view text, const TRect& rect, unsigned format,
                         TColor color) = 0;
  // One line with its top-left corner at `origin`, turned with the font.
  virtual void PaintTextAt(std::string_view text, TPoint origin, TColor color) = 0;
  // Switches the transparent background mode and returns whether it was on.
  virtual bool SetTransparent(bool on) = 0;
  // Resolves a system colour to red, green and blue.
  virtual TColor ColorToRGB(TColor color) { return color; }
};

} // namespace widgets
