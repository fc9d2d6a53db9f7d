// The effect label on a real window: its size, the pixels of its layers and letters, and the
// behaviour a user sees.
#include "about_config.h"
#include "win_fixture.h"

#include "ui/edit.h"
#include "ui/face_replacement.h"
#include "ui/under_wine.h"

#include <map>

namespace widgets::test {
namespace {

class FcLabelTest : public TWinFixture {
protected:
  TfcLabel* MakeTitle() {
    auto* label = new TfcLabel(form);
    label->SetParent(form);
    ConfigureAboutTitle(*label);
    label->SetBounds(10, 10, 282, 33);
    return label;
  }

  // The caption's plain size in the label's font, measured independently of the engine.
  static SIZE PlainTextSize(const std::wstring& text) {
    HDC dc = GetDC(nullptr);
    const std::wstring face = ui::FaceForFont(L"Georgia", RUSSIAN_CHARSET, ui::RunningUnderWine());
    HFONT font = CreateFontW(-19, 0, 0, 0, FW_NORMAL, TRUE, FALSE, FALSE, RUSSIAN_CHARSET, 4, 0, 2,
                             2, face.c_str());
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return size;
  }
};

TEST_F(FcLabelTest, SizesItselfToTheCaptionAndItsExtrusion) {
  TfcLabel* label = MakeTitle();
  ShowForm();
  const SIZE plain = PlainTextSize(L"Проект \"Сорвейн\"");
  EXPECT_EQ(label->Width(), plain.cx + 1 + 10);
  EXPECT_EQ(label->Height(), plain.cy + 10);
  EXPECT_EQ(label->Left(), 10);
  EXPECT_EQ(label->Top(), 10);

  // Switching the extrusion off shrinks it by the depth; the disabled shadow never counts.
  label->TextOptions().ExtrudeEffects().SetEnabled(false);
  EXPECT_EQ(label->Width(), plain.cx + 1);
  EXPECT_EQ(label->Height(), plain.cy);

  // Right-justified text keeps its right edge.
  label->TextOptions().SetAlignment(TAlignment::taRightJustify);
  label->SetAutoSize(false);
  label->SetBounds(100, 10, 300, 40);
  label->SetAutoSize(true);
  EXPECT_EQ(label->Left() + label->Width(), 400);
  EXPECT_EQ(label->Width(), plain.cx + 1);
  label->SetText("Ok");
  EXPECT_EQ(label->Left() + label->Width(), 400);
}

// Reads a window's client pixels after it has painted.
std::vector<std::vector<COLORREF>> Capture(HWND window, int w, int h) {
  UpdateWindow(window);
  HDC dc = GetDC(window);
  std::vector<std::vector<COLORREF>> pixels(h, std::vector<COLORREF>(w));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      pixels[y][x] = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return pixels;
}

// Smoothed letter edges blend colours, so the checks lean on what blending keeps: every colour
// involved (black, white and the purple layers) has equal red and blue; only the white letters
// have green; and layers moved by whole pixels keep their exact colours where fully covered.
TEST_F(FcLabelTest, DrawsTenLayersThenWhiteLetters) {
  TfcLabel* label = MakeTitle();
  ShowForm();
  const int w = label->Width();
  const int h = label->Height();
  const auto withLayers = Capture(label->Handle(), w, h);
  label->TextOptions().ExtrudeEffects().SetEnabled(false);
  const int pw = label->Width();
  const int ph = label->Height();
  const auto plain = Capture(label->Handle(), pw, ph);
  label->TextOptions().ExtrudeEffects().SetEnabled(true);

  // The letters are drawn last, unobstructed, at the box's corner: their coverage (green) is
  // exactly that of the plain caption, as far as the plain caption's box reaches (a face whose
  // italic leans past its measured width, as Wine's slanted DejaVu Serif does, shows a little
  // more of its last letter in the larger box).
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (x < pw && y < ph) {
        ASSERT_EQ(GetGValue(withLayers[y][x]), GetGValue(plain[y][x])) << x << "," << y;
      }
      ASSERT_EQ(GetRValue(withLayers[y][x]), GetBValue(withLayers[y][x])) << x << "," << y;
    }

  // The farthest layer reaches exactly nine pixels further right and down than the letters.
  int letterRight = -1, letterBottom = -1, layerRight = -1, layerBottom = -1;
  std::map<int, int> exact; // layer colour (red) -> pixels of exactly that colour
  auto layerOf = [&](COLORREF c) {
    for (int i = 0; i < 10; ++i)
      if (c == RGB(kAboutTitleLayerRed[i], 0, kAboutTitleLayerRed[i]))
        return i + 1;
    return 0;
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const COLORREF c = withLayers[y][x];
      if (GetGValue(c) > 0) {
        letterRight = std::max(letterRight, x);
        letterBottom = std::max(letterBottom, y);
      } else if (GetRValue(c) > 0) {
        layerRight = std::max(layerRight, x);
        layerBottom = std::max(layerBottom, y);
      }
      if (const int layer = layerOf(c)) {
        ++exact[layer];
        // Down and right of a layer only farther layers can show.
        if (x + 1 < w && y + 1 < h) {
          const int next = layerOf(withLayers[y + 1][x + 1]);
          EXPECT_TRUE(next == 0 || next < layer) << x << "," << y;
        }
      }
    }
  EXPECT_EQ(layerRight - letterRight, 9);
  EXPECT_EQ(layerBottom - letterBottom, 9);
  EXPECT_LE(layerRight, w - 1);
  EXPECT_LE(layerBottom, h - 1);
  for (int layer = 1; layer <= 9; ++layer) // the tenth lies under the letters
    EXPECT_GT(exact[layer], 0) << "layer " << layer;
}

TEST_F(FcLabelTest, TransparentShowsTheParentAndOpaqueItsColour) {
  form->SetColor(0x800000); // navy
  auto* label = new TfcLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 10, 100, 30);
  label->SetText("x");
  label->SetColor(ui::clRed);
  ShowForm();
  EXPECT_EQ(ScreenPixel(label->Handle(), label->Width() - 1, label->Height() - 1), RGB(255, 0, 0));
  label->SetTransparent(true);
  EXPECT_EQ(ScreenPixel(label->Handle(), label->Width() - 1, label->Height() - 1), RGB(0, 0, 128));
}

TEST_F(FcLabelTest, AcceleratorFocusesTheFocusControlAndMouseEvents) {
  auto* edit = new ui::TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 100, 100, 24);
  auto* label = new TfcLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 10, 100, 30);
  label->SetText("&Имя");
  label->SetFocusControl(edit);
  int entered = 0;
  int left = 0;
  label->OnMouseEnter = [&](ui::TComponent*) { ++entered; };
  label->OnMouseLeave = [&](ui::TComponent*) { ++left; };
  ShowForm();
  SetFocus(form->Handle());
  PostMessageW(form->Handle(), WM_SYSCHAR, L'и', 1 << 29);
  Pump();
  EXPECT_EQ(GetFocus(), edit->Handle());

  // Without accelerator processing the ampersand is text, and no letter is an accelerator.
  SetFocus(form->Handle());
  label->TextOptions().SetOptions({});
  PostMessageW(form->Handle(), WM_SYSCHAR, L'и', 1 << 29);
  Pump();
  EXPECT_EQ(GetFocus(), form->Handle());

  PostMessageW(label->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(entered, 1);
  PostMessageW(label->Handle(), WM_MOUSELEAVE, 0, 0);
  Pump();
  EXPECT_EQ(left, 1);
}

} // namespace
} // namespace widgets::test
