#pragma once
// The push button behind the shaped button: an owner-drawn system button whose drawing, press
// and toggle logic are all its own. It keeps the glyph, the caption with its effects, the
// layout of both, the down state with groups of mutually exclusive buttons, and the edge colours.
#include "widgets/button_face.h"
#include "widgets/caption_layout.h"
#include "widgets/fc_text.h"

#include "ui/handles.h"
#include "ui/win_control.h"

#include <optional>

namespace widgets {

enum class TfcButtonOption {
  boFocusable,
  boOverrideActionGlyph,
  boToggleOnUp,
  boFocusRect,
  boAutoBold
};
using TfcButtonOptions = TfcSet<TfcButtonOption>;

enum class TBitBtnKind {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};

class TfcCustomBitBtn : public ui::TWinControl {
public:
  explicit TfcCustomBitBtn(ui::TComponent* owner);
  ~TfcCustomBitBtn() override;

  // Sets clicking, closes the form for bkClose or passes ModalResult to it and raises OnClick.
  void Click() override;
  void Loaded() override;
  bool DialogChar(char character) override;
  bool DialogKey(WORD key) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Whether the mouse is over the button's figure (at a client point, or at the cursor) in an
  // active form; with `requirePressed`, also whether a press on the button is under way.
  bool IsMouseOver(const POINT* clientPoint = nullptr, bool requirePressed = false);

  ui::TNotifyEvent OnSelChange;

protected:
  bool Down() const { return FDown; }
  void SetDown(bool down);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int v);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v);
  bool Default() const { return FDefault; }
  void SetDefault(bool v) { Change(FDefault, v); }
  bool Cancel() const { return FCancel; }
  void SetCancel(bool v) { FCancel = v; }
  TfcButtonOptions Options() const { return FOptions; }
  void SetOptions(TfcButtonOptions v) { Change(FOptions, v); }
  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind v);
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int v) { FModalResult = v; }
  bool SmoothFont() const { return FSmoothFont; }
  void SetSmoothFont(bool v) { Change(FSmoothFont, v); }
  TfcShadeStyle ShadeStyle() const { return FShadeStyle; }
  void SetShadeStyle(TfcShadeStyle v) { Change(FShadeStyle, v); }
  const TfcShadeColors& ShadeColors() const { return FShadeColors; }
  void SetShadeColors(const TfcShadeColors& v) { Change(FShadeColors, v); }
  const TfcImgDownOffsets& Offsets() const { return FOffsets; }
  void SetOffsets(const TfcImgDownOffsets& v) { Change(FOffsets, v); }
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout v) { Change(FLayout, v); }
  int Margin() const { return FMargin; }
  void SetMargin(int v) { Change(FMargin, v); }
  int Spacing() const { return FSpacing; }
  void SetSpacing(int v) { Change(FSpacing, v); }
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int v);
  // The glyph: up to four equal images side by side (up, disabled, down, hot); the colour of its
  // lower left pixel is transparent. The button keeps its own copy.
  HBITMAP Glyph() const { return FGlyph.get(); }
  void SetGlyph(HBITMAP bitmap);
  TfcCaptionText& TextOptions() { return FTextOptions; }
  // Reading tells whether the parent clips its children; assigning, with either value, lets the
  // parent paint under its children, which a shaped child needs to show the parent through.
  bool ParentClipping();
  void SetParentClipping(bool v);

  // Face drawing is the image button's; the caption and glyph go on top of it.
  virtual void PaintButton(HDC target) = 0;
  void DrawCaptionAndGlyph(HDC dc, bool down);
  // Draws into the window now instead of waiting for the next paint.
  void PaintNow();
  bool Clicking() const { return FClicking; }
  bool Loading() const { return FLoading; }

  void CreateParams(ui::TCreateParams& params) override;
  void CreateWnd() override;
  void ChangeScale(int oldDpi, int newDpi) override;
  bool DrawItem(DRAWITEMSTRUCT& item) override;
  void MouseEnter() override;
  void MouseLeave() override;

private:
  template <class T> void Change(T& field, const T& value) {
    if (field == value)
      return;
    field = value;
    Invalidate();
  }
  void SetDownState(bool down, bool notifyGroup, bool repaint);
  void SelectionChanged();
  void BroadcastGroup();
  void GroupMessage(int groupIndex, TfcCustomBitBtn* sender);
  void Press();
  void Release(bool inside);
  void DrawGlyph(HDC dc, const TRect& box);
  void ApplyParentClipping();

  bool FDown = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FDefault = false;
  bool FCancel = false;
  TfcButtonOptions FOptions;
  TBitBtnKind FKind = TBitBtnKind::bkCustom;
  int FModalResult = 0;
  bool FSmoothFont = false;
  TfcShadeStyle FShadeStyle = TfcShadeStyle::fbsHighlight;
  TfcShadeColors FShadeColors;
  TfcImgDownOffsets FOffsets;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  int FNumGlyphs = 1;
  ui::UniqueBitmap FGlyph;
  TSize FGlyphSize;
  TfcCaptionText FTextOptions;
  std::optional<bool> FParentClipping;

  bool FLoading = true;
  bool FPressed = false;
  bool FWasDown = false;
  bool FLastSelection = false;
  bool FClicking = false;
  bool FReleasingCapture = false;
};

} // namespace widgets
