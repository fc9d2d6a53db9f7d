#include "widgets/fc_image_btn.h"

#include "widgets/mask_region.h"

#include "ui/graphics.h"
#include "ui/handles.h"
#include "ui/offscreen_paint.h"

namespace widgets {
namespace {

HRGN RegionFromRectangles(const std::vector<TRect>& rects) {
  std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rects.size());
  header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  RECT bounds{0, 0, 0, 0};
  auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (std::size_t i = 0; i < rects.size(); ++i) {
    out[i] = {rects[i].Left, rects[i].Top, rects[i].Right, rects[i].Bottom};
    UnionRect(&bounds, &bounds, &out[i]);
  }
  header->rcBound = bounds;
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                         reinterpret_cast<RGNDATA*>(data.data()));
}

} // namespace

TfcCustomImageBtn::TfcCustomImageBtn(ui::TComponent* owner) : TfcCustomBitBtn(owner) {}

TfcCustomImageBtn::~TfcCustomImageBtn() {
  DestroyHandle();
}

void TfcCustomImageBtn::SetDitherColor(TColor v) {
  if (SetIfChanged(FDitherColor, v))
    Invalidate();
}

TColor TfcCustomImageBtn::FaceColor() {
  const TColor rgb = ui::ColorToRGB(Color());
  if (!FAdjustFace) {
    // One pixel of button grey, drawn and read back, tells a true-colour display from one
    // that maps colours to a palette.
    ui::WindowDC screen(nullptr);
    ui::UniqueMemoryDC probe(CreateCompatibleDC(screen.get()));
    ui::UniqueBitmap pixel(CreateCompatibleBitmap(screen.get(), 1, 1));
    ui::ScopedSelect selected(probe.get(), pixel.get());
    ::SetPixel(probe.get(), 0, 0, RGB(192, 192, 192));
    FAdjustFace = GetPixel(probe.get(), 0, 0) != RGB(192, 192, 192);
  }
  if (!*FAdjustFace)
    return rgb;
  ui::WindowDC screen(nullptr);
  return static_cast<TColor>(GetNearestColor(screen.get(), static_cast<COLORREF>(rgb)));
}

void TfcCustomImageBtn::PaintButton(HDC target) {
  const RECT client = ClientRect();
  const int w = client.right;
  const int h = client.bottom;
  if (w <= 0 || h <= 0)
    return;
  ui::TOffscreenPaint face(target, w, h);
  // While the click handler runs a flat button shows the ordinary bevel.
  const TfcShadeStyle style = Clicking() && ShadeStyle() == TfcShadeStyle::fbsFlat
                                  ? TfcShadeStyle::fbsNormal
                                  : ShadeStyle();
  DrawFace(face.DC(), w, h, false, style, Down());
  DrawCaptionAndGlyph(face.DC(), Down());
  face.CopyToTarget();
  if (SmoothFont())
    DrawCaptionAndGlyph(target, Down());
}

std::vector<TRect> TfcCustomImageBtn::FaceRectangles(bool down) {
  const RECT client = ClientRect();
  const int w = client.right;
  const int h = client.bottom;
  if (w <= 0 || h <= 0)
    return {};
  // A top-down 32-bit bitmap, so the pixels can be read straight from memory.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ui::WindowDC screen(nullptr);
  ui::UniqueBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits)
    return {};
  ui::UniqueMemoryDC dc(CreateCompatibleDC(screen.get()));
  {
    ui::ScopedSelect selected(dc.get(), bitmap.get());
    DrawFace(dc.get(), w, h, true, ShadeStyle(), down);
    GdiFlush();
  }
  // Memory order is blue, green, red: the key colour's bytes swapped.
  const TColor key = KeyColor();
  const std::uint32_t keyPixel =
      static_cast<std::uint32_t>(RedOf(key) << 16 | GreenOf(key) << 8 | BlueOf(key));
  return MaskRuns(static_cast<const std::uint32_t*>(bits), w, h, keyPixel);
}

void TfcCustomImageBtn::ApplyRegion() {
  if (!HandleAllocated())
    return;
  auto& cache = Down() ? FDownRegionData : FRegionData;
  if (!cache)
    cache = FaceRectangles(Down());
  // The window owns the region once it has taken it; a refused one is still ours to delete.
  ui::UniqueRegion region(RegionFromRectangles(*cache));
  if (SetWindowRgn(Handle(), region.get(), IsWindowVisible(Handle())))
    region.release();
}

void TfcCustomImageBtn::RecomputeRegion() {
  FRegionData.reset();
  FDownRegionData.reset();
  ApplyRegion();
  Invalidate();
}

void TfcCustomImageBtn::CreateWnd() {
  TfcCustomBitBtn::CreateWnd();
  ApplyRegion();
}

void TfcCustomImageBtn::Loaded() {
  TfcCustomBitBtn::Loaded();
  ApplyRegion();
}

void TfcCustomImageBtn::Resize() {
  FRegionData.reset();
  FDownRegionData.reset();
  ApplyRegion();
  TfcCustomBitBtn::Resize();
}

void TfcCustomImageBtn::DestroyWnd() {
  SetWindowRgn(Handle(), nullptr, FALSE);
  FRegionData.reset();
  FDownRegionData.reset();
  TfcCustomBitBtn::DestroyWnd();
}

} // namespace widgets
