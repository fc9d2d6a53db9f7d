// Menu items as the framework hands them to Windows: command ids and access letters.
#include "ui/application.h"
#include "ui/form.h"
#include "ui/menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ui {
namespace {

TEST(MenuCommands, IdsOfFreedItemsAreReusedSoTheyStayWithin16Bits) {
  unsigned highest = 0;
  for (int i = 0; i < 70000; ++i) { // a menu rebuilt at every right click, many times over
    TMenuItem item(nullptr);
    highest = std::max(highest, item.Command());
  }
  EXPECT_LT(highest, 0x10000u);
}

TEST(MenuCommands, ACommandClicksItsItemAndAFreedIdClicksNothing) {
  int clicks = 0;
  auto* item = new TMenuItem(nullptr);
  item->OnClick = [&](TComponent*) { ++clicks; };
  const unsigned id = item->Command();
  EXPECT_TRUE(Application().DispatchCommand(id));
  EXPECT_EQ(clicks, 1);
  delete item;
  EXPECT_FALSE(Application().DispatchCommand(id));
  EXPECT_EQ(clicks, 1);
}

TEST(MenuAccelerators, TheLetterAfterTheAmpersandMatchesInEitherCase) {
  TMenuItem help(nullptr);
  help.SetCaption("&Справка ");
  EXPECT_TRUE(help.MatchesAccelerator(L'с'));
  EXPECT_TRUE(help.MatchesAccelerator(L'С'));
  EXPECT_FALSE(help.MatchesAccelerator(L'п'));
  TMenuItem literal(nullptr);
  literal.SetCaption("A&&B &Cd");
  EXPECT_FALSE(literal.MatchesAccelerator(L'&'));
  EXPECT_FALSE(literal.MatchesAccelerator(L'b'));
  EXPECT_TRUE(literal.MatchesAccelerator(L'c'));
  TMenuItem none(nullptr);
  none.SetCaption("Plain");
  EXPECT_FALSE(none.MatchesAccelerator(L'p'));
}

TEST(MenuAccelerators, AHandlerThatThrowsShowsTheErrorBoxAndTheLoopGoesOn) {
  std::vector<std::string> errors;
  const auto savedErrorBox = Application().Seams().ErrorBox;
  Application().Seams().ErrorBox = [&](HWND, const std::string& text, const std::string&) {
    errors.push_back(text);
  };
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(0, 0, 100, 50);
  auto* menu = new TMainMenu(&form);
  auto* help = new TMenuItem(menu);
  help->SetCaption("&Справка ");
  help->OnClick = [](TComponent*) { throw Exception("Справка недоступна"); };
  menu->Items()->Add(help);
  menu->AttachTo(&form);

  // Alt+С twice through the program's loop, which answers access letters before dispatching.
  PostMessageW(form.Handle(), WM_SYSCHAR, L'с', 1 << 29);
  PostMessageW(form.Handle(), WM_SYSCHAR, L'с', 1 << 29);
  Application().RunModalLoop([&] { return errors.size() == 2; });
  // And once more while messages are pumped from inside an action.
  PostMessageW(form.Handle(), WM_SYSCHAR, L'С', 1 << 29);
  Application().ProcessMessages();
  Application().Seams().ErrorBox = savedErrorBox;
  EXPECT_EQ(errors, std::vector<std::string>(3, "Справка недоступна."));
  EXPECT_FALSE(Application().Terminated());
}

} // namespace
} // namespace ui
