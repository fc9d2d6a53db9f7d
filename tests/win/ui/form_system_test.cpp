// A form as the system changes around it: its colours (High Contrast switched on or off), the
// display scale of its monitor, and a work area that does not start at the screen's corner.
#include "ui/application.h"
#include "ui/font_face.h"
#include "ui/form.h"
#include "ui/label.h"

#include "../client_pixels.h"

#include <gtest/gtest.h>

#include <memory>

namespace ui {
namespace {

constexpr UINT kGetDpiScaledSize = 0x02E4; // WM_GETDPISCALEDSIZE

void Pump() {
  Application().ProcessMessages();
}

std::uint32_t PixelAt(HWND window, int x, int y) {
  return testing_support::ReadClientPixels(window, {x, y, x + 1, y + 1})[0] & 0xFFFFFF;
}

// 0x00RRGGBB of a COLORREF, as the pixels read back hold it.
std::uint32_t Quad(COLORREF c) {
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

class FormSystemTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(60, 80, 300, 200);
    form->Show();
    Pump();
  }
  void TearDown() override {
    form.reset();
    Pump();
  }

  std::unique_ptr<TForm> form;
};

TEST_F(FormSystemTest, ANewSystemColourReachesTheFormAndItsLabelsAtOnce) {
  auto* label = new TLabel(form.get());
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 80, 20);
  label->SetText("");
  label->SetParent(form.get());
  Pump();
  const COLORREF original = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(PixelAt(form->Handle(), 200, 150), Quad(original));

  // Another face colour, as switching High Contrast on gives; SetSysColors tells every form.
  const COLORREF contrast = original == RGB(10, 200, 30) ? RGB(30, 10, 200) : RGB(10, 200, 30);
  const int element = COLOR_BTNFACE;
  ASSERT_TRUE(SetSysColors(1, &element, &contrast));
  struct Restore {
    COLORREF colour;
    ~Restore() {
      const int face = COLOR_BTNFACE;
      SetSysColors(1, &face, &colour);
    }
  } restore{original};
  Pump();
  EXPECT_EQ(PixelAt(form->Handle(), 200, 150), Quad(contrast)); // the form's own fill
  EXPECT_EQ(PixelAt(label->Handle(), 40, 10), Quad(contrast));
  // A paint asked for later uses the new colour as well, not a brush kept from before.
  InvalidateRect(form->Handle(), nullptr, TRUE);
  UpdateWindow(form->Handle());
  EXPECT_EQ(PixelAt(form->Handle(), 200, 150), Quad(contrast));
}

TEST_F(FormSystemTest, AboveTheDesignDpiTheBitmapSansSerifGivesWayToItsOutlineTwin) {
  TFont font; // "MS Sans Serif", as the windows describe their text
  auto face = [](const TFont& f) { return std::wstring(f.LogFont().lfFaceName); };
  EXPECT_EQ(face(font), L"MS Sans Serif");
  font.ScaleTo(144);
  EXPECT_EQ(face(font), L"Microsoft Sans Serif");
  font.ScaleTo(96);
  EXPECT_EQ(face(font), L"MS Sans Serif");
  font.SetName("Georgia");
  font.ScaleTo(144);
  EXPECT_EQ(face(font), L"Georgia"); // other faces are outlines already
  EXPECT_EQ(FaceForDpi("ms sans serif", 120), "Microsoft Sans Serif");
}

TEST_F(FormSystemTest, AChangeOfDpiTakesTheSuggestedRectangleExactly) {
  form->SetClientSize(280, 150);
  const int dpi = form->Dpi() == 96 ? 144 : 96;
  // Asked first, the form names the size it wants: its designed client size in a frame measured
  // for the new DPI.
  SIZE wanted{};
  if (SendMessageW(form->Handle(), kGetDpiScaledSize, dpi, reinterpret_cast<LPARAM>(&wanted))) {
    EXPECT_GT(wanted.cx, ScaleToDpi(280, dpi));
    EXPECT_GT(wanted.cy, ScaleToDpi(150, dpi));
    EXPECT_LT(wanted.cx, ScaleToDpi(280, dpi) + ScaleToDpi(40, dpi));
  }
  // Whatever the system then suggests is where the window goes, to the pixel.
  RECT suggested{333, 222, 333 + 517, 222 + 301};
  SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
               reinterpret_cast<LPARAM>(&suggested));
  Pump();
  RECT now;
  GetWindowRect(form->Handle(), &now);
  EXPECT_EQ(now.left, 333);
  EXPECT_EQ(now.top, 222);
  EXPECT_EQ(now.right - now.left, 517);
  EXPECT_EQ(now.bottom - now.top, 301);
  EXPECT_EQ(form->Dpi(), dpi);
  EXPECT_EQ(form->Left(), 333);
  EXPECT_EQ(form->Width(), 517);
}

// Windows moves the work area for SPI_SETWORKAREA, and restored bounds then differ from screen
// positions by its offset; Wine keeps it at the screen's corner, so there this pins the round
// trip through a maximised window only.
TEST_F(FormSystemTest, RestoredBoundsAreScreenPositionsWhereverTheWorkAreaStarts) {
  RECT original;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &original, 0));
  // A taskbar 40 pixels high along the top edge, and 30 wide on the left.
  RECT shifted = original;
  shifted.left += 30;
  shifted.top += 40;
  ASSERT_TRUE(SystemParametersInfoW(SPI_SETWORKAREA, 0, &shifted, 0));
  struct Restore {
    RECT area;
    ~Restore() { SystemParametersInfoW(SPI_SETWORKAREA, 0, &area, 0); }
  } restore{original};

  form->SetBounds(100, 120, 300, 200);
  Pump();
  RECT r;
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 120);
  EXPECT_EQ(form->Left(), 100);
  EXPECT_EQ(form->Top(), 120);

  // Set while maximised: restoring shows the window exactly there.
  ShowWindow(form->Handle(), SW_MAXIMIZE);
  Pump();
  form->SetBounds(140, 160, 320, 210);
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump();
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.left, 140);
  EXPECT_EQ(r.top, 160);
  EXPECT_EQ(r.right - r.left, 320);
  EXPECT_EQ(form->Left(), 140);
  EXPECT_EQ(form->Top(), 160);
}

} // namespace
} // namespace ui
