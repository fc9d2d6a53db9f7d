#pragma once
// The image button: paints its face into an off-screen bitmap and limits its window to the
// face's pixels, so that clicks beside the figure reach the window below.
#include "widgets/fc_bit_btn.h"
#include "widgets/fc_types.h"

#include <optional>
#include <vector>

namespace widgets {

class TfcCustomImageBtn : public TfcCustomBitBtn {
public:
  explicit TfcCustomImageBtn(ui::TComponent* owner);
  ~TfcCustomImageBtn() override;

  void Loaded() override;

  // The colour of the face as drawn: Color resolved, and on a display that cannot show
  // 192, 192, 192 faithfully, the nearest colour it can show.
  TColor FaceColor();
  // The colour that marks "outside the figure" in the face bitmap.
  TColor KeyColor() { return KeyColorFor(FaceColor()); }

protected:
  TColor DitherColor() const { return FDitherColor; }
  void SetDitherColor(TColor v);

  // Draws the face into a width x height bitmap: filled with the key colour, then the figure.
  // `maskOnly` leaves out everything but the figure's pixels (the window region is made of it).
  virtual void DrawFace(HDC dc, int width, int height, bool maskOnly, TfcShadeStyle style,
                        bool down) = 0;

  void PaintButton(HDC target) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Resize() override;

  // Forgets both cached regions and applies a fresh one for the present Down state.
  void RecomputeRegion();
  void ApplyRegion();

private:
  std::vector<TRect> FaceRectangles(bool down);

  TColor FDitherColor = clWhite;
  std::optional<std::vector<TRect>> FRegionData;     // up state
  std::optional<std::vector<TRect>> FDownRegionData; // down state
  std::optional<bool> FAdjustFace;
};

} // namespace widgets
