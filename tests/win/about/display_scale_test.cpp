// The windows at the system's display scale, read back from the real windows: at 100 % the
// designed sizes, at 150 % (run in a Wine prefix with LogPixels 144) the same scaled; then a
// change of DPI while running (WM_DPICHANGED, as sent when a window moves to a monitor with
// another scale) there and back, which must keep what the user did and end where it started.
#include "about_fixture.h"

#include "../app/log_scratch_directory.h"

#include "app/form1.h"
#include "glview/material_chooser.h"
#include "glview/window_fit.h"
#include "ui/win_text.h"
#include "ui/window_dpi.h"

#include <memory>
#include <sstream>

namespace about::test {
namespace {

// A figure of the design and the same at 150 %: the one for `dpi`.
int Figure(int dpi, int at100, int at150) {
  EXPECT_TRUE(dpi == 96 || dpi == 144) << "these tests run at 100 % or 150 %, not at " << dpi;
  return dpi == 144 ? at150 : at100;
}

std::string Str(const RECT& r) {
  return std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' + std::to_string(r.right) +
         ' ' + std::to_string(r.bottom);
}

int Width(const RECT& r) {
  return r.right - r.left;
}
int Height(const RECT& r) {
  return r.bottom - r.top;
}

// The font a window draws with: the one it reports, or its control's for windows that draw
// their text themselves.
int FontHeight(HWND window) {
  if (auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0))) {
    LOGFONTW log{};
    GetObjectW(font, sizeof log, &log);
    return log.lfHeight;
  }
  ui::TWinControl* control = ui::TWinControl::FromHandle(window);
  return control ? control->Font().Height() : 0;
}

struct TDescribing {
  HWND form;
  std::ostringstream* out;
};

BOOL CALLBACK DescribeChild(HWND child, LPARAM lParam) {
  const auto& [form, out] = *reinterpret_cast<TDescribing*>(lParam);
  wchar_t name[64] = {};
  GetClassNameW(child, name, 63);
  *out << ui::FromWide(name) << ' ' << Str(RectIn(child, form)) << " font " << FontHeight(child);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(child, region) != ERROR) {
    RECT box;
    GetRgnBox(region, &box);
    *out << " region " << Str(box);
  }
  DeleteObject(region);
  *out << '\n';
  return TRUE;
}

// Everything of a window's layout: its restored frame, client size and font, and every
// descendant's place, font and window region.
std::string Describe(HWND form) {
  std::ostringstream out;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(form, &placement);
  const RECT& frame = placement.rcNormalPosition;
  RECT client;
  GetClientRect(form, &client);
  out << "frame " << frame.left << ' ' << frame.top << ' ' << Width(frame) << ' ' << Height(frame)
      << " client " << client.right << ' ' << client.bottom << " font " << FontHeight(form) << '\n';
  TDescribing describing{form, &out};
  EnumChildWindows(form, DescribeChild, reinterpret_cast<LPARAM>(&describing));
  return out.str();
}

// What a label's automatic size must be: its caption's extent in its font, taken here with GDI
// directly (with room for an italic last letter's lean).
SIZE CaptionExtent(const std::string& caption, int height, bool underline) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfItalic = TRUE;
  font.lfUnderline = underline;
  font.lfCharSet = RUSSIAN_CHARSET;
  wcscpy(font.lfFaceName, L"Georgia");
  HFONT handle = CreateFontIndirectW(&font);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, handle);
  const std::wstring text = ui::ToWide(caption);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX);
  ABC last{};
  if (GetCharABCWidthsW(dc, text.back(), text.back(), &last) && last.abcC < 0)
    r.right -= last.abcC;
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(handle);
  return {Width(r), Height(r)};
}

// A view whose animation-speed window a test can reach.
class TSpeedView : public glview::TOpenGL {
public:
  using TCustomOpenGL::FSpeedEdit;
  using TCustomOpenGL::FSpeedForm;
  using TCustomOpenGL::FSpeedLabel;
  using TOpenGL::TOpenGL;
};

// Both windows as start-up makes them, the conversation window maximised in a folder of its own.
class DisplayScale : public AboutTest {
protected:
  void SetUp() override {
    AboutTest::SetUp();
    folder_ = std::make_unique<testing_support::TScratchDirectory>();
    main = std::make_unique<app::TForm1>(&ui::Application());
    ui::Application().SetMainForm(main.get());
    main->AfterConstruction();
    main->Show();
    Pump();
  }

  void TearDown() override {
    ui::Application().SetMainForm(nullptr);
    main.reset();
    ui::Application().ProcessMessages();
    ui::Application().ResetTerminated();
    folder_.reset();
    AboutTest::TearDown();
  }

  // Sent as the system sends it: the new DPI and the window rectangle it suggests.
  static void ChangeDpi(ui::TForm& form, int dpi, RECT suggested) {
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    Pump();
  }

  // The rectangle suggested for a window that keeps its corner and grows with the scale.
  static RECT Rescaled(HWND window, int from, int to) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top, r.left + MulDiv(Width(r), to, from),
            r.top + MulDiv(Height(r), to, from)};
  }

  // The figures that must show at `dpi`: dock strips, About client area, star and 3D view.
  void ExpectFigures(int dpi) {
    EXPECT_EQ(Height(RectIn(main->AdvDockPanel1->Handle(), main->Handle())), Figure(dpi, 41, 62));
    EXPECT_EQ(Width(RectIn(main->AdvDockPanel2->Handle(), main->Handle())), Figure(dpi, 15, 23));
    EXPECT_EQ(Width(RectIn(main->AdvDockPanel3->Handle(), main->Handle())), Figure(dpi, 15, 23));
    EXPECT_EQ(Height(RectIn(main->AdvDockPanel4->Handle(), main->Handle())), Figure(dpi, 13, 20));
    RECT client;
    GetClientRect(about->Handle(), &client);
    EXPECT_EQ(client.right, Figure(dpi, 695, 1043));
    EXPECT_EQ(client.bottom, Figure(dpi, 470, 705));
    const RECT star = RectIn(about->ButtonSpeedStar->Handle(), about->Handle());
    EXPECT_EQ(Width(star), Figure(dpi, 88, 132));
    EXPECT_EQ(Height(star), Figure(dpi, 88, 132));
    RECT view;
    GetClientRect(about->OpenGL1->Handle(), &view);
    EXPECT_EQ(view.right, Figure(dpi, 455, 683));
    EXPECT_EQ(view.bottom, Figure(dpi, 361, 542));
  }

  std::unique_ptr<app::TForm1> main;

private:
  std::unique_ptr<testing_support::TScratchDirectory> folder_;
};

TEST(DisplayScaleArithmetic, RoundsAsTheSystemsMulDiv) {
  for (int dpi : {96, 120, 144, 168, 192, 288})
    for (int v = -1000; v <= 3000; ++v) {
      ASSERT_EQ(ui::ScaleToDpi(v, dpi), MulDiv(v, dpi, 96)) << v << " at " << dpi;
      ASSERT_EQ(ui::MulDivRound(v, 96, dpi), MulDiv(v, 96, dpi)) << v << " from " << dpi;
    }
}

TEST_F(DisplayScale, WindowsShowTheirDesignAtTheSystemsDpi) {
  const int dpi = ui::SystemDpi();
  EXPECT_EQ(main->Dpi(), dpi);
  ShowAbout();
  ExpectFigures(dpi);

  // The conversation window: restored bounds, toolbar, the conversation area and its font.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(main->Handle(), &placement);
  EXPECT_EQ(placement.rcNormalPosition.left, Figure(dpi, 297, 446));
  EXPECT_EQ(placement.rcNormalPosition.top, Figure(dpi, 112, 168));
  EXPECT_EQ(Width(placement.rcNormalPosition), Figure(dpi, 767, 1151));
  EXPECT_EQ(Height(placement.rcNormalPosition), Figure(dpi, 522, 783));
  const RECT toolbar = RectIn(main->AdvToolBar1->Handle(), main->AdvDockPanel1->Handle());
  EXPECT_EQ(toolbar.left, Figure(dpi, 3, 5));
  EXPECT_EQ(toolbar.top, Figure(dpi, 3, 5));
  EXPECT_EQ(Height(toolbar), Figure(dpi, 35, 53));
  ASSERT_EQ(main->AdvToolBar1->ItemRects().size(), 1u);
  const RECT button = main->AdvToolBar1->ItemRects()[0];
  EXPECT_EQ(button.top, Figure(dpi, 2, 3));
  EXPECT_EQ(button.bottom, Height(toolbar) - Figure(dpi, 2, 3));
  EXPECT_EQ(main->AdvToolBar1->Font().Height(), Figure(dpi, -11, -17));
  EXPECT_EQ(FontHeight(main->Memo1->Handle()), Figure(dpi, -16, -24));
  RECT client;
  GetClientRect(main->Handle(), &client);
  const RECT memo = RectIn(main->Memo1->Handle(), main->Handle());
  EXPECT_EQ(memo.left, Figure(dpi, 15, 23));
  EXPECT_EQ(memo.top, Figure(dpi, 41, 62));
  EXPECT_EQ(memo.right, client.right - Figure(dpi, 15, 23));
  EXPECT_EQ(memo.bottom, client.bottom - Figure(dpi, 13, 20));

  // The About window: its place, the table of its layout, and labels sized to scaled fonts.
  HWND form = about->Handle();
  RECT frame;
  GetWindowRect(form, &frame);
  EXPECT_EQ(frame.left, Figure(dpi, 269, 404));
  EXPECT_EQ(frame.top, Figure(dpi, 145, 218));
  EXPECT_EQ(Str(RectIn(about->Memo1->Handle(), form)),
            Str({0, Figure(dpi, 5, 8), Figure(dpi, 241, 362), Figure(dpi, 361, 542)}));
  EXPECT_EQ(FontHeight(about->Memo1->Handle()), Figure(dpi, -16, -24));
  EXPECT_EQ(RectIn(about->OpenGL1->Handle(), form).left, Figure(dpi, 240, 360));
  const RECT star = RectIn(about->ButtonSpeedStar->Handle(), form);
  EXPECT_EQ(star.left, Figure(dpi, 601, 902));
  EXPECT_EQ(star.top, Figure(dpi, 368, 552));
  EXPECT_EQ(about->ButtonSpeedStar->Font().Height(), Figure(dpi, -12, -18));
  // The star's window is cut to the star drawn at its size: tip to tip across the whole square.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(about->ButtonSpeedStar->Handle(), region), COMPLEXREGION);
  RECT box;
  GetRgnBox(region, &box);
  DeleteObject(region);
  EXPECT_EQ(Str(box), Str({0, 0, Width(star), Height(star)}));
  struct Row {
    ui::TLabel* label;
    int left, top;
    bool link;
  } rows[] = {{about->Label5, 12, 400, false}, {about->Label6, 128, 400, true},
              {about->Label1, 12, 422, false}, {about->Label2, 128, 422, true},
              {about->Label3, 12, 444, false}, {about->Label4, 128, 444, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label->Name());
    const RECT r = RectIn(row.label->Handle(), form);
    EXPECT_EQ(r.left, ui::ScaleToDpi(row.left, dpi));
    EXPECT_EQ(r.top, ui::ScaleToDpi(row.top, dpi));
    const SIZE extent = CaptionExtent(row.label->Text(), Figure(dpi, -16, -24), row.link);
    EXPECT_EQ(Width(r), extent.cx);
    EXPECT_EQ(Height(r), extent.cy);
  }
  // The title grows by its extrusion, ten pixels deep as designed.
  const RECT title = RectIn(about->fcLabel1->Handle(), form);
  EXPECT_EQ(title.left, Figure(dpi, 12, 18));
  EXPECT_EQ(title.top, Figure(dpi, 366, 549));
  EXPECT_EQ(about->fcLabel1->Font().Height(), Figure(dpi, -19, -29));
  LOGFONTW titleFont{};
  titleFont.lfHeight = Figure(dpi, -19, -29);
  titleFont.lfItalic = TRUE;
  titleFont.lfCharSet = RUSSIAN_CHARSET;
  wcscpy(titleFont.lfFaceName, L"Georgia");
  HFONT titleHandle = CreateFontIndirectW(&titleFont);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, titleHandle);
  const std::wstring titleText = ui::ToWide(about->fcLabel1->Text());
  SIZE letters{};
  GetTextExtentPoint32W(screen, titleText.c_str(), static_cast<int>(titleText.size()), &letters);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  DeleteObject(titleHandle);
  EXPECT_EQ(Width(title), letters.cx + 1 + Figure(dpi, 10, 15));
  EXPECT_EQ(Height(title), letters.cy + Figure(dpi, 10, 15));

  // The animation-speed window: label and edit in the window's scaled font, the window around
  // them; the material chooser in a third of the screen, which is in the screen's own pixels.
  TSpeedView view(nullptr);
  ui::TForm& speed = *view.FSpeedForm;
  EXPECT_EQ(view.FSpeedLabel->Font().Height(), Figure(dpi, -11, -17));
  EXPECT_EQ(FontHeight(view.FSpeedEdit->Handle()), Figure(dpi, -11, -17));
  const RECT label = RectIn(view.FSpeedLabel->Handle(), speed.Handle());
  const RECT edit = RectIn(view.FSpeedEdit->Handle(), speed.Handle());
  EXPECT_EQ(label.left, Figure(dpi, 3, 5));
  EXPECT_EQ(label.top, Figure(dpi, 3, 5));
  // The designed gaps are differences of scaled distances (6 - 3 and 9 - 6 at 96 DPI).
  EXPECT_EQ(edit.top, label.bottom + Figure(dpi, 3, 4));
  EXPECT_EQ(Width(edit), Width(label));
  GetClientRect(speed.Handle(), &client);
  EXPECT_EQ(client.right, label.right + Figure(dpi, 3, 4));
  EXPECT_EQ(client.bottom, edit.bottom + Figure(dpi, 3, 5));
  RECT speedFrame;
  GetWindowRect(speed.Handle(), &speedFrame);
  EXPECT_EQ(speedFrame.left, GetSystemMetrics(SM_CXSCREEN) / 3 * 2);
  EXPECT_EQ(speedFrame.top, GetSystemMetrics(SM_CYSCREEN) / 3);
  glview::TMaterialChooser chooser(nullptr);
  RECT chooserFrame;
  GetWindowRect(chooser.Handle(), &chooserFrame);
  EXPECT_EQ(chooserFrame.left, GetSystemMetrics(SM_CXSCREEN) / 3);
  EXPECT_EQ(Width(chooserFrame), GetSystemMetrics(SM_CXSCREEN) / 3);
  EXPECT_EQ(FontHeight(chooser.MaterialList()->Handle()), Figure(dpi, -11, -17));
}

TEST_F(DisplayScale, AChangeOfDpiAndBackPutsEverythingBack) {
  const int start = ui::SystemDpi();
  const int other = start == 144 ? 96 : 144;
  ShowAbout();
  // What the user has done: a conversation with the caret inside it, the star pressed, the
  // scene turned and stopped.
  HWND memo = main->Memo1->Handle();
  SendMessageW(memo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"Первая мысль\r\nвторая"));
  SendMessageW(memo, EM_SETSEL, 3, 3);
  about->ButtonSpeedStar->SetDown(true);
  glview::TOpenGL& view = *about->OpenGL1;
  view.EnableAnimation(false);
  view.ProjectionMatrix().Rotate(glview::XAxis, 30);
  ASSERT_EQ(view.ObjectCount(), 5);
  const glview::TVisualObject* firstLeaf = &view.GetVisualObject(0);
  const glview::TMatrixValues turned = view.ProjectionMatrix().Values();
  const glview::TMatrixValues fit = view.ScreenMatrix().Values();
  const std::string text = main->Memo1->Text();
  const std::string mainBefore = Describe(main->Handle());
  const std::string aboutBefore = Describe(about->Handle());
  RECT mainFrame, aboutFrame;
  GetWindowRect(main->Handle(), &mainFrame);
  GetWindowRect(about->Handle(), &aboutFrame);
  TSpeedView speedView(nullptr);
  ui::TForm& speed = *speedView.FSpeedForm;
  const std::string speedBefore = Describe(speed.Handle());
  RECT speedFrame;
  GetWindowRect(speed.Handle(), &speedFrame);

  // There: maximised, the conversation window is offered the same rectangle.
  ChangeDpi(*main, other, mainFrame);
  ChangeDpi(*about, other, Rescaled(about->Handle(), start, other));
  ChangeDpi(speed, other, Rescaled(speed.Handle(), start, other));
  EXPECT_EQ(main->Dpi(), other);
  EXPECT_EQ(about->Dpi(), other);
  ExpectFigures(other);
  EXPECT_EQ(FontHeight(memo), Figure(other, -16, -24));
  EXPECT_EQ(main->Memo1->Text(), text);
  DWORD selStart = 0, selEnd = 0;
  SendMessageW(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
               reinterpret_cast<LPARAM>(&selEnd));
  EXPECT_EQ(selStart, 3u);
  EXPECT_EQ(selEnd, 3u);
  EXPECT_TRUE(about->ButtonSpeedStar->Down());
  EXPECT_EQ(&view.GetVisualObject(0), firstLeaf);
  EXPECT_EQ(view.ProjectionMatrix().Values(), turned);
  // The viewport follows the view's client area; the fit keeps the scene's proportions.
  view.Invalidate();
  view.Update();
  RECT viewClient;
  GetClientRect(view.Handle(), &viewClient);
  GLint viewport[4] = {};
  view.GL().wglMakeCurrent(view.Canvas().Handle(), view.GetContext());
  view.GL().GetIntegerv(GL_VIEWPORT, viewport);
  view.GL().wglMakeCurrent(nullptr, nullptr);
  EXPECT_EQ(viewport[2], viewClient.right);
  EXPECT_EQ(viewport[3], viewClient.bottom);
  EXPECT_EQ(view.Aspect(), *glview::FitFactors(viewClient.right, viewClient.bottom));
  // The speed window is laid out around its label again.
  const RECT label = RectIn(speedView.FSpeedLabel->Handle(), speed.Handle());
  const RECT edit = RectIn(speedView.FSpeedEdit->Handle(), speed.Handle());
  EXPECT_EQ(speedView.FSpeedLabel->Font().Height(), Figure(other, -11, -17));
  EXPECT_EQ(Width(edit), Width(label));
  RECT speedClient;
  GetClientRect(speed.Handle(), &speedClient);
  EXPECT_EQ(speedClient.right, label.right + Figure(other, 3, 4));

  // And back: every window, control, font and region where it was, nothing lost.
  ChangeDpi(*main, start, mainFrame);
  ChangeDpi(*about, start, aboutFrame);
  ChangeDpi(speed, start, speedFrame);
  EXPECT_EQ(Describe(main->Handle()), mainBefore);
  EXPECT_EQ(Describe(about->Handle()), aboutBefore);
  EXPECT_EQ(Describe(speed.Handle()), speedBefore);
  EXPECT_EQ(main->Memo1->Text(), text);
  EXPECT_TRUE(about->ButtonSpeedStar->Down());
  EXPECT_EQ(view.ObjectCount(), 5);
  EXPECT_EQ(view.ProjectionMatrix().Values(), turned);
  for (int i = 0; i < 16; ++i)
    EXPECT_NEAR(view.ScreenMatrix().Values()[i], fit[i], 1e-6f) << i;
}

} // namespace
} // namespace about::test
