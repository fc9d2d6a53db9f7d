// The two ways a frame reaches the screen: through GDI (drawn off-screen, read back and painted
// into a window that has no OpenGL pixel format) and natively; the choice, the silent fallback,
// and the off-screen buffer following the window's size.
#include "scratch_context.h"
#include "view_fixture.h"

#include "ui/handles.h"

#include <GL/wglext.h>

namespace glview::test {
namespace {

constexpr TRGB kNavy{0, 0, 128}, kYellow{255, 255, 0};

// TARVEL_GL_PRESENT set (or, for nullptr, removed) for the scope; the contexts made meanwhile
// follow it.
class TPresentOverride {
public:
  explicit TPresentOverride(const char* value) {
    char old[64] = {};
    const DWORD length = GetEnvironmentVariableA(kPresentWayVariable, old, sizeof old);
    FHad = length > 0 && length < sizeof old;
    FOld = old;
    SetEnvironmentVariableA(kPresentWayVariable, value);
  }
  ~TPresentOverride() {
    SetEnvironmentVariableA(kPresentWayVariable, FHad ? FOld.c_str() : nullptr);
  }
  TPresentOverride(const TPresentOverride&) = delete;
  TPresentOverride& operator=(const TPresentOverride&) = delete;

private:
  bool FHad;
  std::string FOld;
};

// A view on a driver that, as far as it knows, makes no off-screen buffers.
class TNoBufferView : public TTestView {
public:
  using TTestView::TTestView;
  int Attempts = 0;

protected:
  std::unique_ptr<TOffscreenFrame> CreateOffscreenFrame() override {
    ++Attempts;
    return nullptr;
  }
};

int WindowPixelFormat(TOpenGL* target) {
  ui::WindowDC dc(target->Handle());
  return GetPixelFormat(dc.get());
}

// What GDI reads at a client point of the view's visible window.
TRGB OnScreen(TOpenGL* target, int x, int y) {
  ui::WindowDC dc(target->Handle());
  const COLORREF c = GetPixel(dc.get(), x, y);
  return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

bool UnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

class PresentWayTest : public ViewTest {
protected:
  // Navy, with a yellow square in the middle.
  static void Dress(TTestView* target) {
    target->SetBGColor(ui::clNavy);
    target->OnCreate = [target](ui::TComponent*) {
      AddSquare(target, "Square", ui::clYellow, 0.25f);
    };
  }
};

TEST_F(PresentWayTest, UnderWineThroughGdiUnlessTheEnvironmentNamesAWay) {
  auto wayOfANewView = [this] {
    TTestView* fresh = AddView(0, 0, 30, 30);
    PaintNow(fresh);
    return fresh->PresentWay();
  };
  {
    TPresentOverride none(nullptr);
    EXPECT_EQ(wayOfANewView(), UnderWine() ? TPresentWay::Gdi : TPresentWay::Native);
  }
  {
    TPresentOverride native("native");
    EXPECT_EQ(wayOfANewView(), TPresentWay::Native);
  }
  {
    TPresentOverride gdi("GDI");
    EXPECT_EQ(wayOfANewView(), TPresentWay::Gdi);
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(PresentWayTest, ThroughGdiTheWindowHasNoPixelFormatAndShowsEachFrameInItsPaint) {
  TPresentOverride gdi("gdi");
  Dress(view);
  PaintNow();
  ASSERT_EQ(view->PresentWay(), TPresentWay::Gdi);
  EXPECT_EQ(WindowPixelFormat(view), 0);
  EXPECT_NE(view->DrawDC(), view->Canvas().Handle());
  EXPECT_EQ(view->PixelFormatIndex(), GetPixelFormat(view->DrawDC()));
  EXPECT_EQ(view->GL().wglGetCurrentContext(), nullptr);
  EXPECT_EQ(OnScreen(view, 50, 25), kYellow);
  EXPECT_EQ(OnScreen(view, 1, 1), kNavy);
  EXPECT_EQ(OnScreen(view, 99, 49), kNavy);

  view->SetBGColor(ui::clMaroon);
  PaintNow();
  EXPECT_FALSE(RepaintPending());
  EXPECT_EQ(OnScreen(view, 1, 1), (TRGB{128, 0, 0}));
  EXPECT_TRUE(errors.empty());
}

TEST_F(PresentWayTest, NativelyTheWindowCarriesThePixelFormat) {
  TPresentOverride native("native");
  Dress(view);
  PaintNow();
  ASSERT_EQ(view->PresentWay(), TPresentWay::Native);
  EXPECT_EQ(view->DrawDC(), view->Canvas().Handle());
  EXPECT_EQ(WindowPixelFormat(view), view->PixelFormatIndex());
  EXPECT_EQ(Centre(), kYellow); // read back from what OpenGL drew
  EXPECT_TRUE(errors.empty());
}

TEST_F(PresentWayTest, WithoutAnOffscreenBufferTheViewGoesNativeWithoutAWord) {
  TPresentOverride gdi("gdi");
  auto* fallback = AddView<TNoBufferView>(0, 0, 60, 60);
  Dress(fallback);
  PaintNow(fallback);
  EXPECT_EQ(fallback->Attempts, 1);
  ASSERT_EQ(fallback->PresentWay(), TPresentWay::Native);
  EXPECT_GT(WindowPixelFormat(fallback), 0);
  EXPECT_EQ(PixelAt(fallback, 30, 30), kYellow);
  EXPECT_EQ(PixelAt(fallback, 1, 1), kNavy);
  PaintNow(fallback);
  EXPECT_EQ(fallback->Attempts, 1); // decided once per context
  EXPECT_TRUE(errors.empty());
}

TEST_F(PresentWayTest, ANewSizeGetsANewBufferOnWhichTheSameContextDrawsOn) {
  TPresentOverride gdi("gdi");
  Dress(view);
  PaintNow();
  ASSERT_EQ(view->PresentWay(), TPresentWay::Gdi);
  const HGLRC context = view->GetContext();
  ASSERT_NE(view->Offscreen(), nullptr);
  EXPECT_EQ(view->Offscreen()->Width(), 100);
  EXPECT_EQ(view->Offscreen()->Height(), 50);

  struct Size {
    int width, height;
  };
  for (const Size size : {Size{180, 120}, Size{40, 30}, Size{300, 20}}) {
    SCOPED_TRACE(size.width);
    view->SetBounds(0, 0, size.width, size.height);
    PaintNow();
    EXPECT_EQ(view->Offscreen()->Width(), size.width);
    EXPECT_EQ(view->Offscreen()->Height(), size.height);
    EXPECT_EQ(view->GetContext(), context); // and so its display lists: the square is there
    EXPECT_EQ(OnScreen(view, size.width / 2, size.height / 2), kYellow);
    EXPECT_EQ(OnScreen(view, 0, 0), kNavy);
    EXPECT_EQ(OnScreen(view, size.width - 1, size.height - 1), kNavy);
  }
  EXPECT_TRUE(errors.empty());
}

// The pixel-buffer formats of the driver, asked through a context of its own: whether one without
// alpha bits could hold the frame, and a format's alpha bits.
class TBufferFormats {
public:
  TBufferFormats() {
    const auto find = [this](const char* name) {
      return reinterpret_cast<void (*)()>(FScratch.GL().wglGetProcAddress(name));
    };
    FChoose = reinterpret_cast<PFNWGLCHOOSEPIXELFORMATARBPROC>(find("wglChoosePixelFormatARB"));
    FAttribute =
        reinterpret_cast<PFNWGLGETPIXELFORMATATTRIBIVARBPROC>(find("wglGetPixelFormatAttribivARB"));
  }
  bool Known() const { return FScratch.Valid() && FChoose && FAttribute; }

  int AlphaBits(int format) const {
    const int attribute = WGL_ALPHA_BITS_ARB;
    int bits = -1;
    FAttribute(FScratch.DC(), format, 0, 1, &attribute, &bits);
    return bits;
  }
  bool OneWithoutAlpha(int colorBits) const {
    const int wanted[] = {WGL_DRAW_TO_PBUFFER_ARB,
                          TRUE,
                          WGL_SUPPORT_OPENGL_ARB,
                          TRUE,
                          WGL_PIXEL_TYPE_ARB,
                          WGL_TYPE_RGBA_ARB,
                          WGL_DOUBLE_BUFFER_ARB,
                          FALSE,
                          WGL_COLOR_BITS_ARB,
                          colorBits,
                          0};
    int formats[256] = {};
    UINT count = 0;
    if (!FChoose(FScratch.DC(), wanted, nullptr, std::size(formats), formats, &count))
      return false;
    for (UINT i = 0; i < std::min<UINT>(count, std::size(formats)); ++i)
      if (AlphaBits(formats[i]) == 0)
        return true;
    return false;
  }

private:
  TScratchContext FScratch;
  PFNWGLCHOOSEPIXELFORMATARBPROC FChoose = nullptr;
  PFNWGLGETPIXELFORMATATTRIBIVARBPROC FAttribute = nullptr;
};

// Mesa under Wine 10 kills the process with an X error when a context is released from a
// buffer with alpha bits; the frame is read back as colour only and never needs them.
TEST_F(PresentWayTest, TheOffscreenBufferHasNoAlphaBitsWhereTheDriverHasSuchAFormat) {
  TPresentOverride gdi("gdi");
  Dress(view);
  PaintNow();
  ASSERT_EQ(view->PresentWay(), TPresentWay::Gdi);
  ASSERT_NE(view->Offscreen(), nullptr);
  const TBufferFormats formats;
  ASSERT_TRUE(formats.Known());
  ASSERT_TRUE(formats.OneWithoutAlpha(24)) << "this driver cannot show the fault";
  EXPECT_EQ(formats.AlphaBits(view->Offscreen()->PixelFormat()), 0);
  // A new size keeps the format, and the frame still shows.
  view->SetBounds(0, 0, 120, 60);
  PaintNow();
  EXPECT_EQ(formats.AlphaBits(view->Offscreen()->PixelFormat()), 0);
  EXPECT_EQ(OnScreen(view, 60, 30), kYellow);
  EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace glview::test
