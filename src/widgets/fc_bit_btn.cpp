#include "widgets/fc_bit_btn.h"

#include "ui/accel_text.h"
#include "widgets/fc_text_dc_canvas.h"

#include "ui/form.h"

#include <algorithm>

#include <windowsx.h>

namespace widgets {
namespace {

ui::TForm* ParentForm(ui::TWinControl* control) {
  for (ui::TWinControl* p = control->Parent(); p; p = p->Parent())
    if (auto* form = dynamic_cast<ui::TForm*>(p))
      return form;
  return nullptr;
}

// Copies a bitmap's rectangle leaving out the pixels of the transparent colour.
void DrawTransparent(HDC dst, const TRect& to, HDC src, int sx, int sy, COLORREF transparent) {
  const int w = to.Width();
  const int h = to.Height();
  ui::UniqueMemoryDC maskDC(CreateCompatibleDC(dst));
  ui::UniqueBitmap mask(CreateBitmap(w, h, 1, 1, nullptr));
  ui::ScopedSelect maskSelected(maskDC.get(), mask.get());
  const COLORREF srcBack = SetBkColor(src, transparent);
  BitBlt(maskDC.get(), 0, 0, w, h, src, sx, sy, SRCCOPY); // 1 where transparent
  SetBkColor(src, srcBack);
  const COLORREF back = SetBkColor(dst, RGB(255, 255, 255));
  const COLORREF text = SetTextColor(dst, RGB(0, 0, 0));
  BitBlt(dst, to.Left, to.Top, w, h, src, sx, sy, SRCINVERT);
  BitBlt(dst, to.Left, to.Top, w, h, maskDC.get(), 0, 0, SRCAND);
  BitBlt(dst, to.Left, to.Top, w, h, src, sx, sy, SRCINVERT);
  SetBkColor(dst, back);
  SetTextColor(dst, text);
}

} // namespace

TfcCustomBitBtn::TfcCustomBitBtn(ui::TComponent* owner)
    : ui::TWinControl(owner), FTextOptions({[this] { Invalidate(); }, [this] { Invalidate(); },
                                            [this] { return Enabled(); }}) {
  FTextOptions.SetAlignment(TAlignment::taCenter);
  FTextOptions.SetVAlignment(TfcVAlignment::vaVCenter);
  SetTabStop(true);
  SetBounds(Left(), Top(), 75, 25);
}

TfcCustomBitBtn::~TfcCustomBitBtn() = default;

void TfcCustomBitBtn::CreateParams(ui::TCreateParams& params) {
  ui::TWinControl::CreateParams(params);
  params.ClassName = L"BUTTON";
  params.StandardClass = true;
  params.Style |= BS_OWNERDRAW;
}

void TfcCustomBitBtn::CreateWnd() {
  ui::TWinControl::CreateWnd();
  if (FParentClipping)
    ApplyParentClipping();
}

void TfcCustomBitBtn::Loaded() {
  FLoading = false;
  // A button that may not take the focus is no stop for the Tab key either.
  if (!FOptions.Contains(TfcButtonOption::boFocusable))
    SetTabStop(false);
}

// ---- down state and groups ---------------------------------------------------------------

void TfcCustomBitBtn::SetDownState(bool down, bool notifyGroup, bool repaint) {
  if (down != FDown) {
    FDown = down; // the window region stays what it was made for
    if (notifyGroup)
      BroadcastGroup();
    if (repaint)
      Invalidate();
  }
  if (FGroupIndex > 0 && FOptions.Contains(TfcButtonOption::boAutoBold)) {
    const ui::TFontStyles style = Font().Style();
    Font().SetStyle(down ? (style | ui::fsBold) : (style & ~ui::fsBold));
  }
}

void TfcCustomBitBtn::SetDown(bool down) {
  // Only a grouped button can stay down; a window description may set it while loading.
  if (FGroupIndex == 0 && !FLoading)
    down = false;
  if (down == FDown)
    return;
  SetDownState(down, true, true);
  SelectionChanged();
}

void TfcCustomBitBtn::SelectionChanged() {
  FLastSelection = FDown;
  if (OnSelChange)
    OnSelChange(this);
}

void TfcCustomBitBtn::SetGroupIndex(int v) {
  if (SetIfChanged(FGroupIndex, v))
    BroadcastGroup();
}

void TfcCustomBitBtn::SetAllowAllUp(bool v) {
  if (SetIfChanged(FAllowAllUp, v))
    BroadcastGroup();
}

void TfcCustomBitBtn::BroadcastGroup() {
  if (!Parent() || !Parent()->HandleAllocated())
    return;
  for (HWND w = GetWindow(Parent()->Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (auto* button = dynamic_cast<TfcCustomBitBtn*>(FromHandle(w)))
      button->GroupMessage(FGroupIndex, this);
}

void TfcCustomBitBtn::GroupMessage(int groupIndex, TfcCustomBitBtn* sender) {
  if (groupIndex == 0 || groupIndex != FGroupIndex)
    return;
  if (sender == this) {
    FLastSelection = FDown;
    return;
  }
  if (sender->FDown && FDown) {
    SetDownState(false, false, true);
    SelectionChanged();
  }
}

// ---- press, release, click ---------------------------------------------------------------

void TfcCustomBitBtn::Press() {
  FPressed = true;
  FWasDown = FDown;
  if (FOptions.Contains(TfcButtonOption::boToggleOnUp) && FGroupIndex != 0)
    return;
  if (FOptions.Contains(TfcButtonOption::boFocusable))
    SetFocus();
  const bool before = FDown;
  SetDownState(true, false, false);
  if (FDown != before)
    PaintNow();
}

void TfcCustomBitBtn::Release(bool inside) {
  const bool toggleOnUp = FOptions.Contains(TfcButtonOption::boToggleOnUp);
  if (FGroupIndex == 0) {
    SetDownState(false, false, false);
    PaintNow();
  } else {
    BroadcastGroup();
    if (inside || toggleOnUp) {
      // A down button of a group without AllowAllUp stays down.
      if (!FWasDown || FAllowAllUp) {
        SetDownState(!FWasDown, true, false);
        PaintNow();
        SelectionChanged();
      }
    } else if (FDown != FWasDown) {
      // Released off the figure without a move first: nothing toggles.
      SetDownState(FWasDown, false, false);
      PaintNow();
    }
  }
  if (GetCapture() == Handle()) {
    FReleasingCapture = true;
    ReleaseCapture();
    FReleasingCapture = false;
  }
  // The press ends whatever the click handler does: one that throws must not leave the button
  // pressed for the next drag over it.
  struct EndPress {
    bool& pressed;
    ~EndPress() { pressed = false; }
  } endPress{FPressed};
  if (inside || toggleOnUp)
    Click();
}

void TfcCustomBitBtn::Click() {
  FClicking = true;
  struct Reset {
    TfcCustomBitBtn* self;
    ~Reset() {
      self->FClicking = false;
      self->Invalidate();
    }
  } reset{this};
  ui::TForm* form = ParentForm(this);
  switch (FKind) {
  case TBitBtnKind::bkClose:
    if (form)
      form->Close();
    return;
  case TBitBtnKind::bkHelp:
    return; // the program has no help file to show
  default:
    if (form)
      form->SetModalResult(FModalResult);
    ui::TWinControl::Click();
  }
}

void TfcCustomBitBtn::SetKind(TBitBtnKind v) {
  FKind = v;
  // Each standard kind answers a dialog with its own result.
  static constexpr int kResults[] = {0, IDOK,    IDCANCEL, 0,        IDYES, IDNO,
                                     0, IDABORT, IDRETRY,  IDIGNORE, 8 /* all */};
  if (v != TBitBtnKind::bkCustom)
    FModalResult = kResults[static_cast<int>(v)];
  Invalidate();
}

bool TfcCustomBitBtn::DialogChar(char character) {
  if (!Enabled() || !Visible() || !HandleAllocated() || !IsWindowVisible(Handle()) ||
      !ui::IsAccelerator(character, Text()))
    return false;
  Click();
  return true;
}

bool TfcCustomBitBtn::DialogKey(WORD key) {
  const bool mine = (key == VK_RETURN && FDefault) || (key == VK_ESCAPE && FCancel);
  if (!mine || !Enabled() || !HandleAllocated() || !IsWindowVisible(Handle()))
    return false;
  Click();
  return true;
}

bool TfcCustomBitBtn::IsMouseOver(const POINT* clientPoint, bool requirePressed) {
  if (!HandleAllocated() || !Parent() || !Parent()->HandleAllocated())
    return false;
  // Only in the active window (a form embedded in another window counts when that one is).
  if (GetAncestor(Handle(), GA_ROOT) != GetActiveWindow())
    return false;
  POINT screen;
  if (clientPoint) {
    screen = *clientPoint;
    ClientToScreen(Handle(), &screen);
  } else {
    GetCursorPos(&screen);
  }
  POINT inParent = screen;
  ScreenToClient(Parent()->Handle(), &inParent);
  if (ChildWindowFromPointEx(Parent()->Handle(), inParent, CWP_SKIPINVISIBLE) != Handle())
    return false;
  // The window's rectangle is not its figure: the point must lie in the window region too.
  POINT local = screen;
  ScreenToClient(Handle(), &local);
  ui::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(Handle(), region.get()) != ERROR && !PtInRegion(region.get(), local.x, local.y))
    return false;
  return !requirePressed || FPressed;
}

void TfcCustomBitBtn::MouseEnter() {
  if (FShadeStyle == TfcShadeStyle::fbsFlat || FNumGlyphs == 4)
    Invalidate();
  ui::TWinControl::MouseEnter();
}

void TfcCustomBitBtn::MouseLeave() {
  if (FShadeStyle == TfcShadeStyle::fbsFlat || FNumGlyphs == 4)
    Invalidate();
  ui::TWinControl::MouseLeave();
}

LRESULT TfcCustomBitBtn::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The system button's own press handling (focus on click, its pushed state, its click
  // notification) is kept out: this button decides all of that itself.
  switch (message) {
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK: {
    SetCapture(Handle());
    Press();
    MouseDown(ui::TMouseButton::mbLeft, KeyboardShiftState(), GET_X_LPARAM(lParam),
              GET_Y_LPARAM(lParam));
    return 0;
  }
  case WM_MOUSEMOVE:
    if (FPressed && (wParam & MK_LBUTTON) && !FOptions.Contains(TfcButtonOption::boToggleOnUp)) {
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const bool inside = IsMouseOver(&at, true);
      if ((inside && !FDown) || (!inside && FDown && !FWasDown)) {
        SetDownState(inside, false, false);
        PaintNow();
      }
    }
    return ui::TWinControl::WndProc(message, wParam, lParam);
  case WM_LBUTTONUP: {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    MouseUp(ui::TMouseButton::mbLeft, KeyboardShiftState(), at.x, at.y);
    if (FPressed)
      Release(IsMouseOver(&at, true));
    return 0;
  }
  case WM_CAPTURECHANGED:
    // Capture taken away mid-press (another window, a menu): the press is abandoned.
    if (FPressed && !FReleasingCapture) {
      FPressed = false;
      if (FDown != FWasDown) {
        SetDownState(FWasDown, false, false);
        PaintNow();
      }
    }
    return DefaultHandler(message, wParam, lParam);
  case WM_KEYDOWN:
    if (wParam == VK_SPACE) {
      if (!(lParam & (1 << 30))) { // not an auto-repeat
        Press();
        Release(true);
      }
      return 0;
    }
    return ui::TWinControl::WndProc(message, wParam, lParam);
  case WM_KEYUP:
  case WM_CHAR:
    if (wParam == VK_SPACE || wParam == ' ')
      return 0;
    return ui::TWinControl::WndProc(message, wParam, lParam);
  case BM_SETSTATE:
  case BM_SETCHECK:
    return 0; // the system button's idea of "pushed" never shows
  case BM_CLICK:
    Click();
    return 0;
  case WM_ERASEBKGND:
    return 1; // every pixel is the face's
  case WM_SETFOCUS:
  case WM_KILLFOCUS: {
    const LRESULT result = ui::TWinControl::WndProc(message, wParam, lParam);
    Invalidate(); // the focus outline comes or goes
    return result;
  }
  default:
    return ui::TWinControl::WndProc(message, wParam, lParam);
  }
}

// ---- painting ----------------------------------------------------------------------------

bool TfcCustomBitBtn::DrawItem(DRAWITEMSTRUCT& item) {
  PaintButton(item.hDC);
  return true;
}

void TfcCustomBitBtn::PaintNow() {
  if (!HandleAllocated() || !IsWindowVisible(Handle()))
    return;
  ui::WindowDC dc(Handle());
  PaintButton(dc.get());
}

void TfcCustomBitBtn::SetNumGlyphs(int v) {
  Change(FNumGlyphs, std::clamp(v, 1, 4));
}

void TfcCustomBitBtn::SetGlyph(HBITMAP bitmap) {
  FGlyph.reset(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
  FGlyphSize = {};
  BITMAP info{};
  if (FGlyph && GetObjectW(FGlyph.get(), sizeof info, &info))
    FGlyphSize = {info.bmWidth, info.bmHeight};
  Invalidate();
}

void TfcCustomBitBtn::DrawGlyph(HDC dc, const TRect& box) {
  if (!FGlyph || box.Width() <= 0 || box.Height() <= 0)
    return;
  // Images side by side: up, disabled, down, hot; one that is missing falls back to up.
  int index = 0;
  if (!Enabled())
    index = 1;
  else if (FDown)
    index = 2;
  else if (FNumGlyphs == 4 && IsMouseOver())
    index = 3;
  if (index >= FNumGlyphs)
    index = 0;
  ui::UniqueMemoryDC src(CreateCompatibleDC(dc));
  ui::ScopedSelect selected(src.get(), FGlyph.get());
  const COLORREF transparent = GetPixel(src.get(), 0, FGlyphSize.cy - 1);
  DrawTransparent(dc, box, src.get(), index * box.Width(), 0, transparent);
}

void TfcCustomBitBtn::DrawCaptionAndGlyph(HDC dc, bool down) {
  const RECT client = ClientRect();
  const std::string caption = Text();
  TfcDCTextCanvas canvas(dc);
  FTextOptions.SetText(caption);
  FTextOptions.SetFont(FontSpecOf(Font()));
  FTextOptions.SetRect({client.left + 2, client.top + 2, client.right - 2, client.bottom - 2});
  const TRect measured = FTextOptions.Measure(canvas, false);

  TfcCaptionLayoutInput in;
  in.Client = {client.right, client.bottom};
  in.Text = {measured.Width(), measured.Height()};
  if (FGlyph)
    in.Glyph = {FGlyphSize.cx / FNumGlyphs, FGlyphSize.cy};
  in.HasCaption = !caption.empty();
  in.Alignment = FTextOptions.Alignment();
  in.Layout = FLayout;
  in.Margin = FMargin;
  in.Spacing = FSpacing;
  in.Offsets = FOffsets;
  in.Down = down;
  const TfcCaptionPlacement place = LayoutCaption(in);

  DrawGlyph(dc, place.Glyph);
  if (in.HasCaption) {
    FTextOptions.SetRect(place.Caption);
    FTextOptions.Draw(canvas);
  }
  if (FOptions.Contains(TfcButtonOption::boFocusRect) &&
      FOptions.Contains(TfcButtonOption::boFocusable) && Focused()) {
    const RECT focus{place.Focus.Left, place.Focus.Top, place.Focus.Right, place.Focus.Bottom};
    DrawFocusRect(dc, &focus);
  }
}

// ---- parent clipping ---------------------------------------------------------------------

bool TfcCustomBitBtn::ParentClipping() {
  if (Parent() && Parent()->HandleAllocated())
    return (GetWindowLongW(Parent()->Handle(), GWL_STYLE) & WS_CLIPCHILDREN) != 0;
  return FParentClipping.value_or(true);
}

void TfcCustomBitBtn::SetParentClipping(bool v) {
  FParentClipping = v;
  ApplyParentClipping();
}

void TfcCustomBitBtn::ApplyParentClipping() {
  if (!Parent() || !Parent()->HandleAllocated())
    return;
  HWND parent = Parent()->Handle();
  SetWindowLongW(parent, GWL_STYLE, GetWindowLongW(parent, GWL_STYLE) & ~WS_CLIPCHILDREN);
}

} // namespace widgets
