#include "ui/graphics.h"

#include "ui/face_replacement.h"
#include "ui/font_face.h"
#include "ui/set_if_changed.h"
#include "ui/win_text.h"

#include <cwchar>

namespace ui {
TColor ColorToRGB(TColor color) {
  return ColorToRGB(color, [](int index) { return static_cast<TColor>(GetSysColor(index)); });
}

// ---- TFont -------------------------------------------------------------------------------

TFont::TFont() = default;

TFont::TFont(const TFont& other)
    : name_(other.name_), height_(other.height_), designedHeight_(other.designedHeight_),
      pixelsPerInch_(other.pixelsPerInch_), style_(other.style_), color_(other.color_),
      charset_(other.charset_), orientation_(other.orientation_) {}

TFont& TFont::operator=(const TFont& other) {
  if (this == &other)
    return *this;
  name_ = other.name_;
  height_ = other.height_;
  designedHeight_ = other.designedHeight_;
  pixelsPerInch_ = other.pixelsPerInch_;
  style_ = other.style_;
  color_ = other.color_;
  charset_ = other.charset_;
  orientation_ = other.orientation_;
  Changed();
  return *this;
}

void TFont::Changed() {
  DropHandle();
  if (OnChange)
    OnChange();
}

void TFont::DropHandle() const {
  if (handle_ && beforeDelete_)
    beforeDelete_(handle_.get());
  handle_.reset();
}

void TFont::SetName(const std::string& name) {
  if (SetIfChanged(name_, name))
    Changed();
}
void TFont::SetHeight(int height) {
  if (!SetIfChanged(height_, height))
    return;
  designedHeight_ = DesignedFor(height, pixelsPerInch_, designedHeight_);
  Changed();
}

void TFont::ScaleTo(int dpi) {
  if (!SetIfChanged(pixelsPerInch_, dpi))
    return;
  if (SetIfChanged(height_, ScaleToDpi(designedHeight_, dpi)))
    Changed();
}
void TFont::SetStyle(TFontStyles style) {
  if (SetIfChanged(style_, style))
    Changed();
}
void TFont::SetColor(TColor color) {
  // The colour is applied at drawing time; the GDI font stays valid.
  if (SetIfChanged(color_, color) && OnChange)
    OnChange();
}
void TFont::SetCharset(BYTE charset) {
  if (SetIfChanged(charset_, charset))
    Changed();
}
void TFont::SetOrientation(int tenthsOfDegree) {
  if (SetIfChanged(orientation_, tenthsOfDegree))
    Changed();
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW lf{};
  lf.lfHeight = height_;
  lf.lfEscapement = orientation_;
  lf.lfOrientation = orientation_;
  lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
  lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
  lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = charset_;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  const std::wstring face = ToWide(FaceForDpi(name_, pixelsPerInch_));
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return lf;
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf = LogFont();
    UseInstalledFace(lf);
    handle_.reset(CreateFontIndirectW(&lf));
  }
  return handle_.get();
}

// ---- TBrush, TPen ------------------------------------------------------------------------

void TBrush::DropHandle() const {
  if (handle_ && beforeDelete_)
    beforeDelete_(handle_.get());
  handle_.reset();
}
void TBrush::SetColor(TColor color) {
  if (SetIfChanged(color_, color))
    DropHandle();
}
void TBrush::SetStyle(TBrushStyle style) {
  if (SetIfChanged(style_, style))
    DropHandle();
}
HBRUSH TBrush::Handle() const {
  if (style_ == TBrushStyle::bsClear)
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  const TColor rgb = ColorToRGB(color_);
  if (handle_ && handleRGB_ != rgb)
    DropHandle();
  if (!handle_) {
    handle_.reset(CreateSolidBrush(static_cast<COLORREF>(rgb)));
    handleRGB_ = rgb;
  }
  return handle_.get();
}

void TPen::DropHandle() const {
  if (handle_ && beforeDelete_)
    beforeDelete_(handle_.get());
  handle_.reset();
}
void TPen::SetColor(TColor color) {
  if (SetIfChanged(color_, color))
    DropHandle();
}
void TPen::SetWidth(int width) {
  if (SetIfChanged(width_, width))
    DropHandle();
}
HPEN TPen::Handle() const {
  const TColor rgb = ColorToRGB(color_);
  if (handle_ && handleRGB_ != rgb)
    DropHandle();
  if (!handle_) {
    handle_.reset(CreatePen(PS_SOLID, width_, static_cast<COLORREF>(rgb)));
    handleRGB_ = rgb;
  }
  return handle_.get();
}

// ---- TCanvas -----------------------------------------------------------------------------

TCanvas::TCanvas() {
  Font.beforeDelete_ = [this](HGDIOBJ font) { Deselect(font, savedFont_); };
  Brush.beforeDelete_ = [this](HGDIOBJ brush) { Deselect(brush, savedBrush_); };
  Pen.beforeDelete_ = [this](HGDIOBJ pen) { Deselect(pen, savedPen_); };
}

TCanvas::~TCanvas() {
  SetHandle(nullptr);
}

// A selected object cannot be deleted (Windows refuses, and the object leaks): the DC gets its
// own object back first. Prepare selects ours again at the next drawing call.
void TCanvas::Deselect(HGDIOBJ object, HGDIOBJ saved) {
  if (dc_ && saved && GetCurrentObject(dc_, GetObjectType(object)) == object)
    SelectObject(dc_, saved);
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_)
    return;
  if (dc_) {
    // Put the DC's own objects back before our font, brush or pen can be deleted.
    if (savedFont_)
      SelectObject(dc_, savedFont_);
    if (savedBrush_)
      SelectObject(dc_, savedBrush_);
    if (savedPen_)
      SelectObject(dc_, savedPen_);
    LetGoDC(dc_);
  }
  savedFont_ = savedBrush_ = savedPen_ = nullptr;
  dc_ = dc;
  HoldDC(dc_);
}

void TCanvas::Prepare() {
  HGDIOBJ oldFont = SelectObject(dc_, Font.Handle());
  HGDIOBJ oldBrush = SelectObject(dc_, Brush.Handle());
  HGDIOBJ oldPen = SelectObject(dc_, Pen.Handle());
  if (!savedFont_)
    savedFont_ = oldFont;
  if (!savedBrush_)
    savedBrush_ = oldBrush;
  if (!savedPen_)
    savedPen_ = oldPen;
  SetTextColor(dc_, static_cast<COLORREF>(ColorToRGB(Font.Color())));
  if (Brush.Style() == TBrushStyle::bsClear) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, static_cast<COLORREF>(ColorToRGB(Brush.Color())));
  }
}

void TCanvas::SysColorsChanged() {
  if (IsSystemColor(Brush.Color()))
    Brush.DropHandle();
  if (IsSystemColor(Pen.Color()))
    Pen.DropHandle();
}

void TCanvas::FillRect(const RECT& rect) {
  Prepare();
  ::FillRect(dc_, &rect, Brush.Handle());
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  Prepare();
  const std::wstring wide = ToWide(text);
  TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

SIZE TCanvas::TextExtent(const std::string& text) {
  Prepare();
  const std::wstring wide = ToWide(text);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

} // namespace ui
