#pragma once
// A label that draws its caption with the caption engine's effects and sizes itself to the
// caption and its effects.
#include "widgets/fc_text.h"

#include "ui/custom_control.h"

namespace widgets {

class TfcCustomLabel : public ui::TCustomControl {
public:
  explicit TfcCustomLabel(ui::TComponent* owner);

  void SetText(const std::string& text) override;
  std::string Text() override { return FCaption; }

  void Loaded() override;
  bool DialogChar(char character) override;

protected:
  TfcCaptionText& TextOptions() { return FTextOptions; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  ui::TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(ui::TWinControl* control) { FFocusControl = control; }

  void Paint() override;
  void FontChanged() override;
  void ChangeScale(int oldDpi, int newDpi) override; // the effects' room changes too
  // Sizes the label to its caption and effects, measured on a screen device context.
  void AdjustBounds();

private:
  void DrawCaption(HDC dc, const RECT& client);
  void PaintParentBackground(HDC dc, const RECT& client);

  std::string FCaption;
  TfcCaptionText FTextOptions;
  bool FAutoSize = true;
  bool FTransparent = false;
  bool FLoading = true;
  ui::TWinControl* FFocusControl = nullptr;
};

class TfcLabel : public TfcCustomLabel {
public:
  using TfcCustomLabel::AutoSize;
  using TfcCustomLabel::FocusControl;
  using TfcCustomLabel::SetAutoSize;
  using TfcCustomLabel::SetFocusControl;
  using TfcCustomLabel::SetTransparent;
  using TfcCustomLabel::TextOptions;
  using TfcCustomLabel::TfcCustomLabel;
  using TfcCustomLabel::Transparent;
};

} // namespace widgets
