// The windows at the system's display scale, read back from the real windows: at 100 % the
// designed sizes, at 150 % (run in a Wine prefix with LogPixels 144) the same scaled; then a
// change of DPI while running (WM_DPICHANGED, as sent when a window moves to a monitor with
// another scale) there and back, which must keep what the user did and end where it started.
#include "about_fixture.h"

#include "../app/log_scratch_directory.h"

#include "app/form1.h"
#include "glview/material_chooser.h"
#include "glview/window_fit.h"
#include "ui/face_replacement.h"
#include "ui/letter_lean.h"
#include "ui/win_text.h"
#include "ui/window_dpi.h"

#include <memory>
#include <sstream>

namespace about::test {
namespace {

constexpr UINT kGetDpiScaledSize = 0x02E4; // WM_GETDPISCALEDSIZE

// The frame's size around a window's client area at a DPI, as the system measures it.
SIZE FrameAt(HWND window, int dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  const auto adjust = reinterpret_cast<AdjustForDpiFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  RECT r{0, 0, 0, 0};
  adjust(&r, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), GetMenu(window) != nullptr,
         static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), static_cast<UINT>(dpi));
  return {r.right - r.left, r.bottom - r.top};
}

// A figure of the design and the same at 150 %: the one for `dpi`.
int Figure(int dpi, int at100, int at150) {
  EXPECT_TRUE(dpi == 96 || dpi == 144) << "these tests run at 100 % or 150 %, not at " << dpi;
  return dpi == 144 ? at150 : at100;
}

int Width(const RECT& r) {
  return r.right - r.left;
}
int Height(const RECT& r) {
  return r.bottom - r.top;
}
std::string Str(const RECT& r) {
  std::ostringstream out;
  out << r.left << ' ' << r.top << ' ' << r.right << ' ' << r.bottom;
  return out.str();
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

BOOL CALLBACK DescribeChild(HWND child, LPARAM lParam) {
  auto& out = *reinterpret_cast<std::ostringstream*>(lParam);
  out << Str(RectIn(child, GetAncestor(child, GA_ROOT))) << " font " << FontHeight(child);
  ui::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  RECT box{};
  if (GetWindowRgn(child, region.get()) != ERROR && GetRgnBox(region.get(), &box))
    out << " region " << Str(box);
  out << '\n';
  return TRUE;
}

// Everything of a window's layout: its restored frame, client size and font, and every
// descendant's place, font and window region.
std::string Describe(HWND form) {
  std::ostringstream out;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(form, &placement);
  RECT client;
  GetClientRect(form, &client);
  out << Str(placement.rcNormalPosition) << " client " << Str(client) << " font "
      << FontHeight(form) << '\n';
  EnumChildWindows(form, DescribeChild, reinterpret_cast<LPARAM>(&out));
  return out.str();
}

// The size of a caption in italic Georgia of a height, as GDI gives it: a plain label's rule
// (formatted text, with room for an italic last letter's lean) or the caption engine's.
SIZE GeorgiaExtent(const std::string& caption, int height, bool underline, bool label) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfItalic = TRUE;
  font.lfUnderline = underline;
  font.lfCharSet = RUSSIAN_CHARSET;
  wcscpy(font.lfFaceName, L"Georgia");
  ui::UseInstalledFace(font); // as the program makes its fonts
  ui::UniqueFont handle(CreateFontIndirectW(&font));
  ui::WindowDC dc(nullptr);
  ui::ScopedSelect selected(dc.get(), handle.get());
  const std::wstring text = ui::ToWide(caption);
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  if (!label)
    return size;
  RECT r{0, 0, 0, 0};
  DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX);
  r.right += ui::LetterLean(dc.get(), text.back());
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

// Both windows as start-up makes them, the conversation window maximised in a folder of its own,
// and a view's speed window.
class DisplayScale : public AboutTest {
protected:
  void SetUp() override {
    AboutTest::SetUp();
    folder_ = std::make_unique<testing_support::TScratchDirectory>();
    main = std::make_unique<app::TForm1>(&ui::Application());
    ui::Application().SetMainForm(main.get());
    main->AfterConstruction();
    main->Show();
    ShowAbout();
  }

  void TearDown() override {
    ui::Application().SetMainForm(nullptr);
    main.reset();
    ui::Application().ProcessMessages();
    ui::Application().ResetTerminated();
    folder_.reset();
    AboutTest::TearDown();
  }

  // Sent as the system sends it: the new DPI and the window rectangle it suggests, here the
  // window's corner and the size the form asks for (WM_GETDPISCALEDSIZE), or its size grown
  // with the scale where it asks for none.
  static void ChangeDpi(ui::TForm& form, int dpi, const RECT* suggested = nullptr) {
    RECT r;
    GetWindowRect(form.Handle(), &r);
    SIZE asked{Width(r), Height(r)};
    if (suggested)
      r = *suggested;
    else if (IsZoomed(form.Handle())) // a maximised window is offered the same rectangle
      ;
    else if (SendMessageW(form.Handle(), kGetDpiScaledSize, dpi,
                          reinterpret_cast<LPARAM>(&asked))) {
      // The system measures what it suggests with the frame it will draw. Windows draws the new
      // DPI's frame, which the form measured too; Wine draws every frame at the system's
      // metrics, so the client the form asked for goes into the frame the window has.
      const SIZE measured = FrameAt(form.Handle(), dpi);
      RECT client;
      GetClientRect(form.Handle(), &client);
      r = {r.left, r.top, r.left + asked.cx - measured.cx + Width(r) - client.right,
           r.top + asked.cy - measured.cy + Height(r) - client.bottom};
    } else
      r = {r.left, r.top, r.left + MulDiv(Width(r), dpi, form.Dpi()),
           r.top + MulDiv(Height(r), dpi, form.Dpi())};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
    Pump();
  }

  RECT In(ui::TWinControl* control, ui::TWinControl* parent) const {
    return RectIn(control->Handle(), parent->Handle());
  }

  // The figures that must show at `dpi`: dock strips, About client area, star, 3D view, fonts.
  void ExpectFigures(int dpi) {
    EXPECT_EQ(Height(In(main->AdvDockPanel1, main.get())), Figure(dpi, 41, 62));
    EXPECT_EQ(Width(In(main->AdvDockPanel2, main.get())), Figure(dpi, 15, 23));
    EXPECT_EQ(Width(In(main->AdvDockPanel3, main.get())), Figure(dpi, 15, 23));
    EXPECT_EQ(Height(In(main->AdvDockPanel4, main.get())), Figure(dpi, 13, 20));
    EXPECT_EQ(Str(about->ClientRect()), Str({0, 0, Figure(dpi, 695, 1043), Figure(dpi, 470, 705)}));
    EXPECT_EQ(Str(In(about->ButtonSpeedStar, about)),
              Str({Figure(dpi, 601, 902), Figure(dpi, 368, 552), Figure(dpi, 689, 1034),
                   Figure(dpi, 456, 684)}));
    EXPECT_EQ(Str(about->OpenGL1->ClientRect()),
              Str({0, 0, Figure(dpi, 455, 683), Figure(dpi, 361, 542)}));
    EXPECT_EQ(FontHeight(main->Memo1->Handle()), Figure(dpi, -16, -24));
    EXPECT_EQ(FontHeight(about->Memo1->Handle()), Figure(dpi, -16, -24));
    EXPECT_EQ(about->fcLabel1->Font().Height(), Figure(dpi, -19, -29));
    EXPECT_EQ(about->ButtonSpeedStar->Font().Height(), Figure(dpi, -12, -18));
  }

  std::unique_ptr<app::TForm1> main;
  TSpeedView view{nullptr};

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
  ExpectFigures(dpi);
  // The conversation window's restored bounds, toolbar and its button.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(main->Handle(), &placement);
  EXPECT_EQ(Str(placement.rcNormalPosition), Str({Figure(dpi, 297, 446), Figure(dpi, 112, 168),
                                                  Figure(dpi, 1064, 1597), Figure(dpi, 634, 951)}));
  const RECT toolbar = In(main->AdvToolBar1, main->AdvDockPanel1);
  EXPECT_EQ(toolbar.left, Figure(dpi, 3, 5));
  EXPECT_EQ(toolbar.top, Figure(dpi, 3, 5));
  EXPECT_EQ(Height(toolbar), Figure(dpi, 35, 53));
  EXPECT_EQ(main->AdvToolBar1->ItemRects().at(0).top, Figure(dpi, 2, 3));
  // The see-through window that names a button for assistive tools lies on it, also for a
  // button added at run time, whose window is made in the toolbar's pixels.
  toolbar::TToolBar& bar = *main->AdvToolBar1;
  toolbar::TToolBarItem more;
  more.Caption = "Ещё";
  bar.Model().Items.push_back(more);
  bar.ModelChanged();
  HWND item = GetWindow(bar.Handle(), GW_CHILD);
  for (const RECT& rect : bar.ItemRects()) {
    ASSERT_TRUE(item);
    EXPECT_EQ(Str(RectIn(item, bar.Handle())), Str(rect));
    item = GetWindow(item, GW_HWNDNEXT);
  }
  EXPECT_EQ(main->AdvToolBar1->Font().Height(), Figure(dpi, -11, -17));

  // The About window: its place, its layout table, labels sized to their scaled fonts, the title
  // grown by its scaled extrusion, the star's window cut to the star drawn at its size.
  RECT frame;
  GetWindowRect(about->Handle(), &frame);
  EXPECT_EQ(frame.left, Figure(dpi, 269, 404));
  EXPECT_EQ(frame.top, Figure(dpi, 145, 218));
  EXPECT_EQ(Str(In(about->Memo1, about)),
            Str({0, Figure(dpi, 5, 8), Figure(dpi, 241, 362), Figure(dpi, 361, 542)}));
  EXPECT_EQ(In(about->OpenGL1, about).left, Figure(dpi, 240, 360));
  const std::pair<ui::TLabel*, POINT> labels[] = {
      {about->Label5, {12, 400}},  {about->Label6, {128, 400}}, {about->Label1, {12, 422}},
      {about->Label2, {128, 422}}, {about->Label3, {12, 444}},  {about->Label4, {128, 444}}};
  for (const auto& [label, at] : labels) {
    const SIZE extent = GeorgiaExtent(label->Text(), Figure(dpi, -16, -24), at.x == 128, true);
    const int left = ui::ScaleToDpi(at.x, dpi), top = ui::ScaleToDpi(at.y, dpi);
    EXPECT_EQ(Str(In(label, about)), Str({left, top, left + extent.cx, top + extent.cy}))
        << label->Name();
  }
  const SIZE title = GeorgiaExtent(about->fcLabel1->Text(), Figure(dpi, -19, -29), false, false);
  const int depth = Figure(dpi, 10, 15);
  EXPECT_EQ(Str(In(about->fcLabel1, about)), Str({Figure(dpi, 12, 18), Figure(dpi, 366, 549),
                                                  Figure(dpi, 12, 18) + title.cx + 1 + depth,
                                                  Figure(dpi, 366, 549) + title.cy + depth}));
  ui::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetWindowRgn(about->ButtonSpeedStar->Handle(), region.get()), COMPLEXREGION);
  RECT box;
  GetRgnBox(region.get(), &box);
  EXPECT_EQ(Str(box), Str(about->ButtonSpeedStar->ClientRect()));

  // The speed window around its label in the scaled font; the material chooser in a third of
  // the screen, whose size is in the screen's own pixels already.
  ui::TForm& speed = *view.FSpeedForm;
  const RECT label = In(view.FSpeedLabel, &speed);
  const RECT edit = In(view.FSpeedEdit, &speed);
  EXPECT_EQ(FontHeight(view.FSpeedEdit->Handle()), Figure(dpi, -11, -17));
  // The designed gaps are differences of scaled distances (6 - 3 and 9 - 6 at 96 DPI).
  EXPECT_EQ(Str(edit), Str({label.left, label.bottom + Figure(dpi, 3, 4), label.right,
                            label.bottom + Figure(dpi, 3, 4) + Height(edit)}));
  EXPECT_EQ(Str(speed.ClientRect()),
            Str({0, 0, label.right + Figure(dpi, 3, 4), edit.bottom + Figure(dpi, 3, 5)}));
  EXPECT_EQ(speed.Left(), GetSystemMetrics(SM_CXSCREEN) / 3 * 2);
  glview::TMaterialChooser chooser(nullptr);
  EXPECT_EQ(chooser.Left(), GetSystemMetrics(SM_CXSCREEN) / 3);
  EXPECT_EQ(FontHeight(chooser.MaterialList()->Handle()), Figure(dpi, -11, -17));
}

// Run at 100 % and 150 % on screens where the About window fits, and at 150 % on a 1280 x 1024
// screen, where its designed position scaled would put its right part, star and all, past the
// edge: it is moved (never resized) to lie on the screen, and stays where it fits.
TEST_F(DisplayScale, TheAboutWindowAndItsStarLieOnTheScreen) {
  const int dpi = ui::SystemDpi();
  RECT window, star;
  GetWindowRect(about->Handle(), &window);
  GetWindowRect(about->ButtonSpeedStar->Handle(), &star);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(about->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  EXPECT_GE(window.left, work.left);
  EXPECT_GE(window.top, work.top);
  EXPECT_LE(window.right, work.right);
  EXPECT_LE(window.bottom, work.bottom);
  EXPECT_LE(star.right, work.right);
  EXPECT_LE(star.bottom, work.bottom);
  EXPECT_EQ(Str(about->ClientRect()), Str({0, 0, Figure(dpi, 695, 1043), Figure(dpi, 470, 705)}));
  const int designedLeft = Figure(dpi, 269, 404), designedTop = Figure(dpi, 145, 218);
  if (designedLeft + Width(window) <= work.right)
    EXPECT_EQ(window.left, designedLeft); // where it fits, as designed
  else
    EXPECT_EQ(window.right, work.right); // moved no further than it must
  EXPECT_EQ(window.top, designedTop);

  // What the screen shows at the star's middle is the star's own face, not the desktop. The
  // test display is 1280 x 1024; a larger Wine desktop reaches past it, where nothing shows.
  if (GetSystemMetrics(SM_CXSCREEN) > 1280)
    return;
  const POINT middle{(star.left + star.right) / 2, (star.top + star.bottom) / 2};
  ui::WindowDC screen(nullptr);
  ui::WindowDC face(about->ButtonSpeedStar->Handle());
  POINT inStar = middle;
  ScreenToClient(about->ButtonSpeedStar->Handle(), &inStar);
  EXPECT_EQ(GetPixel(screen.get(), middle.x, middle.y), GetPixel(face.get(), inStar.x, inStar.y));
  EXPECT_NE(GetPixel(screen.get(), middle.x, middle.y), CLR_INVALID);
}

TEST_F(DisplayScale, AChangeOfDpiAndBackPutsEverythingBack) {
  const int start = ui::SystemDpi();
  const int other = start == 144 ? 96 : 144;
  // What the user has done: a conversation with the caret inside it, the star pressed, the
  // scene turned and stopped.
  HWND memo = main->Memo1->Handle();
  SendMessageW(memo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"Первая мысль\r\nвторая"));
  SendMessageW(memo, EM_SETSEL, 3, 3);
  about->ButtonSpeedStar->SetDown(true);
  glview::TOpenGL& scene = *about->OpenGL1;
  scene.EnableAnimation(false);
  scene.ProjectionMatrix().Rotate(glview::XAxis, 30);
  const glview::TVisualObject* firstLeaf = &scene.GetVisualObject(0);
  const glview::TMatrixValues turned = scene.ProjectionMatrix().Values();
  const glview::TMatrixValues fit = scene.ScreenMatrix().Values();
  const std::string text = main->Memo1->Text();
  ui::TForm* forms[] = {main.get(), about, view.FSpeedForm};
  std::vector<std::string> before;
  std::vector<RECT> frames;
  for (ui::TForm* form : forms) {
    before.push_back(Describe(form->Handle()));
    RECT frame;
    GetWindowRect(form->Handle(), &frame);
    frames.push_back(frame);
  }
  const auto keptByTheUser = [&] {
    EXPECT_EQ(main->Memo1->Text(), text);
    DWORD selStart = 0, selEnd = 0;
    SendMessageW(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                 reinterpret_cast<LPARAM>(&selEnd));
    EXPECT_EQ(selStart, 3u);
    EXPECT_EQ(selEnd, 3u);
    EXPECT_TRUE(about->ButtonSpeedStar->Down());
    EXPECT_EQ(scene.ObjectCount(), 5);
    EXPECT_EQ(&scene.GetVisualObject(0), firstLeaf);
    EXPECT_EQ(scene.ProjectionMatrix().Values(), turned);
  };

  for (ui::TForm* form : forms)
    ChangeDpi(*form, other);
  EXPECT_EQ(about->Dpi(), other);
  ExpectFigures(other);
  keptByTheUser();
  // The viewport follows the view's client area; the fit keeps the scene's proportions.
  scene.Invalidate();
  scene.Update();
  const RECT viewClient = scene.ClientRect();
  GLint viewport[4] = {};
  scene.GL().wglMakeCurrent(scene.DrawDC(), scene.GetContext());
  scene.GL().GetIntegerv(GL_VIEWPORT, viewport);
  scene.GL().wglMakeCurrent(nullptr, nullptr);
  EXPECT_EQ(viewport[2], viewClient.right);
  EXPECT_EQ(viewport[3], viewClient.bottom);
  EXPECT_EQ(scene.Aspect(), *glview::FitFactors(viewClient.right, viewClient.bottom));
  // The speed window is laid out around its label again.
  EXPECT_EQ(view.FSpeedEdit->Width(), view.FSpeedLabel->Width());
  EXPECT_EQ(view.FSpeedForm->ClientWidth(),
            view.FSpeedLabel->Left() + view.FSpeedLabel->Width() + Figure(other, 3, 4));

  // And back: every window, control, font and region where it was, nothing lost.
  for (std::size_t i = 0; i < std::size(forms); ++i)
    ChangeDpi(*forms[i], start, &frames[i]);
  for (std::size_t i = 0; i < std::size(forms); ++i)
    EXPECT_EQ(Describe(forms[i]->Handle()), before[i]);
  keptByTheUser();
  for (int i = 0; i < 16; ++i)
    EXPECT_NEAR(scene.ScreenMatrix().Values()[i], fit[i], 1e-6f) << i;
}

} // namespace
} // namespace about::test
