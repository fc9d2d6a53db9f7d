#include "glview/view_menu_model.h"

#include <gtest/gtest.h>

namespace glview {
namespace {

using C = TViewMenuCommand;

std::vector<std::string> Captions(const std::vector<TViewMenuItem>& items) {
  std::vector<std::string> captions;
  for (const TViewMenuItem& item : items)
    captions.push_back(item.Caption);
  return captions;
}

TMenuObject Object(const std::string& name) {
  TMenuObject object;
  object.Name = name;
  return object;
}

TMenuView NoOptions() {
  TMenuView view;
  view.OptionsPossibility = {};
  return view;
}

TEST(BuildViewMenu, OneSubmenuPerObjectInListOrderThenOptions) {
  TMenuView view;
  view.Objects = {Object("Axis"), Object("Cube")};
  const auto menu = BuildViewMenu(view);
  ASSERT_EQ(Captions(menu), (std::vector<std::string>{"Axis", "Cube", "Опции"}));
  for (int i = 0; i < 2; ++i) {
    const auto& items = menu[i].Items;
    ASSERT_EQ(Captions(items), (std::vector<std::string>{"Цвет", "Материал", "Скрыть", "Каркас"}));
    EXPECT_EQ(items[0].Command, C::ObjectColor);
    EXPECT_EQ(items[1].Command, C::ObjectMaterial);
    EXPECT_EQ(items[2].Command, C::ObjectVisible);
    EXPECT_EQ(items[3].Command, C::ObjectWireframe);
    for (const auto& item : items) {
      EXPECT_EQ(item.Tag, i);
      EXPECT_TRUE(item.Items.empty());
    }
  }
  const auto& options = menu[2].Items;
  ASSERT_EQ(Captions(options), (std::vector<std::string>{"Цвет фона", "Вкл. свет", "Анимация"}));
  EXPECT_EQ(options[0].Command, C::BGColor);
  EXPECT_EQ(options[1].Command, C::Light);
  EXPECT_EQ(options[2].Command, C::Animation);
}

TEST(BuildViewMenu, CaptionsFollowTheState) {
  TMenuView view;
  view.Lighting = true;
  TMenuObject leaf = Object("Leaf2");
  leaf.Visible = false;
  leaf.Wireframe = true;
  view.Objects = {leaf};
  const auto menu = BuildViewMenu(view);
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_EQ(menu[0].Caption, "Leaf2 (скрыт)");
  EXPECT_EQ(Captions(menu[0].Items),
            (std::vector<std::string>{"Цвет", "Материал", "Показать", "Сплошной"}));
  EXPECT_EQ(menu[1].Items[1].Caption, "Выкл. свет");
  // The exact Windows-1251 bytes of the hidden marker.
  EXPECT_EQ(menu[0].Caption.substr(5), "\x20\x28\xF1\xEA\xF0\xFB\xF2\x29");
}

TEST(BuildViewMenu, OffersOnlyTheCommandsInTheSets) {
  TMenuView view = NoOptions();
  TMenuObject silent = Object("Silent");
  silent.MenuOptions = {};
  TMenuObject partial = Object("Partial");
  partial.MenuOptions = {moFillMode, moMaterial};
  view.Objects = {silent, partial};
  const auto menu = BuildViewMenu(view);
  // The object without commands gets no item, but the next keeps its own index as the tag.
  ASSERT_EQ(Captions(menu), (std::vector<std::string>{"Partial"}));
  ASSERT_EQ(Captions(menu[0].Items), (std::vector<std::string>{"Материал", "Каркас"}));
  EXPECT_EQ(menu[0].Items[0].Tag, 1);
  EXPECT_EQ(menu[0].Items[1].Tag, 1);
}

TEST(BuildViewMenu, EmptySetsGiveAnEmptyMenuAndNoObjectsOnlyOptions) {
  EXPECT_TRUE(BuildViewMenu(NoOptions()).empty());
  const auto menu = BuildViewMenu(TMenuView{});
  ASSERT_EQ(Captions(menu), (std::vector<std::string>{"Опции"}));
  EXPECT_EQ(menu[0].Items.size(), 3u);
}

TEST(BuildViewMenu, AboutWindowOptionsHaveNoAnimation) {
  TMenuView view;
  view.OptionsPossibility = {opBackground, opLight};
  const auto menu = BuildViewMenu(view);
  ASSERT_EQ(menu.size(), 1u);
  EXPECT_EQ(Captions(menu[0].Items), (std::vector<std::string>{"Цвет фона", "Вкл. свет"}));
}

} // namespace
} // namespace glview
