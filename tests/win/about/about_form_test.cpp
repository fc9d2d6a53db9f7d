// The About window read back from its real windows: frame, layout, texts, fonts and colours; the
// links under the mouse and when clicked; the colour pulse of the captions.
#include "about_fixture.h"

#include "../app/crlf_lines.h"

#include "glview/scale_color.h"
#include "ui/face_replacement.h"
#include "ui/letter_lean.h"
#include "ui/under_wine.h"
#include "ui/win_text.h"

#include <algorithm>
#include <cstring>

namespace about::test {
namespace {

// The extent of a caption in Georgia, 16 pixels, italic, Russian set: what automatic sizing
// must give a label, measured here without the label's own code.
SIZE CaptionExtent(const std::string& caption, bool underline) {
  LOGFONTW font{};
  font.lfHeight = -16;
  font.lfWeight = FW_NORMAL;
  font.lfItalic = TRUE;
  font.lfUnderline = underline;
  font.lfCharSet = RUSSIAN_CHARSET;
  wcscpy(font.lfFaceName, L"Georgia");
  ui::UseInstalledFace(font); // as the program makes its fonts
  HFONT handle = CreateFontIndirectW(&font);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, handle);
  const std::wstring text = ui::ToWide(caption);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  r.right += ui::LetterLean(dc, text.back()); // room for an italic last letter's lean
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(handle);
  return {r.right - r.left, r.bottom - r.top};
}

// The face the windows' Georgia fonts are made with: Georgia, or under Wine where the system
// lacks it the program's stand-in.
std::wstring GeorgiaAsMade() {
  return ui::FaceForFont(L"Georgia", RUSSIAN_CHARSET, ui::RunningUnderWine());
}

LOGFONTW LogFontOf(HFONT font) {
  LOGFONTW log{};
  GetObjectW(font, sizeof log, &log);
  return log;
}

using AboutWindow = AboutTest;

TEST_F(AboutWindow, FrameTitleAndPlaceAsDesigned) {
  HWND window = about->Handle();
  EXPECT_FALSE(IsWindowVisible(window)); // created hidden
  EXPECT_EQ(ui::WindowText(window), "О программе \"Тарвель\" (ver. 5.5.0.5)");
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU); // the close box
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
  ShowAbout();
  RECT client, frame;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 695);
  EXPECT_EQ(client.bottom, 470);
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, 269);
  EXPECT_EQ(frame.top, 145);
  // Black where no control covers the form.
  const TShot shot = Shoot(window);
  EXPECT_EQ(shot.At(550, 400), RGB(0, 0, 0));
  EXPECT_EQ(shot.At(694, 469), RGB(0, 0, 0));
  // Showing it again only brings it to the front, where it is.
  SetWindowPos(window, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  about->Show();
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, 300);
  EXPECT_EQ(frame.top, 200);
  EXPECT_EQ(GetForegroundWindow(), window);
}

TEST_F(AboutWindow, ControlsStandWhereTheLayoutPutsThem) {
  ShowAbout();
  HWND form = about->Handle();
  struct Place {
    ui::TWinControl* control;
    int left, top, width, height; // width and height 0: sized to the caption
  } places[] = {
      {about->Memo1, 0, 5, 241, 356},
      {about->OpenGL1, 240, 0, 455, 361},
      {about->Label5, 12, 400, 0, 0},
      {about->Label6, 128, 400, 0, 0},
      {about->Label1, 12, 422, 0, 0},
      {about->Label2, 128, 422, 0, 0},
      {about->Label3, 12, 444, 0, 0},
      {about->Label4, 128, 444, 0, 0},
      {about->ButtonSpeedStar, 601, 368, 88, 88},
  };
  for (const Place& p : places) {
    SCOPED_TRACE(p.control->Name());
    const RECT r = RectIn(p.control->Handle(), form);
    EXPECT_EQ(r.left, p.left);
    EXPECT_EQ(r.top, p.top);
    if (p.width) {
      EXPECT_EQ(r.right - r.left, p.width);
      EXPECT_EQ(r.bottom - r.top, p.height);
    }
    EXPECT_TRUE(IsWindowVisible(p.control->Handle()));
  }
  // Each label is as large as its caption in its own font.
  for (ui::TLabel* label :
       {about->Label5, about->Label6, about->Label1, about->Label2, about->Label3, about->Label4}) {
    SCOPED_TRACE(label->Name());
    const bool link = label == about->Label6 || label == about->Label2 || label == about->Label4;
    const SIZE extent = CaptionExtent(label->Text(), link);
    const RECT r = RectIn(label->Handle(), form);
    EXPECT_EQ(r.right - r.left, extent.cx);
    EXPECT_EQ(r.bottom - r.top, extent.cy);
  }
  // The title sizes itself to its caption and effects, from its designed corner.
  const RECT title = RectIn(about->fcLabel1->Handle(), form);
  EXPECT_EQ(title.left, 12);
  EXPECT_EQ(title.top, 366);
  EXPECT_GT(title.right - title.left, 0);
  EXPECT_GT(title.bottom - title.top, 0);
  // The star is cut to its figure: the corners of its square belong to the form.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(about->ButtonSpeedStar->Handle(), region), COMPLEXREGION);
  DeleteObject(region);
  POINT corner{601 + 1, 368 + 1};
  ClientToScreen(form, &corner);
  EXPECT_NE(WindowFromPoint(corner), about->ButtonSpeedStar->Handle());
  POINT middle{601 + 44, 368 + 44};
  ClientToScreen(form, &middle);
  EXPECT_EQ(WindowFromPoint(middle), about->ButtonSpeedStar->Handle());
}

TEST_F(AboutWindow, CaptionsTitleAndStar) {
  ShowAbout();
  EXPECT_EQ(about->Label5->Text(), "C\xE0\xE9\xF2"); // the first letter is the Latin C
  EXPECT_EQ(about->Label5->Text(), "Cайт");
  EXPECT_EQ(about->Label1->Text(), "Форум");
  EXPECT_EQ(about->Label3->Text(), "Рассылка");
  EXPECT_EQ(about->fcLabel1->Text(), "Проект \"Сорвейн\"");
  EXPECT_EQ(about->ButtonSpeedStar->Text(), "Закрыть");
  EXPECT_FALSE(about->ButtonSpeedStar->TabStop()); // taken out of the tab order on loading
  // Each link shows the address it opens; the forum lives on a host of its own, the mailing
  // list is "Mailer.htm" at the root of the site.
  EXPECT_EQ(about->Label6->Text(), kSiteAddress);
  EXPECT_EQ(about->Label2->Text(), kForumAddress);
  EXPECT_EQ(about->Label4->Text(), kMailerAddress);
  const std::string site = kSiteAddress, forum = kForumAddress, mailer = kMailerAddress;
  auto host = [](const std::string& address) {
    const std::size_t start = address.find("://") + 3;
    return address.substr(start, address.find('/', start) - start);
  };
  EXPECT_NE(host(forum), host(site));
  EXPECT_EQ(mailer, site + "Mailer.htm");

  // What the screen shows: the captions white before the first tick, the links violet, the
  // title white with its extrusion in fuchsia, on black.
  for (ui::TLabel* caption : {about->Label5, about->Label1, about->Label3}) {
    SCOPED_TRACE(caption->Name());
    const TShot shot = Shoot(caption->Handle());
    EXPECT_GT(shot.Count(RGB(255, 255, 255)), 10);
    EXPECT_GT(shot.Count(RGB(0, 0, 0)), 10);
  }
  for (ui::TLabel* link : {about->Label6, about->Label2, about->Label4}) {
    SCOPED_TRACE(link->Name());
    const TShot shot = Shoot(link->Handle());
    EXPECT_GT(shot.Count(0xFF44AA), 10);
    // The underline: a run of the link's colour along one row, most of the label's width.
    int longest = 0;
    for (int y = 0; y < shot.height; ++y) {
      int run = 0;
      for (int x = 0; x < shot.width; ++x) {
        run = shot.At(x, y) == 0xFF44AA ? run + 1 : 0;
        longest = std::max(longest, run);
      }
    }
    EXPECT_GT(longest, shot.width / 2);
  }
  const TShot title = Shoot(about->fcLabel1->Handle());
  EXPECT_GT(title.Count(RGB(255, 255, 255)), 10);
  // The extrusion, from purple (far) to fuchsia (near); the edges of the letters are smoothed.
  int extrusion = 0;
  for (COLORREF c : title.pixels)
    extrusion += GetRValue(c) == GetBValue(c) && GetGValue(c) == 0 && GetRValue(c) >= 0x80;
  EXPECT_GT(extrusion, 100);
}

TEST_F(AboutWindow, FontsOfTheDescription) {
  struct Expect {
    const ui::TFont& font;
    int height;
    bool underline;
    ui::TColor colour;
  } fonts[] = {
      {about->Label5->Font(), -16, false, ui::clWhite},
      {about->Label1->Font(), -16, false, ui::clWhite},
      {about->Label3->Font(), -16, false, ui::clWhite},
      {about->Label6->Font(), -16, true, 0xFF44AA},
      {about->Label2->Font(), -16, true, 0xFF44AA},
      {about->Label4->Font(), -16, true, 0xFF44AA},
      {about->fcLabel1->Font(), -19, false, ui::clWhite},
      {about->ButtonSpeedStar->Font(), -12, false, ui::clWhite},
  };
  for (const Expect& e : fonts) {
    const LOGFONTW log = LogFontOf(e.font.Handle());
    EXPECT_EQ(log.lfFaceName, GeorgiaAsMade());
    EXPECT_EQ(log.lfHeight, e.height);
    EXPECT_TRUE(log.lfItalic);
    EXPECT_EQ(log.lfUnderline != 0, e.underline);
    EXPECT_EQ(log.lfCharSet, RUSSIAN_CHARSET);
    EXPECT_EQ(e.font.Color(), e.colour);
  }
  EXPECT_EQ(about->Font().Name(), "MS Sans Serif");
  EXPECT_EQ(about->Font().Height(), -11);
  for (ui::TLabel* link : {about->Label6, about->Label2, about->Label4})
    EXPECT_EQ(link->Cursor(), ui::TCursor::crHandPoint);
}

TEST_F(AboutWindow, InstructionTextIsThirtyFourLinesReadOnlyAndScrolls) {
  ShowAbout();
  HWND memo = about->Memo1->Handle();
  // The control's own text, line by line.
  const std::vector<std::string> lines = testing_support::SplitLines(ui::WindowText(memo));
  ASSERT_EQ(lines.size(), 34u);
  for (int i = 0; i < 34; ++i)
    EXPECT_EQ(lines[i], kInstructionLines[i]) << "line " << i + 1;
  // The table itself, checked where a slip is easiest: its ends, the doubled blank, the gap.
  EXPECT_EQ(lines[0], "    Здравствуйте!");
  EXPECT_EQ(lines[16], "сможете ли вы выйти на  ");
  EXPECT_EQ(lines[32], "");
  EXPECT_EQ(lines[33], "    Счастливо! Ирна и Вельт.");

  const LONG style = GetWindowLongW(memo, GWL_STYLE);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_FALSE(style & (WS_HSCROLL | ES_AUTOHSCROLL)); // words wrap
  // Flat: no sunken edge (the EDIT control draws the plain border itself).
  EXPECT_FALSE(GetWindowLongW(memo, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_FALSE(about->Memo1->Ctl3D());
  const LOGFONTW font = LogFontOf(reinterpret_cast<HFONT>(SendMessageW(memo, WM_GETFONT, 0, 0)));
  EXPECT_EQ(font.lfFaceName, GeorgiaAsMade());
  EXPECT_EQ(font.lfHeight, -16);
  EXPECT_TRUE(font.lfItalic);
  EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);
  EXPECT_EQ(about->Memo1->TabOrder(), 1);

  // Violet text on black.
  const TShot shot = Shoot(memo);
  EXPECT_GT(shot.Count(0xFF5FAF), 50);
  EXPECT_GT(shot.Count(RGB(0, 0, 0)), shot.width * shot.height / 2);

  // Typing, pasting and deleting change nothing.
  const std::string before = about->Memo1->Text();
  SetFocus(memo);
  SendMessageW(memo, WM_CHAR, L'x', 1);
  SendMessageW(memo, WM_KEYDOWN, VK_DELETE, 1);
  SendMessageW(memo, WM_CHAR, L'\b', 1);
  SendMessageW(memo, WM_CUT, 0, 0);
  SendMessageW(memo, WM_PASTE, 0, 0);
  EXPECT_EQ(about->Memo1->Text(), before);

  // The text is longer than the memo, and scrolls.
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(memo, SB_VERT, &info));
  EXPECT_GT(info.nMax - info.nMin + 1, static_cast<int>(info.nPage));
  SendMessageW(memo, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_GT(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(AboutWindow, LinksTakeTheirRowColoursUnderTheMouseAndKeepTheLeaveColour) {
  // The real cursor stays away; the mouse's messages come from the test.
  SetCursorPos(1, 1);
  ShowAbout();
  struct Row {
    ui::TLabel* link;
    ui::TColor hover, leave;
  } rows[] = {
      {about->Label6, 0x00A000, 0x00FF00}, // site: green, then lime
      {about->Label2, 0xFFA000, 0xFFFF00}, // forum: azure, then aqua
      {about->Label4, 0x00A0FF, 0x00FFFF}, // mailing list: orange, then yellow
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.link->Name());
    HWND link = row.link->Handle();
    EXPECT_EQ(row.link->Font().Color(), 0xFF44AA);
    SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(row.link->Font().Color(), row.hover);
    TShot shot = Shoot(link);
    EXPECT_GT(shot.Count(row.hover), 10);
    EXPECT_EQ(shot.Count(0xFF44AA), 0);

    SendMessageW(link, WM_MOUSELEAVE, 0, 0);
    Pump(); // the leave the system posts, the real cursor being elsewhere, changes nothing more
    EXPECT_EQ(row.link->Font().Color(), row.leave);
    shot = Shoot(link);
    EXPECT_GT(shot.Count(row.leave), 10);
    EXPECT_EQ(shot.Count(row.hover), 0);

    // Once more in and out: the same two colours, never violet again.
    SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    EXPECT_EQ(row.link->Font().Color(), row.hover);
    SendMessageW(link, WM_MOUSELEAVE, 0, 0);
    Pump();
    EXPECT_EQ(row.link->Font().Color(), row.leave);
  }
  // The leave colour of each row is the base colour its caption pulses with.
  EXPECT_EQ(rows[0].leave, static_cast<ui::TColor>(kSitePulse.Base));
  EXPECT_EQ(rows[1].leave, static_cast<ui::TColor>(kForumPulse.Base));
  EXPECT_EQ(rows[2].leave, static_cast<ui::TColor>(kMailerPulse.Base));
}

TEST_F(AboutWindow, AClickOnALinkOpensItsAddressForTheAboutWindowAndChangesNoColour) {
  SetCursorPos(1, 1);
  ShowAbout();
  struct Row {
    ui::TLabel* link;
    const char* address;
  } rows[] = {{about->Label6, kSiteAddress},
              {about->Label2, kForumAddress},
              {about->Label4, kMailerAddress}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.link->Name());
    links.clear();
    // The mouse has not passed over it: the click leaves it violet.
    ClickAt(row.link->Handle(), 5, 5);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].owner, about->Handle());
    EXPECT_EQ(links[0].address, row.address);
    EXPECT_EQ(row.link->Font().Color(), 0xFF44AA);
  }
  // Under the mouse: the click keeps the hover colour.
  links.clear();
  HWND site = about->Label6->Handle();
  SendMessageW(site, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageW(site, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(site, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0].address, kSiteAddress);
  EXPECT_EQ(about->Label6->Font().Color(), 0x00A000);
  // The captions beside the links open nothing.
  links.clear();
  ClickAt(about->Label5->Handle(), 5, 5);
  ClickAt(about->Label1->Handle(), 5, 5);
  EXPECT_TRUE(links.empty());
}

// The real mouse: the pointer put at a screen point (and seen there steadily, the move arriving
// asynchronously), the left button pressed or released, and the messages handled.
void MoveMouse(POINT to) {
  for (int steady = 0, attempt = 0; attempt < 100 && steady < 3; ++attempt) {
    POINT at;
    GetCursorPos(&at);
    steady = at.x == to.x && at.y == to.y ? steady + 1 : 0;
    if (steady == 0)
      SetCursorPos(to.x, to.y);
    Sleep(10);
    ui::Application().ProcessMessages();
  }
}
void LeftButton(DWORD action) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = action;
  SendInput(1, &input, sizeof input);
  for (int i = 0; i < 10; ++i) {
    Sleep(10);
    ui::Application().ProcessMessages();
  }
}

TEST_F(AboutWindow, ALinkOpensOnlyForAPressAndAReleaseOnIt) {
  ShowAbout();
  POINT onLink{5, 5}, background{500, 405};
  ClientToScreen(about->Label6->Handle(), &onLink);
  ClientToScreen(about->Handle(), &background);
  ASSERT_EQ(WindowFromPoint(background), about->Handle());

  // Pressed on the link, dragged away and released; then pressed beside it and released on it.
  MoveMouse(onLink);
  LeftButton(MOUSEEVENTF_LEFTDOWN);
  MoveMouse(background);
  LeftButton(MOUSEEVENTF_LEFTUP);
  LeftButton(MOUSEEVENTF_LEFTDOWN);
  MoveMouse(onLink);
  LeftButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(links.empty());

  // Pressed on the link while another window takes the mouse for a moment: the press is over.
  LeftButton(MOUSEEVENTF_LEFTDOWN);
  SetCapture(about->Handle());
  ReleaseCapture();
  LeftButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(links.empty());

  // A press and a release on it open it (a little aside, so as not to make a double click).
  MoveMouse({onLink.x + 30, onLink.y});
  LeftButton(MOUSEEVENTF_LEFTDOWN);
  LeftButton(MOUSEEVENTF_LEFTUP);
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0].address, kSiteAddress);
}

// (red, green, blue) of a colour value.
std::array<int, 3> Rgb(ui::TColor c) {
  return {c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF};
}

TEST_F(AboutWindow, CaptionsPulseOnTheTimerFromCreationEvenWhileHidden) {
  EXPECT_TRUE(timerEnabledAtCreation);
  EXPECT_EQ(about->Timer1->Interval(), 100u);
  EXPECT_EQ(about->Pulse().Counter(), 0);
  EXPECT_FALSE(IsWindowVisible(about->Handle()));

  about->Timer1->Tick(); // the first tick, while hidden
  EXPECT_EQ(about->Pulse().Counter(), 1);
  // f = (sin(2 pi (1 + phase) / 100) + 2) / 3 on each base colour.
  auto expected = [](int counter, int phase, std::uint32_t base) {
    const double f = (std::sin((counter + phase) / 100.0 * 2 * 3.14159265358979323846) + 2) / 3;
    return static_cast<ui::TColor>(glview::ScaleColor(base, f));
  };
  EXPECT_EQ(about->Label1->Font().Color(), expected(1, 0, 0xFFFF00));
  EXPECT_EQ(about->Label5->Font().Color(), expected(1, 33, 0x00FF00));
  EXPECT_EQ(about->Label3->Font().Color(), expected(1, 67, 0x00FFFF));
  EXPECT_EQ(Rgb(about->Label1->Font().Color()), (std::array<int, 3>{0, 175, 175}));

  struct Case {
    int counterBefore, counterAfter;
    std::array<int, 3> forum, site, mailer;
  } cases[] = {
      {100, 0, {0, 170, 170}, {0, 244, 0}, {96, 96, 0}}, // the tick that passes 100
      {24, 25, {0, 255, 255}, {0, 129, 0}, {129, 129, 0}},
      {74, 75, {0, 85, 85}, {0, 211, 0}, {211, 211, 0}},
  };
  ShowAbout();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.counterAfter);
    about->Pulse().SetCounter(c.counterBefore);
    about->Timer1->Tick();
    EXPECT_EQ(about->Pulse().Counter(), c.counterAfter);
    EXPECT_EQ(Rgb(about->Label1->Font().Color()), c.forum);
    EXPECT_EQ(Rgb(about->Label5->Font().Color()), c.site);
    EXPECT_EQ(Rgb(about->Label3->Font().Color()), c.mailer);
    // And the screen shows them.
    auto shown = [](ui::TLabel* label, std::array<int, 3> rgb) {
      return Shoot(label->Handle()).Count(RGB(rgb[0], rgb[1], rgb[2]));
    };
    EXPECT_GT(shown(about->Label1, c.forum), 10);
    EXPECT_GT(shown(about->Label5, c.site), 10);
    EXPECT_GT(shown(about->Label3, c.mailer), 10);
  }
  // A whole cycle: never above 100.
  about->Pulse().SetCounter(0);
  for (int tick = 0; tick < 202; ++tick) {
    about->Timer1->Tick();
    ASSERT_GE(about->Pulse().Counter(), 0);
    ASSERT_LE(about->Pulse().Counter(), 100);
  }
  EXPECT_EQ(about->Pulse().Counter(), 0); // 202 ticks from 0: two cycles of 101
}

// Every message sent to a window of this thread while it lives.
class TSentMessages {
public:
  TSentMessages()
      : FHook(SetWindowsHookExW(WH_CALLWNDPROC, Record, nullptr, GetCurrentThreadId())) {
    FCurrent = this;
  }
  ~TSentMessages() {
    UnhookWindowsHookEx(FHook);
    FCurrent = nullptr;
  }
  int Count(UINT message) const {
    return static_cast<int>(std::count(FSent.begin(), FSent.end(), message));
  }

private:
  static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && FCurrent)
      FCurrent->FSent.push_back(reinterpret_cast<const CWPSTRUCT*>(lParam)->message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline TSentMessages* FCurrent = nullptr;
  HHOOK FHook;
  std::vector<UINT> FSent;
};

// Hidden, the window only keeps its state moving: the captions take the pulse's colours without
// being measured or moved again, the scene turns with no context made current; shown again, it
// shows that state at once.
TEST_F(AboutWindow, WhileHiddenOnlyItsStateMovesAndShowingShowsItAtOnce) {
  ShowAbout(); // the view has its context and scene
  about->Hide();
  Pump();
  AnimationTimer()->SetEnabled(false); // ticks from the test only
  glview::TOpenGL& view = *about->OpenGL1;
  view.GL().wglMakeCurrent(nullptr, nullptr);
  const glview::TMatrixValues turn = view.ProjectionMatrix().Values();
  about->Pulse().SetCounter(20);
  {
    TSentMessages sent;
    for (int tick = 0; tick < 5; ++tick) {
      about->Timer1->Tick();
      AnimationTimer()->Tick();
    }
    EXPECT_EQ(sent.Count(WM_WINDOWPOSCHANGING), 0);
  }
  EXPECT_EQ(view.GL().wglGetCurrentContext(), nullptr);
  EXPECT_NE(view.ProjectionMatrix().Values(), turn);
  EXPECT_EQ(about->Pulse().Counter(), 25);
  const auto forum =
      static_cast<ui::TColor>(about->Pulse().Colour(kForumPulse.Phase, kForumPulse.Base));
  EXPECT_EQ(about->Label1->Font().Color(), forum);

  about->Show();
  Pump();
  EXPECT_GT(Shoot(about->Label1->Handle()).Count(forum), 10);
}

// What a screen reader names a control by: its window text (GetWindowTextW sends WM_GETTEXT to a
// window of its own process).
TEST_F(AboutWindow, EveryControlThatShowsTextIsNamedByIt) {
  ShowAbout();
  const std::pair<ui::TWinControl*, std::string> named[] = {
      {about->Label5, "C\xE0\xE9\xF2"}, // the Latin C, as the screen shows it
      {about->Label1, "Форум"},
      {about->Label3, "Рассылка"},
      {about->Label6, kSiteAddress},
      {about->Label2, kForumAddress},
      {about->Label4, kMailerAddress},
      {about->fcLabel1, "Проект \"Сорвейн\""},
      {about->ButtonSpeedStar, "Закрыть"},
  };
  for (const auto& [control, text] : named) {
    SCOPED_TRACE(control->Name());
    EXPECT_EQ(ui::WindowText(control->Handle()), text);
  }
  // A caption that changes renames its window.
  about->Label1->SetText("Форумы");
  about->Label2->SetText("");
  EXPECT_EQ(ui::WindowText(about->Label1->Handle()), "Форумы");
  EXPECT_EQ(ui::WindowText(about->Label2->Handle()), "");
}

TEST_F(AboutWindow, ANewWindowTextPaintsNothingOfItsOwn) {
  ShowAbout();
  // The default handling of WM_SETTEXT must not draw the text: the controls draw themselves.
  const std::initializer_list<ui::TWinControl*> controls = {about->Label5, about->Label6,
                                                            about->fcLabel1};
  for (ui::TWinControl* control : controls) {
    SCOPED_TRACE(control->Name());
    HWND window = control->Handle();
    const TShot before = Shoot(window);
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"WWWWWWWWWWWWWWWWWWWW"));
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    EXPECT_EQ(Shoot(window).pixels, before.pixels);
  }
}

} // namespace
} // namespace about::test
