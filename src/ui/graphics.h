#pragma once
// Font, brush and pen descriptions that make their GDI objects on demand, and the canvas that
// draws with them on a device context it does not own.
#include "ui/color.h"
#include "ui/display_scale.h"
#include "ui/handles.h"

#include <functional>
#include <string>

#include <windows.h>

// The canvas keeps the framework's method name; Windows' macro would rename it to TextOutW.
#undef TextOut

namespace ui {

TColor ColorToRGB(TColor color); // system colours via GetSysColor

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

inline constexpr BYTE DEFAULT_CHARSET_VALUE = DEFAULT_CHARSET;
inline constexpr BYTE RUSSIAN_CHARSET_VALUE = RUSSIAN_CHARSET;

class TFont {
public:
  TFont();
  TFont(const TFont& other);
  TFont& operator=(const TFont& other); // Assign: copies the description, not the handle

  const std::string& Name() const { return name_; }
  int Height() const { return height_; }
  TFontStyles Style() const { return style_; }
  TColor Color() const { return color_; }
  BYTE Charset() const { return charset_; }
  int Orientation() const { return orientation_; } // tenths of a degree

  void SetName(const std::string& name);
  void SetHeight(int height);
  void SetStyle(TFontStyles style);
  void SetColor(TColor color);
  void SetCharset(BYTE charset);
  void SetOrientation(int tenthsOfDegree);

  // The DPI the height is in. A font is described at the design DPI and shown at its window's:
  // ScaleTo takes the height from the designed one, and a height set at another DPI is taken
  // back to the design DPI for later changes.
  int PixelsPerInch() const { return pixelsPerInch_; }
  void ScaleTo(int dpi);

  // The LOGFONTW this description makes; callers may adjust it for a font of their own.
  LOGFONTW LogFont() const;
  HFONT Handle() const; // made on first use after a change; owned by the font

  std::function<void()> OnChange;

private:
  friend class TCanvas;
  void Changed();
  void DropHandle() const;

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  int designedHeight_ = -11;
  int pixelsPerInch_ = kDesignDpi;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  BYTE charset_ = DEFAULT_CHARSET;
  int orientation_ = 0;
  mutable UniqueFont handle_;
  std::function<void(HGDIOBJ)> beforeDelete_; // the canvas's, told before the handle goes
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush {
public:
  TColor Color() const { return color_; }
  TBrushStyle Style() const { return style_; }
  void SetColor(TColor color);
  void SetStyle(TBrushStyle style);
  // Made in what the colour resolves to now: a system colour's object follows the system's.
  HBRUSH Handle() const;

private:
  friend class TCanvas;
  void DropHandle() const;

  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
  mutable UniqueBrush handle_;
  mutable TColor handleRGB_ = clNone;
  std::function<void(HGDIOBJ)> beforeDelete_;
};

class TPen {
public:
  TColor Color() const { return color_; }
  int Width() const { return width_; }
  void SetColor(TColor color);
  void SetWidth(int width);
  HPEN Handle() const; // as the brush's

private:
  friend class TCanvas;
  void DropHandle() const;

  TColor color_ = clBlack;
  int width_ = 1;
  mutable UniquePen handle_;
  mutable TColor handleRGB_ = clNone;
  std::function<void(HGDIOBJ)> beforeDelete_;
};

// Draws on a device context owned elsewhere (a paint's, a window's own, a memory bitmap's).
// The font, brush and pen are selected at each drawing call and the DC's previous objects are
// restored when the canvas lets go of the DC, or as soon as a change of the font, brush or pen
// would delete the object still selected.
class TCanvas {
public:
  TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  ~TCanvas();

  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc); // 0 lets go of the current DC

  TFont Font;
  TBrush Brush;
  TPen Pen;

  void FillRect(const RECT& rect);
  void TextOut(int x, int y, const std::string& text);
  SIZE TextExtent(const std::string& text);

  // Selects the font, brush and pen and sets text colour and background mode.
  void Prepare();
  // The system's colours changed: the brush and pen of system colours go (made anew when next
  // drawn with).
  void SysColorsChanged();

private:
  void Deselect(HGDIOBJ object, HGDIOBJ saved);

  HDC dc_ = nullptr;
  HGDIOBJ savedFont_ = nullptr;
  HGDIOBJ savedBrush_ = nullptr;
  HGDIOBJ savedPen_ = nullptr;
};

} // namespace ui
