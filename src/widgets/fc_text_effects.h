#pragma once
// The effect objects of a caption: extrusion, drop shadow and the colours of a disabled
// caption. Each setter stores a changed value and tells the caption's owner to repaint and,
// when the caption's size may change, to size itself again.
#include "widgets/fc_types.h"

#include <functional>

namespace widgets {

// What the owning control supplies to its caption.
struct TfcTextOwner {
  std::function<void()> Invalidate;
  std::function<void()> SizeChanged;
  std::function<bool()> IsEnabled;
};

enum class TfcOrientation {
  fcTopLeft,
  fcTopRight,
  fcBottomLeft,
  fcBottomRight,
  fcTop,
  fcRight,
  fcLeft,
  fcBottom
};

// The move from one extrusion layer to the next; the extrusion trails away from the letters in
// the opposite direction (fcBottomRight steps up-left, so the layers lie below and right).
TPoint ExtrudeStep(TfcOrientation orientation);

// Colour of layer i (1 = farthest from the letters) of `depth` layers: each channel blends from
// the far colour towards the near one, the last layer being exactly the near colour. Both
// colours are already resolved to red, green and blue.
TColor ExtrudeLayerColor(TColor nearRgb, TColor farRgb, int i, int depth);

// Base of the effect objects: reaches the owner through the caption they belong to.
class TfcTextPart {
public:
  explicit TfcTextPart(const TfcTextOwner& owner) : FOwner(owner) {}
  TfcTextPart(const TfcTextPart&) = delete;
  TfcTextPart& operator=(const TfcTextPart&) = delete;

protected:
  template <class T> void Change(T& field, const T& value, bool resizes) {
    if (SetIfChanged(field, value))
      Changed(resizes);
  }
  void Changed(bool resizes) const;

private:
  const TfcTextOwner& FOwner;
};

class TfcExtrudeEffects : public TfcTextPart {
public:
  using TfcTextPart::TfcTextPart;
  int Depth() const { return FDepth; }
  void SetDepth(int v) { Change(FDepth, v, true); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v) { Change(FEnabled, v, true); }
  TColor FarColor() const { return FFarColor; }
  void SetFarColor(TColor v) { Change(FFarColor, v, false); }
  TColor NearColor() const { return FNearColor; }
  void SetNearColor(TColor v) { Change(FNearColor, v, false); }
  TfcOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TfcOrientation v) { Change(FOrientation, v, true); }
  // Alternate layers in the far colour, for a ribbed look.
  bool Striated() const { return FStriated; }
  void SetStriated(bool v) { Change(FStriated, v, false); }

private:
  int FDepth = 10;
  bool FEnabled = false;
  TColor FFarColor = clBlack;
  TColor FNearColor = clBlack;
  TfcOrientation FOrientation = TfcOrientation::fcBottomRight;
  bool FStriated = false;
};

class TfcShadowEffects : public TfcTextPart {
public:
  using TfcTextPart::TfcTextPart;
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { Change(FColor, v, false); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v) { Change(FEnabled, v, true); }
  int XOffset() const { return FXOffset; }
  void SetXOffset(int v) { Change(FXOffset, v, true); }
  int YOffset() const { return FYOffset; }
  void SetYOffset(int v) { Change(FYOffset, v, true); }

private:
  TColor FColor = clBtnShadow;
  bool FEnabled = false;
  int FXOffset = 10;
  int FYOffset = 10;
};

class TfcDisabledColors : public TfcTextPart {
public:
  using TfcTextPart::TfcTextPart;
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor v) { Change(FHighlightColor, v, false); }
  TColor ShadeColor() const { return FShadeColor; }
  void SetShadeColor(TColor v) { Change(FShadeColor, v, false); }

private:
  TColor FHighlightColor = clBtnHighlight;
  TColor FShadeColor = clBtnShadow;
};

} // namespace widgets
