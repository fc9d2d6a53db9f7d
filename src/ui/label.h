#pragma once
// A text label: one or more lines of text in its font, opaque on its colour or transparent over
// its parent, sized to its text when AutoSize is on.
#include "ui/custom_control.h"

namespace ui {

class TLabel : public TCustomControl {
public:
  explicit TLabel(TComponent* owner);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  void SetText(const std::string& text) override;
  std::string Text() override { return text_; }

  // Width and height that the caption needs in the label's font.
  SIZE TextSize();

protected:
  void Paint() override;
  void FontChanged() override;
  void CreateWnd() override;

private:
  void AdjustSize();

  std::string text_;
  bool autoSize_ = true;
  bool transparent_ = false;
  // What the size was last fitted to; a change that leaves all three as they are (a new colour)
  // is not measured again.
  LOGFONTW fittedFont_{};
  std::string fittedText_;
  SIZE fittedSize_{-1, -1};
};

} // namespace ui
