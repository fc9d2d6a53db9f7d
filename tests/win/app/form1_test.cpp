// The conversation window, driven in-process the way keys and commands reach it, and read back
// from the real EDIT control.
#include "conversation_fixture.h"
#include "crlf_lines.h"
#include "oracle/answer_phrase.h"
#include "ui/application.h"
#include "ui/face_replacement.h"
#include "ui/under_wine.h"
#include "ui/win_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace app {
namespace {

using testing_support::SplitLines;
using ui::Application;

class Form1Test : public test::ConversationTest {
protected:
  void SetUp() override {
    ConversationTest::SetUp();
    Create();
    memo_ = form_->Memo1->Handle();
  }

  void Type(const std::wstring& text) {
    for (wchar_t c : text)
      SendMessageW(memo_, WM_CHAR, c, 1);
  }

  std::string Text() { return form_->Memo1->Text(); }

  // The text OnClose saw, captured by wrapping the form's own handler.
  void WatchClose() {
    auto original = form_->OnClose;
    form_->OnClose = [this, original](ui::TComponent* sender, ui::TCloseAction& action) {
      ++closes_;
      textAtClose_ = form_->Memo1->Text();
      original(sender, action);
    };
  }

  // Every answer line in the text is the composer's line for the code at its head.
  static void ExpectAnswerLine(const std::string& line) {
    ASSERT_GE(line.size(), 65u) << line;
    const std::uint32_t code =
        static_cast<std::uint32_t>(std::stoul(line.substr(0, 8), nullptr, 12));
    EXPECT_EQ(line, oracle::AnswerLine(code));
  }

  HWND memo_ = nullptr;
  int closes_ = 0;
  std::string textAtClose_;
};

TEST(Form1Description, OpensMaximisedOverItsRestoredBounds) {
  testing_support::TScratchDirectory scratch;
  Application().ResetTerminated();
  TForm1 form(nullptr);
  form.AfterConstruction();
  form.Show();
  EXPECT_TRUE(IsZoomed(form.Handle()));
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(form.Handle(), &placement);
  EXPECT_EQ(placement.rcNormalPosition.left, 297);
  EXPECT_EQ(placement.rcNormalPosition.top, 112);
  EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, 767);
  EXPECT_EQ(placement.rcNormalPosition.bottom - placement.rcNormalPosition.top, 522);
  EXPECT_EQ(GetFocus(), form.Memo1->Handle());
}

TEST_F(Form1Test, WindowIsBuiltAsDescribed) {
  EXPECT_EQ(ui::WindowText(form_->Handle()), test::kTitle);
  EXPECT_EQ(GetFocus(), memo_);
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(form_->CountAfterAnswer, 0);
  const LONG style = GetWindowLongW(memo_, GWL_STYLE);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_FALSE(style & (WS_VSCROLL | WS_HSCROLL));
  EXPECT_FALSE(style & ES_AUTOHSCROLL); // word wrap
  // The limit is a DWORD: lifted, it is 0xFFFFFFFF, which a 32-bit LRESULT holds as -1.
  EXPECT_GE(static_cast<DWORD>(SendMessageW(memo_, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(memo_, WM_GETFONT, 0, 0)), sizeof font, &font);
  // Georgia, or under Wine where the system lacks it the program's stand-in.
  EXPECT_EQ(font.lfFaceName, ui::FaceForFont(L"Georgia", RUSSIAN_CHARSET, ui::RunningUnderWine()));
  EXPECT_EQ(font.lfHeight, -16);
  EXPECT_TRUE(font.lfItalic);
  EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);

  // The area fills the client area inside the strips: 41 above, 15 left and right, 13 below.
  RECT client, area;
  GetClientRect(form_->Handle(), &client);
  GetWindowRect(memo_, &area);
  MapWindowPoints(HWND_DESKTOP, form_->Handle(), reinterpret_cast<POINT*>(&area), 2);
  EXPECT_EQ(area.left, 15);
  EXPECT_EQ(area.top, 41);
  EXPECT_EQ(area.right, client.right - 15);
  EXPECT_EQ(area.bottom, client.bottom - 13);
  HDC dc = GetDC(memo_);
  EXPECT_EQ(GetPixel(dc, 20, 20) & 0xFFFFFF, 0u); // black area
  ReleaseDC(memo_, dc);
}

TEST_F(Form1Test, EnterInTheEmptyAreaAnswersOnceAndEndsTheConversation) {
  WatchClose();
  PressEnter();
  EXPECT_EQ(closes_, 1);
  EXPECT_TRUE(Application().Terminated());
  const std::vector<std::string> lines = SplitLines(textAtClose_);
  ASSERT_EQ(lines.size(), 2u); // the answer line and the empty line after its CR LF
  ExpectAnswerLine(lines[0]);
  EXPECT_EQ(lines[1], "");
}

TEST_F(Form1Test, AThoughtIsAnsweredAndASecondEnterEndsTheConversation) {
  WatchClose();
  Type(L"Мысль");
  PressEnter();
  EXPECT_EQ(closes_, 0);
  EXPECT_FALSE(Application().Terminated());
  std::vector<std::string> lines = SplitLines(Text());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "Мысль");
  ExpectAnswerLine(lines[1]);
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(form_->CountAfterAnswer, 2);
  EXPECT_EQ(form_->Memo1->SelStart(), static_cast<int>(Text().size())); // caret at the end

  PressEnter();
  EXPECT_EQ(closes_, 1);
  EXPECT_TRUE(Application().Terminated());
  lines = SplitLines(textAtClose_);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Мысль");
  ExpectAnswerLine(lines[1]);
  ExpectAnswerLine(lines[2]);
  EXPECT_EQ(lines[3], "");
}

TEST_F(Form1Test, ShiftCtrlAndKeypadEnterAnswerLikeEnterAndOtherKeysOnlyEdit) {
  WatchClose();
  Type(L"a");
  PressEnter(/*shift=*/true);
  Type(L"b");
  PressEnter(false, /*ctrl=*/true);
  Type(L"c");
  PressEnter(false, false, /*keypad=*/true);
  SendMessageW(memo_, WM_KEYDOWN, 'D', 1);
  SendMessageW(memo_, WM_CHAR, L'd', 1);
  SendMessageW(memo_, WM_KEYDOWN, VK_TAB, 1);
  EXPECT_EQ(closes_, 0);
  const std::vector<std::string> lines = SplitLines(Text());
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "a");
  ExpectAnswerLine(lines[1]);
  EXPECT_EQ(lines[2], "b");
  ExpectAnswerLine(lines[3]);
  EXPECT_EQ(lines[4], "c");
  ExpectAnswerLine(lines[5]);
  EXPECT_EQ(lines[6], "d");
  EXPECT_EQ(form_->CountAfterAnswer, 6);
}

TEST_F(Form1Test, HeldEnterEndsAtTheFirstRepeatAfterAnAnswer) {
  WatchClose();
  Type(L"x");
  PressEnter();
  PressEnter(); // the repeat finds no new line
  EXPECT_EQ(closes_, 1);
}

TEST_F(Form1Test, TheAnswerGoesToTheEndWhereverTheCaretWas) {
  Type(L"abc");
  PressEnter();
  Type(L"def");
  form_->Memo1->SetSelStart(1);
  PressEnter();
  const std::vector<std::string> lines = SplitLines(Text());
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "abc"); // the earlier text got no line break
  EXPECT_EQ(lines[2], "def");
  ExpectAnswerLine(lines[3]);
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(form_->Memo1->SelStart(), static_cast<int>(Text().size()));
}

TEST_F(Form1Test, AWrappedAnswerLineIsAnsweredAgainInsteadOfEnding) {
  WatchClose();
  form_->SetBounds(100, 100, 400, 300); // the area is narrower than an answer line
  Application().ProcessMessages();
  Type(L"x");
  PressEnter();
  const int countAfter = form_->CountAfterAnswer;
  EXPECT_GT(form_->Memo1->LineCount(), countAfter); // the answer took more than one line
  PressEnter();
  EXPECT_EQ(closes_, 0);
  // The second answer went onto the empty line, and the key's own line break followed it.
  const std::vector<std::string> lines = SplitLines(Text());
  ASSERT_EQ(lines.size(), 5u);
  ExpectAnswerLine(lines[2]);
  EXPECT_EQ(lines[3], "");
}

TEST_F(Form1Test, DeletingBackToTheCountMakesTheNextEnterEnd) {
  WatchClose();
  Type(L"x");
  PressEnter();
  Type(L"yz");
  Type(L"\b\b");
  PressEnter();
  EXPECT_EQ(closes_, 1);
}

TEST_F(Form1Test, CharactersWindows1251CannotHoldBecomeQuestionMarks) {
  Type(L"Zo\u00EB \u03A9 \u4E2D \U0001F600!");
  EXPECT_EQ(Text(), "Zo? ? ? ?!");

  ASSERT_TRUE(OpenClipboard(memo_));
  EmptyClipboard();
  const std::wstring pasted = L"мир\u4E2D";
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(data), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
  SendMessageW(memo_, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(), "Zo? ? ? ?!мир?");
}

TEST_F(Form1Test, TheAreaHasNoLengthLimit) {
  // 100 KB of conversation, more than three times the EDIT control's usual limit.
  std::wstring big;
  for (int i = 0; i < 1000; ++i)
    big += L"Строка разговора номер " + std::to_wstring(i) + L", довольно длинная мысль.\r\n";
  SendMessageW(memo_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(big.c_str()));
  Type(L"!");
  PressEnter();
  const std::vector<std::string> lines = SplitLines(Text());
  ASSERT_EQ(lines.size(), 1003u);
  EXPECT_EQ(lines[999], "Строка разговора номер 999, довольно длинная мысль.");
  EXPECT_EQ(lines[1000], "!");
  ExpectAnswerLine(lines[1001]);
}

TEST_F(Form1Test, EveryCloseCommandGoesThroughFormClose) {
  WatchClose();
  SendMessageW(form_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(closes_, 1);
  EXPECT_TRUE(Application().Terminated());
  Application().ResetTerminated();
  SendMessageW(form_->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(closes_, 2);
}

TEST_F(Form1Test, AFailingCloseIsReportedAndTheConversationGoesOn) {
  form_->OnClose = [](ui::TComponent*, ui::TCloseAction&) {
    throw ui::EInOutError("File access denied", ERROR_ACCESS_DENIED);
  };
  PressEnter(); // meets the end-of-conversation rule
  EXPECT_FALSE(Application().Terminated());
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0].text, "File access denied.");
  EXPECT_EQ(errors_[0].caption, test::kTitle);
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_EQ(form_->CountAfterAnswer, 1);
  EXPECT_EQ(SplitLines(Text()).size(), 2u); // the answer stays; the failed key added no line break
  PressEnter();                             // the next Enter without typing tries to end again
  EXPECT_EQ(errors_.size(), 2u);
  EXPECT_EQ(form_->CountAfterAnswer, 2);
}

TEST_F(Form1Test, TheHelpItemAnswersItsAccessLetterAndAClick) {
  ui::TForm help(nullptr);
  help.SetBounds(0, 0, 200, 100);
  form_->HelpForm = &help;
  PostMessageW(memo_, WM_SYSCHAR, L'с', 1 << 29); // Alt + the lower-case letter
  Application().ProcessMessages();
  EXPECT_TRUE(IsWindowVisible(help.Handle()));
  help.Hide();
  // A click on the toolbar's menu button.
  const RECT button = form_->AdvToolBar1->ItemRects().at(0);
  const LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  SendMessageW(form_->AdvToolBar1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(form_->AdvToolBar1->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_TRUE(IsWindowVisible(help.Handle()));
  form_->HelpForm = nullptr;
  EXPECT_EQ(form_->AdvToolBar1->Model().Items.at(0).Caption, "&Справка ");
}

// The toolbar's item windows, in the order the toolbar made them.
std::vector<HWND> ItemWindows(HWND toolbar) {
  std::vector<HWND> windows;
  for (HWND w = FindWindowExW(toolbar, nullptr, L"Tarvel.ToolBarItem", nullptr); w;
       w = FindWindowExW(toolbar, w, L"Tarvel.ToolBarItem", nullptr))
    windows.push_back(w);
  return windows;
}

TEST_F(Form1Test, TheToolbarAndItsMenuButtonAreNamedByTheirCaptions) {
  toolbar::TToolBar& bar = *form_->AdvToolBar1;
  HWND toolbarWindow = bar.Handle();
  EXPECT_EQ(ui::WindowText(toolbarWindow), ""); // the designed toolbar has no caption
  std::vector<HWND> items = ItemWindows(toolbarWindow);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(ui::WindowText(items[0]), "&Справка ");
  EXPECT_TRUE(IsWindowVisible(items[0]));
  RECT item;
  GetWindowRect(items[0], &item);
  MapWindowPoints(HWND_DESKTOP, toolbarWindow, reinterpret_cast<POINT*>(&item), 2);
  EXPECT_TRUE(EqualRect(&item, &bar.ItemRects().at(0)));

  // The button's window lets the mouse through to the toolbar and the toolbar's drawing show:
  // the caption's black letters stand inside it.
  POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(toolbarWindow, &centre);
  EXPECT_EQ(WindowFromPoint(centre), toolbarWindow);
  auto letters = [&] {
    HDC dc = GetDC(toolbarWindow);
    int count = 0;
    for (int y = item.top; y < item.bottom; ++y)
      for (int x = item.left; x < item.right; ++x)
        count += (GetPixel(dc, x, y) & 0xFFFFFF) == 0;
    ReleaseDC(toolbarWindow, dc);
    return count;
  };
  RedrawWindow(toolbarWindow, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const int drawn = letters();
  EXPECT_GT(drawn, 20);
  // The item's own window erases and paints nothing.
  HDC itemDC = GetDC(items[0]);
  SendMessageW(items[0], WM_ERASEBKGND, reinterpret_cast<WPARAM>(itemDC), 0);
  ReleaseDC(items[0], itemDC);
  RedrawWindow(items[0], nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(letters(), drawn);

  // Captions that change rename the windows; a hidden item's window hides, a separator has none.
  bar.Model().Caption = "Меню";
  bar.Model().Items[0].Caption = "&Помощь";
  toolbar::TToolBarItem separator, find;
  separator.Kind = toolbar::TToolBarItemKind::Separator;
  find.Caption = "Найти";
  find.Visible = false;
  bar.Model().Items.push_back(separator);
  bar.Model().Items.push_back(find);
  bar.ModelChanged();
  EXPECT_EQ(ui::WindowText(toolbarWindow), "Меню");
  items = ItemWindows(toolbarWindow);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(ui::WindowText(items[0]), "&Помощь");
  EXPECT_EQ(ui::WindowText(items[1]), "Найти");
  EXPECT_TRUE(IsWindowVisible(items[0]));
  EXPECT_FALSE(IsWindowVisible(items[1]));
  // Items taken off take their windows with them.
  bar.Model().Items.resize(1);
  bar.ModelChanged();
  EXPECT_EQ(ItemWindows(toolbarWindow).size(), 1u);
}

} // namespace
} // namespace app
