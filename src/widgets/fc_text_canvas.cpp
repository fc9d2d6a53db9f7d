#include "widgets/fc_text_canvas.h"

namespace widgets {

TfcFontRequest MakeFontRequest(const TfcFontSpec& font, int rotation) {
  TfcFontRequest r;
  r.Height = font.Height;
  r.Escapement = rotation * 10;
  r.Orientation = rotation * 10;
  r.Weight = font.Bold ? 700 : 400;
  r.Italic = font.Italic;
  r.Underline = font.Underline;
  r.StrikeOut = font.StrikeOut;
  r.CharSet = font.Charset == kDefaultCharset ? 0 : font.Charset;
  r.OutPrecision = rotation == 0 ? 4 : 7;
  r.ClipPrecision = 0;
  r.Quality = 2;
  r.PitchAndFamily = 2;
  r.FaceName = font.Name;
  return r;
}

} // namespace widgets
