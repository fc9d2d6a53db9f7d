// Menu items as the framework hands them to Windows: command ids and access letters.
#include "ui/application.h"
#include "ui/menus.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace ui
