#include "widgets/fc_text_dc_canvas.h"

#include "ui/face_replacement.h"
#include "ui/font_face.h"
#include "ui/graphics.h"
#include "ui/win_text.h"

#include <cwchar>

namespace widgets {

static_assert(kDtCenter == DT_CENTER && kDtRight == DT_RIGHT && kDtWordBreak == DT_WORDBREAK &&
              kDtNoClip == DT_NOCLIP && kDtNoPrefix == DT_NOPREFIX &&
              kDtEndEllipsis == DT_END_ELLIPSIS);
static_assert(kDefaultCharset == DEFAULT_CHARSET && kRussianCharset == RUSSIAN_CHARSET);

namespace {

std::wstring Wide(std::string_view text) {
  return ui::ToWide(std::string(text));
}

} // namespace

void TfcDCTextCanvas::SelectFont(const TfcFontRequest& font) {
  ReleaseFont();
  LOGFONTW lf{};
  lf.lfHeight = font.Height;
  lf.lfEscapement = font.Escapement;
  lf.lfOrientation = font.Orientation;
  lf.lfWeight = font.Weight;
  lf.lfItalic = font.Italic;
  lf.lfUnderline = font.Underline;
  lf.lfStrikeOut = font.StrikeOut;
  lf.lfCharSet = static_cast<BYTE>(font.CharSet);
  lf.lfOutPrecision = static_cast<BYTE>(font.OutPrecision);
  lf.lfClipPrecision = static_cast<BYTE>(font.ClipPrecision);
  lf.lfQuality = static_cast<BYTE>(font.Quality);
  lf.lfPitchAndFamily = static_cast<BYTE>(font.PitchAndFamily);
  const std::wstring face = Wide(font.FaceName);
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  ui::UseInstalledFace(lf);
  FFont.reset(CreateFontIndirectW(&lf));
  FPreviousFont = SelectObject(FDC, FFont.get());
}

void TfcDCTextCanvas::ReleaseFont() {
  if (!FFont)
    return;
  SelectObject(FDC, FPreviousFont);
  FPreviousFont = nullptr;
  FFont.reset();
}

int TfcDCTextCanvas::LineHeight() const {
  TEXTMETRICW tm{};
  GetTextMetricsW(FDC, &tm);
  return tm.tmHeight;
}

TSize TfcDCTextCanvas::TextExtent(std::string_view text) {
  const std::wstring wide = Wide(text);
  SIZE size{};
  GetTextExtentPoint32W(FDC, wide.c_str(), static_cast<int>(wide.size()), &size);
  return {size.cx, size.cy > 0 ? size.cy : LineHeight()};
}

TSize TfcDCTextCanvas::MeasureText(std::string_view text, int width, unsigned format) {
  const std::wstring wide = Wide(text);
  RECT rect{0, 0, width, 0};
  DrawTextW(FDC, wide.c_str(), static_cast<int>(wide.size()), &rect, format | DT_CALCRECT);
  const int height = rect.bottom - rect.top;
  return {rect.right - rect.left, height > 0 ? height : LineHeight()};
}

void TfcDCTextCanvas::PaintText(std::string_view text, const TRect& rect, unsigned format,
                                TColor color) {
  const std::wstring wide = Wide(text);
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  SetTextColor(FDC, static_cast<COLORREF>(ColorToRGB(color)));
  DrawTextW(FDC, wide.c_str(), static_cast<int>(wide.size()), &r, format);
}

void TfcDCTextCanvas::PaintTextAt(std::string_view text, TPoint origin, TColor color) {
  const std::wstring wide = Wide(text);
  SetTextColor(FDC, static_cast<COLORREF>(ColorToRGB(color)));
  const UINT align = SetTextAlign(FDC, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  TextOutW(FDC, origin.x, origin.y, wide.c_str(), static_cast<int>(wide.size()));
  SetTextAlign(FDC, align);
}

bool TfcDCTextCanvas::SetTransparent(bool on) {
  return SetBkMode(FDC, on ? TRANSPARENT : OPAQUE) == TRANSPARENT;
}

TColor TfcDCTextCanvas::ColorToRGB(TColor color) {
  return ui::ColorToRGB(color);
}

TfcFontSpec FontSpecOf(const ui::TFont& font) {
  TfcFontSpec spec;
  spec.Name = ui::FaceForDpi(font.Name(), font.PixelsPerInch());
  spec.Height = font.Height();
  spec.Bold = (font.Style() & ui::fsBold) != 0;
  spec.Italic = (font.Style() & ui::fsItalic) != 0;
  spec.Underline = (font.Style() & ui::fsUnderline) != 0;
  spec.StrikeOut = (font.Style() & ui::fsStrikeOut) != 0;
  spec.Charset = font.Charset();
  spec.Color = font.Color();
  return spec;
}

} // namespace widgets
