#pragma once
// The items of the view's popup menu, worked out from the scene's state without a window, so the
// Win32 menu is only a copy of this tree and the choice of items can be checked natively.
#include <string>
#include <vector>

#include "glview/view_options.h"

namespace glview {

// What a menu item does when clicked; None marks a heading that only opens its submenu.
enum class TViewMenuCommand {
  None,
  ObjectColor,
  ObjectMaterial,
  ObjectVisible,
  ObjectWireframe,
  BGColor,
  Light,
  Animation,
};

struct TViewMenuItem {
  std::string Caption; // Windows-1251
  TViewMenuCommand Command = TViewMenuCommand::None;
  int Tag = 0; // the object's index for the per-object commands
  std::vector<TViewMenuItem> Items;
};

// One visual object as the menu sees it: its name, state and the commands it offers.
struct TMenuObject {
  std::string Name;
  bool Visible = true;
  bool Wireframe = false;
  TObjectMenuOptions MenuOptions{moColor, moMaterial, moFillMode, moVisibility};
};

// The view as the menu sees it: its objects in list order and the options it offers.
struct TMenuView {
  std::vector<TMenuObject> Objects;
  TOptionsPossibility OptionsPossibility{opBackground, opLight, opAnimation};
  bool Lighting = false;
};

// The menu's top level: one item per object that offers any command, then "Опции" when the view
// offers any option. Captions follow the state (" (скрыт)", "Показать", "Каркас", "Вкл. свет")
// because the menu has no check marks.
std::vector<TViewMenuItem> BuildViewMenu(const TMenuView& view);

} // namespace glview
